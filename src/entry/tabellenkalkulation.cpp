#include "tabellenkalkulation.h"

#include <cmath>
#include <limits>
#include <vector>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <freexl.h>
#include <ixion/cell_access.hpp>
#include <ixion/model_context.hpp>
#include <orcus/format_detection.hpp>
#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/document.hpp>
#include <orcus/spreadsheet/factory.hpp>
#include <orcus/spreadsheet/sheet.hpp>
#include <xlsxwriter.h>

#include "core/programmwerte.h"
#include "core/zahlformat.h"

namespace {
const QChar NBSP(0x00A0);

QString ImportFehler(const QString& pfad, const QString& grund) {
  return QStringLiteral("Die Tabelle %1 kann nicht eingelesen werden.").arg(QDir::toNativeSeparators(pfad)) + CRCR + grund;
}

// A number as the spreadsheet shows it by default: whole numbers without decimals.
QString ZahlText(double v) {
  if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 9.0e15) return QString::number(static_cast<qlonglong>(v));
  return QLocale().toString(v, 'g', 15);
}

void Fuellen(Tabelle& raster, int l, int k, const std::function<QString(int, int)>& zelle) {
  raster.SetzeZeilen(l + 1);
  raster.SetzeSpalten(k + 1);
  for (int r = 1; r <= l; ++r) {
    raster.SetzeZelle(r, 0, QString::number(r));
    for (int c = 1; c <= k; ++c) raster.SetzeZelle(r, c, zelle(r - 1, c - 1));
  }
}

QString FreeXLGrund(int code) {
  switch (code) {
    case FREEXL_FILE_NOT_FOUND: return QStringLiteral("Die Datei ist nicht vorhanden.");
    case FREEXL_INSUFFICIENT_MEMORY: return QStringLiteral("Nicht genug Arbeitsspeicher.");
    case FREEXL_CRAFTED_FILE: return QStringLiteral("Die Datei ist beschädigt.");
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND: return QStringLiteral("Die Datei enthält keine Arbeitsmappe.");
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER: return QStringLiteral("Der Zeichensatz der Datei wird nicht unterstützt.");
    default: return QStringLiteral("Die Datei ist keine lesbare Excel-Arbeitsmappe (FreeXL-Fehler %1).").arg(code);
  }
}

Ergebnis XlsLesen(Tabelle& raster, const QString& pfad) {
  const void* handle = nullptr;
  int rc = freexl_open(QFile::encodeName(pfad).constData(), &handle);
  unsigned int zeilen = 0;
  unsigned short spalten = 0;
  if (rc == FREEXL_OK) rc = freexl_select_active_worksheet(handle, 0);
  if (rc == FREEXL_OK) rc = freexl_worksheet_dimensions(handle, &zeilen, &spalten);
  if (rc != FREEXL_OK) {
    freexl_close(handle);
    return {ImportFehler(pfad, FreeXLGrund(rc))};
  }
  // The last used row and column that hold a value (an empty sheet counts its cell A1).
  auto wert = [&](unsigned int r, unsigned short c) -> QString {
    FreeXL_CellValue v;
    if (freexl_get_cell_value(handle, r, c, &v) != FREEXL_OK) return {};
    switch (v.type) {
      case FREEXL_CELL_INT: return QString::number(v.value.int_value);
      case FREEXL_CELL_DOUBLE: return ZahlText(v.value.double_value);
      case FREEXL_CELL_TEXT:
      case FREEXL_CELL_SST_TEXT:
      case FREEXL_CELL_DATE:
      case FREEXL_CELL_DATETIME:
      case FREEXL_CELL_TIME: return QString::fromUtf8(v.value.text_value);
      default: return {};
    }
  };
  int l = 1, k = 1;
  // (The dimensions are counted differently by FreeXL versions; one row and column more is read.)
  for (unsigned int r = 0; r <= zeilen; ++r)
    for (unsigned short c = 0; c <= spalten; ++c)
      if (!wert(r, c).isEmpty()) {
        l = std::max(l, static_cast<int>(r) + 1);
        k = std::max(k, static_cast<int>(c) + 1);
      }
  Fuellen(raster, l, k, [&](int r, int c) { return wert(static_cast<unsigned int>(r), static_cast<unsigned short>(c)); });
  freexl_close(handle);
  return {};
}

Ergebnis OrcusLesen(Tabelle& raster, const QString& pfad, const QByteArray& daten) {
  namespace ss = orcus::spreadsheet;
  try {
    const auto format = orcus::detect(reinterpret_cast<const unsigned char*>(daten.constData()), static_cast<std::size_t>(daten.size()));
    ss::document doc({1048576, 16384});
    ss::import_factory fabrik(doc);
    const std::string_view strom(daten.constData(), static_cast<std::size_t>(daten.size()));
    if (format == orcus::format_t::xlsx) {
      orcus::orcus_xlsx filter(&fabrik);
      filter.read_stream(strom);
    } else if (format == orcus::format_t::ods) {
      orcus::orcus_ods filter(&fabrik);
      filter.read_stream(strom);
    } else {
      return {ImportFehler(pfad, QStringLiteral("Das Dateiformat wird nicht erkannt; lesbar sind .xlsx, .xlsm, .ods und .xls."))};
    }
    if (doc.get_sheet_count() == 0) return {ImportFehler(pfad, QStringLiteral("Die Datei enthält kein Tabellenblatt."))};
    const ss::sheet* blatt = doc.get_sheet(0);
    const ixion::model_context& kontext = doc.get_model_context();
    const ixion::abs_range_t bereich = blatt->get_data_range();
    const bool leer = !bereich.valid() || bereich.last.row < 0 || bereich.last.column < 0;
    const int l = leer ? 1 : bereich.last.row + 1, k = leer ? 1 : bereich.last.column + 1;
    Fuellen(raster, l, k, [&](int r, int c) -> QString {
      if (leer) return {};
      const ixion::cell_access zelle = kontext.get_cell_access(ixion::abs_address_t(blatt->get_index(), r, c));
      switch (zelle.get_value_type()) {
        case ixion::cell_value_t::numeric: return ZahlText(zelle.get_numeric_value());
        case ixion::cell_value_t::string: {
          const std::string_view s = zelle.get_string_value();
          return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
        }
        case ixion::cell_value_t::boolean: return zelle.get_boolean_value() ? QStringLiteral("WAHR") : QStringLiteral("FALSCH");
        default: return {};
      }
    });
  } catch (const std::exception& e) {
    return {ImportFehler(pfad, QString::fromUtf8(e.what()))};
  }
  return {};
}
}  // namespace

QString CellRef(int zeile, int spalte) {
  QString buchstaben;
  if (spalte <= 26) {
    buchstaben = QChar(u'A' + (spalte - 1));
  } else {
    buchstaben = QString(QChar(u'A' + ((spalte - 1) / 26 - 1))) + QChar(u'A' + ((spalte - 1) % 26));
  }
  return buchstaben + QString::number(zeile);
}

QString NeueExportDatei() {
  const QString ordner = Werte().DatenDatei(QStringLiteral("Export/"));
  QDir().mkpath(ordner);
  const QString stamm = ordner + QStringLiteral("Tippreihen-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString pfad = stamm + QStringLiteral(".xlsx");
  for (int i = 2; QFileInfo::exists(pfad); ++i) pfad = stamm + QStringLiteral("-%1.xlsx").arg(i);
  return pfad;
}

Ergebnis ExportSchreiben(const TabellenDaten& raster, const QString& blattName, int letzteSpalte, const QString& pfad) {
  const CZahlenformat cZahlen;  // libxlsxwriter writes the column widths with printf
  const int r = raster.Zeilen(), spalten = std::min(letzteSpalte, raster.Spalten());
  // Shared strings (not the constant-memory mode's inline strings): every spreadsheet program and
  // our own import read them; even all 324,632 possible rows stay near 250 MB for a moment.
  const QByteArray datei = QFile::encodeName(pfad);
  lxw_workbook* mappe = workbook_new(datei.constData());
  if (!mappe) return {SchreibFehler(pfad, QStringLiteral("Die Arbeitsmappe kann nicht angelegt werden."))};
  lxw_worksheet* blatt = workbook_add_worksheet(mappe, blattName.toUtf8().constData());
  std::vector<int> breite(static_cast<std::size_t>(std::max(spalten, 0)), 0);
  for (int z = 1; z < r; ++z)
    for (int c = 1; c <= spalten; ++c) {
      const QString text = NBSP + raster.Zelle(z, c);
      worksheet_write_string(blatt, static_cast<lxw_row_t>(z - 1), static_cast<lxw_col_t>(c - 1), text.toUtf8().constData(), nullptr);
      breite[static_cast<std::size_t>(c - 1)] = std::max(breite[static_cast<std::size_t>(c - 1)], static_cast<int>(text.size()));
    }
  for (int c = 0; c < spalten; ++c)
    worksheet_set_column(blatt, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), breite[static_cast<std::size_t>(c)] + 1.5, nullptr);
  const lxw_error fehler = workbook_close(mappe);
  if (fehler != LXW_NO_ERROR) return {SchreibFehler(pfad, QString::fromUtf8(lxw_strerror(fehler)))};
  return {};
}

Ergebnis ExcelImport(Tabelle& raster, const QString& pfad) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return {ImportFehler(pfad, datei.errorString())};
  const QByteArray daten = datei.readAll();
  if (datei.error() != QFileDevice::NoError) return {ImportFehler(pfad, datei.errorString())};
  datei.close();
  // Binary .xls workbooks are compound files; everything else is told apart by its content.
  if (daten.startsWith(QByteArray::fromHex("D0CF11E0A1B11AE1"))) return XlsLesen(raster, pfad);
  return OrcusLesen(raster, pfad, daten);
}
