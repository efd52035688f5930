// The ticket editor: keypad, transfer into the table, saving, reading files, settings.
#include <gtest/gtest.h>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "app/navigation.h"
#include "core/einstellungen.h"
#include "core/schein.h"
#include "entry/eingabe.h"
#include "evaluation/auswertung.h"
#include "testumgebung.h"

namespace {
class Eingabefenster : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    f = std::make_unique<TFEingabe>();
  }
  void TearDown() override {
    f.reset();
    DatenOrdnerTest::TearDown();
  }
  void Klick(const char* name) { QTest::mouseClick(f->findChild<QAbstractButton*>(name), Qt::LeftButton); }
  void Uebertragen(const QString& text) {
    f->M1()->setPlainText(text);
    Klick("BUebertragen");
  }
  QStringList Zeile(const Tabelle& t, int z) {
    QStringList r;
    for (int s = 0; s < 6; ++s) r << t.Zelle(z, s);
    return r;
  }
  QLineEdit* Feld(const char* name) { return f->findChild<QLineEdit*>(name); }
  Einstellungen Ini() const { return Einstellungen(Pfad("Einstellungen.ini")); }

  std::unique_ptr<TFEingabe> f;
};
}  // namespace

TEST_F(Eingabefenster, TastenfeldUndZeilenzaehler) {
  for (int n : {1, 2, 3, 4, 5, 6}) f->BLot50EUrClick(n);
  EXPECT_EQ(f->M1()->toPlainText(), QStringLiteral("1,2,3,4,5\n6,"));
  EXPECT_EQ(f->Zeilenzahl(), QStringLiteral("2"));
  // A hand-typed line of five counts as complete: the next number ends it.
  f->M1()->setPlainText("7,8,9,10,11");
  f->BLot50EUrClick(12);
  EXPECT_EQ(f->M1()->toPlainText(), QStringLiteral("7,8,9,10,1112\n"));
  EXPECT_EQ(f->Zeilenzahl(), QStringLiteral("1"));
  Klick("BTextLoeschen");
  EXPECT_EQ(f->M1()->toPlainText(), QString());
  EXPECT_EQ(f->Zeilenzahl(), QStringLiteral("0"));
}

TEST_F(Eingabefenster, UebertragenAnhaengenUndUeberschreiben) {
  ASSERT_TRUE(f->findChild<QRadioButton*>("RG1a")->isChecked());
  EXPECT_EQ(f->G1().Zeilen(), 50);
  Uebertragen("34,2,17,9,21\n1,2,3,4,5\n6,7,8,9,10");
  EXPECT_EQ(f->G1().Zeilen(), 4);
  EXPECT_EQ(Zeile(f->G1(), 1), (QStringList{"1", "2", "9", "17", "21", "34"}));  // ascending
  f->findChild<QRadioButton*>("RG1b")->setChecked(true);
  Uebertragen("Feld 1:\t11,12,13,14,15\nFeld 2:\t16,17,18,19,20");
  EXPECT_EQ(f->M1()->toPlainText(), QStringLiteral("11,12,13,14,15\n16,17,18,19,20"));  // the cleaned text stays
  EXPECT_EQ(f->G1().Zeilen(), 6);
  EXPECT_EQ(Zeile(f->G1(), 4), (QStringList{"4", "11", "12", "13", "14", "15"}));
  EXPECT_EQ(Zeile(f->G1(), 5)[0], QStringLiteral("5"));

  // A failing transfer leaves the table as it was.
  Uebertragen("1,2,3,4,36");
  EXPECT_EQ(f->G1().Zeilen(), 6);
  EXPECT_TRUE(meldungen.Texte().last().startsWith("In Zeile 1 ist die 5. Zahl, die 36"));

  // Overwrite: from row 1 on, nothing below the new rows.
  f->findChild<QRadioButton*>("RG1a")->setChecked(true);
  Uebertragen("5,4,3,2,1");
  EXPECT_EQ(f->G1().Zeilen(), 2);
  // Only blanks and line breaks: past the empty test, no rows, only the header stays.
  Uebertragen("  \n \n");
  EXPECT_EQ(f->G1().Zeilen(), 1);
  Uebertragen("");
  EXPECT_EQ(meldungen.Texte().last(), QStringLiteral("Das Textfeld ist leer. Es gibt nichts zu übertragen.\r\rIch breche erst einmal ab."));
}

TEST_F(Eingabefenster, BlankFrageMitDenDreiAntworten) {
  meldungen.antworten = {Antwort::Ja, Antwort::Nein, Antwort::Abbrechen};
  Uebertragen("1 2 3 4 5");
  EXPECT_EQ(f->G1().Zeilen(), 2);
  EXPECT_EQ(meldungen.meldungen.back().first, MeldungsArt::FrageMitAbbrechen);
  Uebertragen("6 7 8 9 10");
  EXPECT_EQ(f->M1()->toPlainText(), QStringLiteral("678910"));
  Uebertragen("6 7 8 9 10");
  EXPECT_EQ(f->M1()->toPlainText(), QStringLiteral("6 7 8 9 10"));
  EXPECT_EQ(f->G1().Zeilen(), 2);
}

TEST_F(Eingabefenster, SpeichernLeereTabelleUndAnteile) {
  Uebertragen("1,2,3,4,5\n6,7,8,9,10");
  Klick("BReihenLoeschen");
  EXPECT_EQ(Zeile(f->G1(), 1), (QStringList{"1", "", "", "", "", ""}));  // row numbers stay
  Klick("BSave");
  Klick("BCsvSave");
  Klick("BExcelExport");
  EXPECT_EQ(meldungen.Texte(), (QStringList{"Die Tabelle ist leer. Es gibt nichts zu speichern.\r\rIch breche erst einmal ab.",
                                            "Die Tabelle ist leer. Es gibt nichts zu speichern.\r\rIch breche erst einmal ab.",
                                            "Die Tabelle ist leer. Es gibt nichts zu exportieren.\r\rIch breche erst einmal ab."}));
  EXPECT_TRUE(dialoge.gefragt.empty());

  // A ticket file read on the file tab sets the shares; saving writes them into every record.
  ASSERT_TRUE(ScheinSchreiben(Reihen({{1, 2, 3, 4, 5}}), "4", "3", Pfad("alt.vnds")).ok());
  dialoge.oeffnen.push_back({Pfad("alt.vnds")});
  Klick("BScheinOeffnen");
  EXPECT_EQ(Feld("EAntGes")->text(), QStringLiteral("4"));
  EXPECT_EQ(Feld("EAntmeine")->text(), QStringLiteral("3"));
  EXPECT_EQ(f->findChild<QLabel*>("LDatei2")->text(), QStringLiteral("alt.vnds"));
  Uebertragen("1,2,3,4,5\n6,7,8,9,10");
  dialoge.speichern.push_back(Pfad("neu"));
  Klick("BSave");
  EXPECT_EQ(dialoge.gefragt.back().titel, QStringLiteral("Als Spielschein speichern..."));
  const QByteArray daten = DateiInhalt("neu.vnds");
  ASSERT_EQ(daten.size(), 20);
  EXPECT_EQ(daten.mid(16, 4), QByteArray("\x04\x00\x03\x00", 4));
  EXPECT_EQ(f->findChild<QLabel*>("LDatei")->text(), QStringLiteral("Gespeichert in: neu.vnds"));
  Feld("EAntGes")->setText("2");
  dialoge.speichern.push_back(Pfad("neu2"));
  Klick("BSave");
  EXPECT_EQ(meldungen.Texte().last(), QStringLiteral("Die Anzahl der gesamten Anteile darf nicht niedriger als die Ihrigen sein.\r\r"
                                                     "Der Speichervorgang wird abgebrochen."));
  EXPECT_FALSE(QFile::exists(Pfad("neu2.vnds")));
}

TEST_F(Eingabefenster, CsvUndTabelleInsTextfeld) {
  QFile csv(Pfad("sechs.csv"));
  ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
  csv.write("1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n");
  csv.close();
  Klick("BInsTextfeld");
  EXPECT_EQ(meldungen.Texte().last(), QStringLiteral("Die Tabelle ist leer. Es gibt nichts zu übertragen.\r\rIch breche erst einmal ab."));
  dialoge.oeffnen.push_back({Pfad("sechs.csv")});
  Klick("BCsvOeffnen");
  EXPECT_EQ(dialoge.gefragt.back().titel, QStringLiteral("CSV-Datei einlesen"));
  EXPECT_EQ(f->G2().Spalten(), 6);  // the sixth part is not shown
  f->M1()->setPlainText("30,31,32,33,34");
  Klick("BInsTextfeld");
  EXPECT_EQ(f->M1()->toPlainText(), QStringLiteral("30,31,32,33,34\n1,2,3,4,5\n7,8,9,10,11"));
}

TEST_F(Eingabefenster, ExcelExportUndImport) {
  Uebertragen("1,2,3,4,5");
  plattform.tabellenProgramm = false;
  Klick("BExcelExport");
  EXPECT_EQ(meldungen.Texte().last(), QStringLiteral("Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.\r\r"
                                                     "Ich breche ab."));
  EXPECT_EQ(meldungen.meldungen.back().first, MeldungsArt::Information);
  plattform.tabellenProgramm = true;
  Klick("BExcelExport");
  ASSERT_EQ(plattform.tabellen.size(), 1);
  const QString export_ = plattform.tabellen.front();
  EXPECT_TRUE(QFile::exists(export_));

  // The written workbook through the file tab's import.
  dialoge.oeffnen.push_back({export_});
  Klick("BExcelImport");
  EXPECT_EQ(dialoge.gefragt.back().titel, QStringLiteral("Excel-Tabelle einlesen"));
  EXPECT_TRUE(dialoge.gefragt.back().filter.startsWith(QStringLiteral("Excel-Datei|*.xl*")));
  EXPECT_EQ(Zeile(f->G2(), 1), (QStringList{"1", "\u00A01", "\u00A02", "\u00A03", "\u00A04", "\u00A05"}));
}

TEST_F(Eingabefenster, EinstellungenBeimZeigenUndSchliessen) {
  // A settings file without the "Eingabe" keys: append mode, since "overwrite2" defaults to true.
  Ini().SchreibeText("Andere", "x", "1");
  f->show();
  EXPECT_TRUE(f->findChild<QRadioButton*>("RG1b")->isChecked());
  f->findChild<QSpinBox*>("UDSchrift")->setValue(7);
  EXPECT_EQ(f->M1()->font().pointSize(), 7);
  f->close();
  EXPECT_FALSE(f->isVisible());  // closing only hides
  EXPECT_EQ(Ini().Text("Eingabe", "overwrite1"), QStringLiteral("0"));
  EXPECT_EQ(Ini().Text("Eingabe", "overwrite2"), QStringLiteral("1"));
  EXPECT_EQ(Ini().Text("Eingabe", "Fontsize"), QStringLiteral("7"));
  Ini().SchreibeText("Eingabe", "overwrite1", "1");
  Ini().SchreibeText("Eingabe", "overwrite2", "0");
  f->show();
  EXPECT_TRUE(f->findChild<QRadioButton*>("RG1a")->isChecked());
}

TEST_F(Eingabefenster, GefaehrlicheTabellenNehmenDemEditorNichts) {
  // Two files that once took the whole program down from "Excel- Import": the import reports them,
  // the editor keeps its text, its rows and its file table.
  Uebertragen("1,2,3,4,5\n6,7,8,9,10");
  f->M1()->setPlainText(QStringLiteral("11,12,13,14,15"));
  const Tabelle vorher = f->G1();
  for (const char* name : {"ods-orcus-assert-styles.ods", "xlsx-orcus-assert-intrusive_ptr.xlsx"}) {
    const QString pfad = QStringLiteral(KORPUS "/tabelle/") + QString::fromLatin1(name);
    meldungen.meldungen.clear();
    dialoge.oeffnen.push_back({pfad});
    Klick("BExcelImport");
    ASSERT_EQ(meldungen.meldungen.size(), 1u) << name;
    EXPECT_EQ(meldungen.meldungen[0].first, MeldungsArt::Fehler);
    EXPECT_TRUE(meldungen.meldungen[0].second.startsWith(QStringLiteral("Die Tabelle %1 kann nicht eingelesen werden.\r\r").arg(pfad)))
        << meldungen.meldungen[0].second.toStdString();
    EXPECT_EQ(f->M1()->toPlainText(), QStringLiteral("11,12,13,14,15"));
    EXPECT_EQ(Zeile(f->G1(), 2), Zeile(vorher, 2));
    EXPECT_EQ(f->G2().Zeilen(), 50);  // the file table as it was
  }
}
