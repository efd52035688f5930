// The maker's list of draws (one per line: the date dd.mm.yyyy and five numbers) as the draw
// history file the update server holds.
#pragma once

#include <QByteArray>
#include <QString>

struct ServerZiehungen {
  QByteArray datei;  // the 16-byte records, oldest first
  QString fehler;    // the first wrong line, empty when every line is right
};

// Blanks, commas, semicolons or tabs separate; empty lines and lines starting with # are skipped.
// Every line is checked as the program's draw import checks it (a valid date, five different
// numbers from 1 to 35, a date not twice), and the dates must not decrease.
ServerZiehungen ServerZiehungenAusText(const QString& text);
