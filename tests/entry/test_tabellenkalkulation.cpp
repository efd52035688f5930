// Spreadsheet exchange: cell references, the export workbook read back, and the import of .xlsx,
// .ods and .xls files.
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include "entry/tabellenkalkulation.h"
#include "testumgebung.h"

namespace {
const QString NBSP(QChar(0x00A0));

// A zip archive of stored (uncompressed) entries, enough for an OpenDocument spreadsheet.
QByteArray Zip(const std::vector<std::pair<QByteArray, QByteArray>>& eintraege) {
  auto crc32 = [](const QByteArray& d) {
    quint32 c = 0xFFFFFFFFu;
    for (char ch : d) {
      c ^= static_cast<unsigned char>(ch);
      for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return ~c;
  };
  auto u16 = [](QByteArray& b, quint16 v) { b.append(static_cast<char>(v & 0xFF)).append(static_cast<char>(v >> 8)); };
  auto u32 = [&](QByteArray& b, quint32 v) {
    u16(b, static_cast<quint16>(v & 0xFFFF));
    u16(b, static_cast<quint16>(v >> 16));
  };
  QByteArray datei, verzeichnis;
  for (const auto& [name, inhalt] : eintraege) {
    const quint32 versatz = static_cast<quint32>(datei.size()), crc = crc32(inhalt);
    const auto groesse = static_cast<quint32>(inhalt.size());
    u32(datei, 0x04034b50); u16(datei, 10); u16(datei, 0); u16(datei, 0); u16(datei, 0); u16(datei, 0);
    u32(datei, crc); u32(datei, groesse); u32(datei, groesse); u16(datei, static_cast<quint16>(name.size())); u16(datei, 0);
    datei += name + inhalt;
    u32(verzeichnis, 0x02014b50); u16(verzeichnis, 20); u16(verzeichnis, 10); u16(verzeichnis, 0); u16(verzeichnis, 0);
    u16(verzeichnis, 0); u16(verzeichnis, 0); u32(verzeichnis, crc); u32(verzeichnis, groesse); u32(verzeichnis, groesse);
    u16(verzeichnis, static_cast<quint16>(name.size())); u16(verzeichnis, 0); u16(verzeichnis, 0); u16(verzeichnis, 0);
    u16(verzeichnis, 0); u32(verzeichnis, 0); u32(verzeichnis, versatz);
    verzeichnis += name;
  }
  const quint32 beginn = static_cast<quint32>(datei.size());
  datei += verzeichnis;
  u32(datei, 0x06054b50); u16(datei, 0); u16(datei, 0);
  u16(datei, static_cast<quint16>(eintraege.size())); u16(datei, static_cast<quint16>(eintraege.size()));
  u32(datei, static_cast<quint32>(verzeichnis.size())); u32(datei, beginn); u16(datei, 0);
  return datei;
}

// An .ods file whose first sheet holds the rows (empty texts leave the cell empty).
QByteArray Ods(const std::vector<std::vector<QString>>& zeilen) {
  QByteArray tabelle;
  for (const auto& zeile : zeilen) {
    tabelle += "<table:table-row>";
    for (const QString& z : zeile) {
      bool zahl = false;
      z.toDouble(&zahl);
      if (z.isEmpty())
        tabelle += "<table:table-cell/>";
      else if (zahl)
        tabelle += "<table:table-cell office:value-type=\"float\" office:value=\"" + z.toUtf8() + "\"><text:p>" + z.toUtf8() + "</text:p></table:table-cell>";
      else
        tabelle += "<table:table-cell office:value-type=\"string\"><text:p>" + z.toHtmlEscaped().toUtf8() + "</text:p></table:table-cell>";
    }
    tabelle += "</table:table-row>";
  }
  const QByteArray inhalt =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
      "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
      "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
      "office:version=\"1.2\"><office:body><office:spreadsheet><table:table table:name=\"Erstes\">" +
      tabelle +
      "</table:table><table:table table:name=\"Zweites\"><table:table-row><table:table-cell office:value-type=\"string\">"
      "<text:p>nicht lesen</text:p></table:table-cell></table:table-row></table:table>"
      "</office:spreadsheet></office:body></office:document-content>";
  const QByteArray manifest =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?><manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" "
      "manifest:version=\"1.2\"><manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"application/"
      "vnd.oasis.opendocument.spreadsheet\"/><manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
      "</manifest:manifest>";
  return Zip({{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"}, {"content.xml", inhalt}, {"META-INF/manifest.xml", manifest}});
}

class Tabellenkalkulation : public DatenOrdnerTest {
 protected:
  QStringList Zeile(const Tabelle& t, int z) {
    QStringList r;
    for (int s = 0; s < t.Spalten(); ++s) r << t.Zelle(z, s);
    return r;
  }
};
}  // namespace

TEST(CellRef, Spaltenbuchstaben) {
  const std::tuple<int, int, const char*> faelle[] = {{21, 6, "F21"}, {1, 27, "AA1"}, {3, 52, "AZ3"}, {3, 53, "BA3"},
                                                      {9, 702, "ZZ9"}, {1, 1, "A1"}, {1, 26, "Z1"}};
  for (const auto& [zeile, spalte, ref] : faelle) EXPECT_EQ(CellRef(zeile, spalte), QString::fromLatin1(ref));
}

TEST_F(Tabellenkalkulation, ExportZurueckGelesen) {
  // 50 grid rows, three with numbers: A1..F49 filled, F and rows 4..49 with lone no-break spaces.
  Tabelle raster = Reihen({{3, 11, 17, 24, 35}, {1, 2, 3, 4, 5}, {6, 7, 8, 9, 10}});
  raster.SetzeZeilen(50);
  const QString pfad = NeueExportDatei();
  EXPECT_TRUE(pfad.startsWith(tmp.path() + QStringLiteral("/Export/")));
  EXPECT_TRUE(pfad.endsWith(QStringLiteral(".xlsx")));
  ASSERT_TRUE(ExportSchreiben(raster, "Tippreihen", 6, pfad).ok());
  EXPECT_NE(NeueExportDatei(), pfad);  // a new name each time

  Tabelle zurueck = Tabelle::Reihentabelle();
  ASSERT_TRUE(ExcelImport(zurueck, pfad).ok());
  EXPECT_EQ(zurueck.Zeilen(), 50);
  EXPECT_EQ(zurueck.Spalten(), 7);
  EXPECT_EQ(Zeile(zurueck, 1), (QStringList{"1", NBSP + "3", NBSP + "11", NBSP + "17", NBSP + "24", NBSP + "35", NBSP}));
  EXPECT_EQ(Zeile(zurueck, 49), (QStringList{"49", NBSP, NBSP, NBSP, NBSP, NBSP, NBSP}));
  EXPECT_EQ(zurueck.Zelle(0, 1), QStringLiteral("Z1"));  // the header row stays
}

TEST_F(Tabellenkalkulation, ImportXlsxOdsXls) {
  // .xlsx: numbers in their plain form, texts as they are, the last used cell E12.
  const QByteArray xlsx = QFile::encodeName(Pfad("tipps.xlsx"));
  lxw_workbook* mappe = workbook_new(xlsx.constData());
  lxw_worksheet* blatt = workbook_add_worksheet(mappe, "Eins");
  worksheet_write_number(blatt, 0, 0, 7, nullptr);
  worksheet_write_number(blatt, 0, 1, 8.5, nullptr);
  worksheet_write_string(blatt, 0, 2, "\xC2\xA0" "12", nullptr);
  worksheet_write_number(blatt, 11, 4, 35, nullptr);
  worksheet_write_string(workbook_add_worksheet(mappe, "Zwei"), 20, 20, "nicht lesen", nullptr);
  ASSERT_EQ(workbook_close(mappe), LXW_NO_ERROR);
  Tabelle t = Tabelle::Reihentabelle();
  ASSERT_TRUE(ExcelImport(t, Pfad("tipps.xlsx")).ok());
  EXPECT_EQ(t.Zeilen(), 13);
  EXPECT_EQ(t.Spalten(), 6);
  EXPECT_EQ(Zeile(t, 1), (QStringList{"1", "7", "8,5", NBSP + "12", "", ""}));
  EXPECT_EQ(Zeile(t, 12), (QStringList{"12", "", "", "", "", "35"}));

  // .ods, told apart by its content even under another extension.
  QFile ods(Pfad("tipps.dat"));
  ASSERT_TRUE(ods.open(QIODevice::WriteOnly));
  ods.write(Ods({{"3", "11", "17", "24", "35"}, {"", "Feld", "", "", "", "2"}}));
  ods.close();
  ASSERT_TRUE(ExcelImport(t, Pfad("tipps.dat")).ok());
  EXPECT_EQ(t.Zeilen(), 3);
  EXPECT_EQ(t.Spalten(), 7);
  EXPECT_EQ(Zeile(t, 1), (QStringList{"1", "3", "11", "17", "24", "35", ""}));
  EXPECT_EQ(Zeile(t, 2), (QStringList{"2", "", "Feld", "", "", "", "2"}));

  // .xls (Excel 97-2003), read without a spreadsheet program.
  ASSERT_TRUE(ExcelImport(t, QStringLiteral(TESTDATEN "/tipps.xls")).ok());
  EXPECT_EQ(t.Zeilen(), 4);
  EXPECT_EQ(t.Spalten(), 6);
  EXPECT_EQ(Zeile(t, 1), (QStringList{"1", "3", "11", "17", "24", "35"}));
  EXPECT_EQ(Zeile(t, 3), (QStringList{"3", NBSP + "7", "8,5", "Feld", "", "33"}));
}

TEST_F(Tabellenkalkulation, LeeresBlattUndUnlesbareDatei) {
  QFile leer(Pfad("leer.ods"));
  ASSERT_TRUE(leer.open(QIODevice::WriteOnly));
  leer.write(Ods({}));
  leer.close();
  Tabelle t = Tabelle::Reihentabelle();
  ASSERT_TRUE(ExcelImport(t, Pfad("leer.ods")).ok());
  EXPECT_EQ(t.Zeilen(), 2);
  EXPECT_EQ(t.Spalten(), 2);
  EXPECT_EQ(t.Zelle(1, 0), QStringLiteral("1"));
  EXPECT_EQ(t.Zelle(1, 1), QString());

  QFile kaputt(Pfad("kaputt.xlsx"));
  ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
  kaputt.write("PK\x03\x04 das ist kein Archiv");
  kaputt.close();
  const Ergebnis e = ExcelImport(t, Pfad("kaputt.xlsx"));
  ASSERT_FALSE(e.ok());
  EXPECT_TRUE(e.fehler.startsWith(QStringLiteral("Die Tabelle %1 kann nicht eingelesen werden.\r\r").arg(Pfad("kaputt.xlsx"))))
      << e.fehler.toStdString();
  EXPECT_FALSE(ExcelImport(t, Pfad("fehlt.xlsx")).ok());
}
