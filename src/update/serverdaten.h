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
// Every line is checked: a valid date, five different numbers from 1 to 35, dates not decreasing.
ServerZiehungen ServerZiehungenAusText(const QString& text);
