// Spreadsheet exchange: cell references, the export workbook read back, and the import of .xlsx,
// .ods and .xls files.
#include <clocale>
#include <thread>

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "core/programmwerte.h"
#include "entry/tabellenkalkulation.h"
#include "testlogik.h"

namespace {
const QString NBSP(QChar(0x00A0));

QString Daten(const char* name) { return QStringLiteral(TESTDATEN "/") + QString::fromLatin1(name); }

class Tabellenkalkulation : public LogikTest {
 protected:
  QStringList Zeile(const Tabelle& t, int z) {
    QStringList r;
    for (int s = 0; s < t.Spalten(); ++s) r << t.Zelle(z, s);
    return r;
  }
};
}  // namespace

TEST(CellRef, Spaltenbuchstaben) {
  const std::tuple<int, int, const char*> faelle[] = {{21, 6, "F21"},  {1, 27, "AA1"}, {3, 52, "AZ3"}, {3, 53, "BA3"},
                                                      {9, 702, "ZZ9"}, {1, 1, "A1"},   {1, 26, "Z1"}};
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

  // A cancelled export leaves no file.
  Arbeitsstand stand;
  stand.abbrechen = true;
  const QString abgebrochen = NeueExportDatei();
  EXPECT_TRUE(ExportSchreiben(raster, "Tippreihen", 6, abgebrochen, &stand).abgebrochen);
  EXPECT_FALSE(QFile::exists(abgebrochen));
}

TEST_F(Tabellenkalkulation, ImportXlsxOdsXls) {
  // .xlsx: numbers in their plain form, texts as they are, the last used cell E12.
  Tabelle t = Tabelle::Reihentabelle();
  ASSERT_TRUE(ExcelImport(t, Daten("tipps.xlsx")).ok());
  EXPECT_EQ(t.Zeilen(), 13);
  EXPECT_EQ(t.Spalten(), 6);
  EXPECT_EQ(Zeile(t, 1), (QStringList{"1", "7", "8,5", NBSP + "12", "", ""}));
  EXPECT_EQ(Zeile(t, 12), (QStringList{"12", "", "", "", "", "35"}));

  // .ods, told apart by its content even under another extension.
  ASSERT_TRUE(QFile::copy(Daten("reihen.ods"), Pfad("tipps.dat")));
  ASSERT_TRUE(ExcelImport(t, Pfad("tipps.dat")).ok());
  EXPECT_EQ(t.Zeilen(), 3);
  EXPECT_EQ(t.Spalten(), 7);
  EXPECT_EQ(Zeile(t, 1), (QStringList{"1", "3", "11", "17", "24", "35", ""}));
  EXPECT_EQ(Zeile(t, 2), (QStringList{"2", "", "Feld", "", "", "", "2"}));

  // .xls (Excel 97-2003), read without a spreadsheet program.
  ASSERT_TRUE(ExcelImport(t, Daten("tipps97.xls")).ok());
  EXPECT_EQ(t.Zeilen(), 4);
  EXPECT_EQ(t.Spalten(), 6);
  EXPECT_EQ(Zeile(t, 1), (QStringList{"1", "3", "11", "17", "24", "35"}));
  EXPECT_EQ(Zeile(t, 3), (QStringList{"3", NBSP + "7", "8,5", "Feld", "", "33"}));
}

TEST_F(Tabellenkalkulation, LeeresBlattUndUnlesbareDatei) {
  Tabelle t = Tabelle::Reihentabelle();
  ASSERT_TRUE(ExcelImport(t, Daten("leer.ods")).ok());
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

TEST_F(Tabellenkalkulation, DezimalzahlenUndFormelergebnisseInJedemFormat) {
  // LibreOffice's files with 2.5 in A1 and =A4+9 (10) in B4: the same values from .xlsx, .ods and
  // .xls, also when the reader runs under the German locale (where the C library reads "2,5").
  if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) qputenv("LC_ALL", "de_DE.UTF-8");
  for (const char* datei : {"dezimal_formel.xlsx", "dezimal_formel.ods", "dezimal_formel.xls"}) {
    Tabelle t = Tabelle::Reihentabelle();
    ASSERT_TRUE(ExcelImport(t, Daten(datei)).ok()) << datei;
    EXPECT_EQ(t.Zelle(1, 1), QStringLiteral("2,5")) << datei;
    EXPECT_EQ(t.Zelle(4, 1), QStringLiteral("1")) << datei;
    EXPECT_EQ(t.Zelle(4, 2), QStringLiteral("10")) << datei;
  }
}

TEST_F(Tabellenkalkulation, GefaehrlicheDateienWerdenAbgelehntOderGelesen) {
  // Every crafted spreadsheet of the corpus: refused with a message naming the file, or read into
  // a grid of the size of its values; the grid of a refused file stays as it was.
  const QDir korpus(QStringLiteral(KORPUS "/tabelle"));
  int abgelehnt = 0;
  for (const QString& name : korpus.entryList(QDir::Files)) {
    Tabelle t = Tabelle::Reihentabelle();
    t.SetzeZelle(1, 1, QStringLiteral("vorher"));
    const Ergebnis e = ExcelImport(t, korpus.filePath(name));
    if (e.ok()) {
      EXPECT_LE(static_cast<qint64>(t.Zeilen()) * t.Spalten(), 2'000'000) << name.toStdString();
      continue;
    }
    ++abgelehnt;
    EXPECT_TRUE(e.fehler.startsWith(QStringLiteral("Die Tabelle %1 kann nicht eingelesen werden.\r\r").arg(korpus.filePath(name))))
        << name.toStdString();
    EXPECT_EQ(t.Zelle(1, 1), QStringLiteral("vorher")) << name.toStdString();
  }
  EXPECT_GE(abgelehnt, 7);  // the corners, the assertions, the 4 GB entry, the broken .xls
}

TEST_F(Tabellenkalkulation, AbsturzHaengerUndMuellDesLeseprozesses) {
  // Whatever happens in the reader process (a library's assertion, a hang, output that is no sheet)
  // ends there: the program reports the file, and a hang can be cancelled.
  const QString vorher = Werte().helferOrdner;
  Werte().helferOrdner = tmp.path() + QStringLiteral("/helfer/");
  QDir().mkpath(Werte().helferOrdner);
  auto leser = [&](const QByteArray& skript) {
    QFile f(Werte().helferOrdner + QStringLiteral("kelvaro-tabellenleser"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n" + skript + "\n");
    f.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  };
  const std::pair<QByteArray, QString> faelle[] = {
      {"kill -ABRT $$", QStringLiteral("Die Datei bringt das Leseprogramm zum Absturz; sie ist vermutlich beschädigt.")},
      {"printf 'kein Blatt'", QStringLiteral("Das Leseprogramm hat kein lesbares Ergebnis geliefert.")},
      {"exit 3", QStringLiteral("Die Datei bringt das Leseprogramm zum Absturz; sie ist vermutlich beschädigt.")},
  };
  for (const auto& [skript, grund] : faelle) {
    leser(skript);
    Tabelle t = Tabelle::Reihentabelle();
    const Ergebnis e = ExcelImport(t, Daten("tipps.xlsx"));
    EXPECT_EQ(e.fehler, QStringLiteral("Die Tabelle %1 kann nicht eingelesen werden.\r\r").arg(Daten("tipps.xlsx")) + grund)
        << skript.constData();
  }
  leser("exec sleep 30");
  std::atomic<bool> abbrechen{false};
  std::thread spaeter([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    abbrechen = true;
  });
  const Blatteinlesen e = BlattEinlesen(Daten("tipps.xlsx"), &abbrechen);
  spaeter.join();
  EXPECT_TRUE(e.abgebrochen);
  EXPECT_FALSE(e.blatt);
  Werte().helferOrdner = vorher;
}
