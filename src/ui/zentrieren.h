// The centring rule for table texts: a text that is to look centred in a column gets blanks in front.
#pragma once

#include <QString>

class QFont;

// Number of blanks: Round((Round(0.8 * spaltenBreite) - textBreite) / (2 * blankBreite)), ties to
// even, none when that is 0 or less.
int ZentrierBlanks(int textBreite, int spaltenBreite, int blankBreite);

// The text with its blanks in front, measured in the given font.
QString Zentriert(const QString& text, int spaltenBreite, const QFont& schrift);
