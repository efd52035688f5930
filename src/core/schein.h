// Ticket files (10-byte records) and row text files (CSV).
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include <QString>

#include "arbeitsstand.h"
#include "meldung.h"
#include "tabelle.h"

// A ticket file's rows as numbers and its share counts (from the first record).
struct Scheindatei {
  std::vector<std::array<std::uint8_t, 5>> reihen;
  std::uint16_t antGes = 1;
  std::uint16_t antMeine = 1;
};
// Reads the whole records of a ticket file; on a read error the rows read before it stay.
Ergebnis ScheinSaetzeLesen(const QString& pfad, Scheindatei& schein);

// Reads a ticket file into a row table (data rows 1..n, row numbers in column 0) and the two share
// texts (from the first record; unchanged for an empty file). On a read error the rows read so far
// stay in the table.
Ergebnis ScheinLesen(Tabelle& reihen, QString& antGes, QString& antMeine, const QString& pfad, Arbeitsstand* stand = nullptr);

// Writes the rows 1..last of a row table as a ticket file, the share counts in every record (an
// empty share text counts as 1). The previous file is replaced only after a successful write.
Ergebnis ScheinSchreiben(const TabellenDaten& reihen, const QString& antGes, const QString& antMeine, const QString& pfad,
                         Arbeitsstand* stand = nullptr);

// Writes the rows of a row table as a CSV file: the columns from 1 on whose cell in row 1 is not
// empty, joined by ",", quoted where needed, CR LF after every line, no header.
Ergebnis CsvSchreiben(const TabellenDaten& reihen, const QString& pfad, Arbeitsstand* stand = nullptr);

// Reads a CSV file into a row table: one data row per line that is neither empty nor "\"\"", the
// parts between the commas unchanged in columns 1, 2, ... (also beyond the visible columns).
// Returns the number of rows read.
int CsvLesen(Tabelle& reihen, const QString& pfad, Ergebnis* fehler = nullptr, Arbeitsstand* stand = nullptr);

// One CSV line from its cells, with the quoting rules of the row text file.
QString CsvZeile(const QStringList& zellen);
