// Spreadsheet exchange: tip rows to a new workbook and from the first worksheet of a workbook.
#pragma once

#include <QString>

#include "core/meldung.h"
#include "core/tabelle.h"

// The reference of a cell (rows and columns from 1): F21, AA1, AZ3, BA3, ZZ9.
QString CellRef(int zeile, int spalte);

// Writes the rows of a row grid as a workbook with one sheet: grid cell (row r, column c) goes to
// sheet cell (r, c) for r = 1..R-1 and c = 1..min(letzteSpalte, C), each text preceded by a
// no-break space so that it stays text; the row-number column and the header row stay behind.
// Columns are as wide as their texts.
Ergebnis ExportSchreiben(const TabellenDaten& raster, const QString& blattName, int letzteSpalte, const QString& pfad);

// A file name for a new export: the data folder's "Export/" folder (created when missing).
QString NeueExportDatei();

// Reads the first worksheet of an .xlsx, .xlsm or .ods file (format by content) or of an .xls file
// into the grid: L + 1 rows and K + 1 columns for the last used row L and column K, row numbers in
// column 0, the cell texts from column 1 on. The header row stays as it was.
Ergebnis ExcelImport(Tabelle& raster, const QString& pfad);
