// Whether every text of a window can be read as it is laid out: no label, button, field, list,
// group title, tab, table header or visible table cell whose text is wider (or higher) than its
// room, and no two controls of one parent on top of each other.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The problems found, one line each ("FStatistik/GHaeufig4: cell 3,1 "10,19,24,33" 58 > 52").
QStringList LesbarkeitPruefen(QWidget* fenster);
