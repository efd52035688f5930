// Importing and exporting the draw history through the preview dialog: spreadsheets made by
// LibreOffice, pasted text with an order the rows do not decide, the merge written with GZ.bak,
// and the export read back.
#include <gtest/gtest.h>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "core/datum.h"
#include "core/ziehungen.h"
#include "entry/ziehungsimportdialog.h"
#include "testumgebung.h"

namespace {
class ZiehungsImportFenster : public DatenOrdnerTest {
 protected:
  static QString Daten(const char* name) { return QStringLiteral(TESTDATEN "/") + QString::fromLatin1(name); }
  void Historie(const std::vector<std::pair<QString, std::vector<int>>>& z) {
    ZiehungenSchreiben(z);
    Ziehungen().NeuLaden(Pfad("GZ.535"));
  }
  static QStringList Liste() {
    QStringList t;
    for (const TGewZahlen& z : Ziehungen().Liste()) {
      QString s = DatumAlsText(z.datum);
      for (auto n : z.GZ) s += ' ' + QString::number(n);
      t << s;
    }
    return t;
  }
};
}  // namespace

TEST_F(ZiehungsImportFenster, TabellenVonLibreOfficeMitKopfUndWeiterenSpalten) {
  for (const char* datei : {"ziehungen.xlsx", "ziehungen.ods"}) {
    SCOPED_TRACE(datei);
    Historie({{"01.10.2018", {6, 7, 8, 9, 10}}});
    const auto quelle = ImportQuelleLesen(Daten(datei), nullptr);
    ASSERT_TRUE(quelle);
    TFZiehungsImport d(datei, quelle->text, quelle->zeilen);
    EXPECT_EQ(d.Format().kopfzeilen, 1);
    EXPECT_EQ(d.Format().folge, DatumsFolge::TagMonatJahr);
    EXPECT_EQ(d.Format().zahlSpalten, (std::array<int, 5>{1, 2, 3, 4, 5}));
    EXPECT_EQ(d.Ergebnis().neu, 2);
    EXPECT_EQ(d.Ergebnis().gleich, 1);
    EXPECT_TRUE(d.Pruefung().probleme.empty());
    if (qEnvironmentVariableIsSet("KELVARO_BILDER")) {
      d.show();
      d.grab().save(qEnvironmentVariable("KELVARO_BILDER") + "/FZiehungsImport-" + datei + ".png");
    }
    d.Importieren()->click();
    EXPECT_EQ(Liste(), QStringList({"24.09.2018 3 11 17 24 35", "01.10.2018 6 7 8 9 10", "08.10.2018 1 12 23 34 35"}));
    EXPECT_EQ(DateiInhalt("GZ.bak").size(), 16);  // the history before the import
    ASSERT_FALSE(meldungen.meldungen.empty());
    EXPECT_EQ(meldungen.meldungen.back().second,
              "Die Ziehungen sind importiert: 2 hinzugefügt, 1 übersprungen, 0 geändert.\r\rDie bisherige Datei ist als GZ.bak gesichert.");
    meldungen.meldungen.clear();
  }
}

TEST_F(ZiehungsImportFenster, EingefuegterTextFragtNachDerReihenfolge) {
  Historie({{"04.03.2019", {1, 2, 3, 4, 5}}});
  const BilderSchrift schrift;
  TFZiehungsImport d("der Zwischenablage", "03/04/2019\t1\t2\t3\t4\t6\n05/06/2019\t6\t7\t8\t9\t10\n07/08/2019\t1\t1\t2\t3\t4\n", {});
  // The rows do not tell day from month: nothing is imported until the player says.
  EXPECT_FALSE(d.Format().folge);
  EXPECT_FALSE(d.Importieren()->isEnabled());
  EXPECT_TRUE(d.findChild<QLabel*>("LZusammenfassung")->text().contains("bitte wählen Sie sie aus"));
  d.Folge()->setCurrentIndex(2);  // month, day, year
  EXPECT_TRUE(d.Importieren()->isEnabled());
  auto* probleme = d.findChild<QListWidget*>("LProbleme");
  ASSERT_EQ(probleme->count(), 2);
  EXPECT_EQ(probleme->item(0)->text(), "Zeile 3: Die Zahl 1 steht zweimal darin.");
  EXPECT_EQ(probleme->item(1)->text(), "Zeile 1: Am 04.03.2019 stehen in der Historie 1 2 3 4 5, in der Datei 1 2 3 4 6.");
  if (qEnvironmentVariableIsSet("KELVARO_BILDER")) {
    d.show();
    d.grab().save(qEnvironmentVariable("KELVARO_BILDER") + "/FZiehungsImport-Text.png");
  }
  // The conflict either way.
  EXPECT_EQ(d.Ergebnis().geaendert, 0);
  d.DateiGewinnt()->setChecked(true);
  EXPECT_EQ(d.Ergebnis().geaendert, 1);
  d.Importieren()->click();
  EXPECT_EQ(Liste(), QStringList({"04.03.2019 1 2 3 4 6", "06.05.2019 6 7 8 9 10"}));
}

TEST_F(ZiehungsImportFenster, ExportUndWiederImportGebenDieselbeHistorie) {
  Historie({{"01.03.2024", {1, 2, 3, 4, 5}}, {"08.03.2024", {35, 7, 8, 9, 10}}, {"15.03.2024", {11, 12, 13, 14, 15}}});
  const QStringList vorher = Liste();
  for (const char* name : {"Ziehungen.csv", "Ziehungen.xlsx"}) {
    SCOPED_TRACE(name);
    dialoge.speichern.push_back(Pfad(name));
    ZiehungenExportierenKlick(nullptr);
    const auto quelle = ImportQuelleLesen(Pfad(name), nullptr);
    ASSERT_TRUE(quelle);
    Historie({});
    TFZiehungsImport d(name, quelle->text, quelle->zeilen);
    EXPECT_TRUE(d.Pruefung().probleme.empty());
    d.Importieren()->click();
    EXPECT_EQ(Liste(), vorher);
  }
  EXPECT_EQ(DateiInhalt("Ziehungen.csv"), QByteArray("01.03.2024;1;2;3;4;5\r\n08.03.2024;35;7;8;9;10\r\n15.03.2024;11;12;13;14;15\r\n"));
}
