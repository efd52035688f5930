// Spreadsheet exchange: tip rows to a new workbook and from the first worksheet of a workbook.
#pragma once

#include <atomic>
#include <optional>
#include <vector>

#include <sys/resource.h>

#include <QString>
#include <QStringList>

#include "core/arbeitsstand.h"
#include "core/meldung.h"
#include "core/tabelle.h"
#include "core/var_def.h"
#include "entry/blattlesen.h"

// The reference of a cell (rows and columns from 1): F21, AA1, AZ3, BA3, ZZ9.
QString CellRef(int zeile, int spalte);

// Writes the rows of a row grid as a workbook with one sheet: grid cell (row r, column c) goes to
// sheet cell (r, c) for r = 1..R-1 and c = 1..min(letzteSpalte, C), each text preceded by a
// no-break space so that it stays text; the row-number column and the header row stay behind.
// Columns are as wide as their texts.
Ergebnis ExportSchreiben(const TabellenDaten& raster, const QString& blattName, int letzteSpalte, const QString& pfad,
                         Arbeitsstand* stand = nullptr);

// A file name for a new export: the data folder's "Export/" folder (created when missing).
QString NeueExportDatei();

// The limits of the reader process.
namespace Tabellenleser {
inline constexpr int CpuSekunden = 30;
inline constexpr qint64 Millisekunden = 60'000;
inline constexpr rlim_t Speicher = 2ull << 30;  // address space
}  // namespace Tabellenleser

// The first worksheet of a workbook file (.xlsx, .xlsm, .ods told apart by content, .xls), read in
// the reader process: the sheet, or the reason it cannot be read (German), or a cancel.
struct Blatteinlesen {
  std::optional<Blattinhalt> blatt;
  QString grund;
  bool abgebrochen = false;
};
Blatteinlesen BlattEinlesen(const QString& pfad, const std::atomic<bool>* abbrechen = nullptr);

// A cell's text as the spreadsheet shows it by default: whole numbers without decimals, other
// numbers in the locale's form (8,5), dates in the short date format, truth values WAHR/FALSCH.
QString ZellText(const Blattinhalt::Zelle& zelle, const std::vector<QString>& texte);

// The sheet into the grid: L + 1 rows and K + 1 columns for the last row L and column K holding a
// value (an empty sheet counts A1), row numbers in column 0, the cell texts from column 1 on. The
// header row stays as it was.
void BlattInTabelle(const Blattinhalt& blatt, Tabelle& raster);

// The message for a workbook that cannot be read: it names the file, then the reason.
QString ImportFehler(const QString& pfad, const QString& grund);

// A sheet as lines of cell texts (as the spreadsheet shows them, blanks around removed).
std::vector<QStringList> BlattZeilen(const Blattinhalt& blatt);

// The draw history as a spreadsheet: a header row ("Datum", "Z1".."Z5"), then a row per draw with
// the date as a date cell.
Ergebnis ZiehungenXlsxSchreiben(const std::vector<TGewZahlen>& liste, const QString& pfad);

// Reads the first worksheet into the grid as BlattInTabelle does; a file that cannot be read leaves
// the grid as it was and gives the message naming the file. A cancel gives no message.
Ergebnis ExcelImport(Tabelle& raster, const QString& pfad, const std::atomic<bool>* abbrechen = nullptr);
