// "Excel- Export" of the windows: the rows to a new workbook in the desktop's spreadsheet program.
#pragma once

#include "core/tabelle.h"

class QWidget;

void ExcelExport(const TabellenDaten& raster, const QString& blattName, int letzteSpalte, QWidget* eltern);
