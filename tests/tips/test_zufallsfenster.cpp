// The random tip window: selection panels, generating, distribution, saving, settings.
#include <gtest/gtest.h>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/navigation.h"
#include "core/einstellungen.h"
#include "entry/tabellenkalkulation.h"
#include "evaluation/auswertung.h"
#include "testumgebung.h"
#include "tips/zufall.h"
#include "ui/tabellenansicht.h"

namespace {
class Zufallsfenster : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    ZufallsSaatFestlegen(99);
    haupt = std::make_unique<TFAuswertung>();
    haupt->Erzeugen();
  }
  void TearDown() override {
    Schliessen();
    haupt.reset();
    ZufallsSaatFestlegen(std::nullopt);
    DatenOrdnerTest::TearDown();
  }
  TFZufall* Oeffnen() {
    Ausloesen(AktionsId::Zufall);
    fenster = qobject_cast<TFZufall*>(FensterFinden("FZufall"));
    return fenster;
  }
  void Schliessen() {
    if (fenster) fenster->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  void Klick(const QString& name) { QTest::mouseClick(fenster->findChild<QAbstractButton*>(name), Qt::LeftButton); }
  QLineEdit* Feld(const char* name) { return fenster->findChild<QLineEdit*>(name); }
  Einstellungen Ini() const { return Einstellungen(Pfad("Einstellungen.ini")); }

  std::unique_ptr<TFAuswertung> haupt;
  QPointer<TFZufall> fenster;
};
}  // namespace

TEST_F(Zufallsfenster, OhneEinstellungenLeerUndFragtNachDerAnzahl) {
  const KleineSchrift klein;  // the buttons' places hold at the small font they were made for
  Oeffnen();
  ASSERT_TRUE(fenster);
  EXPECT_EQ(Feld("EAnzahl")->text(), QString());
  EXPECT_EQ(fenster->Raster()->Daten()->Zeilen(), 21);
  EXPECT_EQ(fenster->Knopf(109)->geometry(), QRect(25 + 1, 20 + 1, 24, 20));
  Klick("BGlueck");
  Klick("BExcel");
  Feld("EAnzahl")->setText("0");
  Klick("BGlueck");
  Feld("EAnzahl")->setText("99999999999");
  Klick("BGlueck");
  const QString leer = "Bitte geben Sie die Anzahl der gewünschten Tippreihen an.\r\rIch breche erst einmal ab.";
  EXPECT_EQ(meldungen.Texte(), (QStringList{leer, "Die Tabelle ist leer. Es gibt nichts zu exportieren.\r\rIch breche erst einmal ab.",
                                            leer, "'99999999999' ist kein gültiger Integerwert"}));
  // Sorting before any run: all counts 0, the order stays, state and caption switch.
  Klick("BSort");
  EXPECT_TRUE(fenster->Sortiert());
  EXPECT_EQ(fenster->Nummer(1)->text(), QStringLiteral("1"));
  EXPECT_EQ(fenster->findChild<QPushButton*>("BSort")->text(), QStringLiteral("Von 1 bis 35 sortieren"));
  Klick("BSort");
  EXPECT_EQ(fenster->findChild<QPushButton*>("BSort")->text(), QStringLiteral("Aufsteigend sortieren"));
}

TEST_F(Zufallsfenster, GruppenVerbergenSichGegenseitig) {
  Oeffnen();
  Klick("BZuf105");
  EXPECT_FALSE(fenster->Knopf(205)->isVisibleTo(fenster));
  EXPECT_FALSE(fenster->Knopf(305)->isVisibleTo(fenster));
  Klick("BZuf105");
  EXPECT_TRUE(fenster->Knopf(205)->isVisibleTo(fenster));
  EXPECT_TRUE(fenster->Knopf(305)->isVisibleTo(fenster));
  // The clear button removes the group's numbers, showing them again elsewhere.
  Klick("BZuf312");
  Klick("BZuf301");
  fenster->GruppeLeeren(Gruppe::Favorit);
  EXPECT_EQ(fenster->Auswahl().Anzahl(Gruppe::Favorit), 0);
  EXPECT_TRUE(fenster->Knopf(112)->isVisibleTo(fenster));
}

TEST_F(Zufallsfenster, ErzeugenFarbenVerteilungUndSpeichern) {
  Oeffnen();
  Klick("BZuf107");  // banker 7
  Klick("BZuf321");  // favourite 21
  Feld("EAnzahl")->setText("12");
  Klick("BGlueck");
  const TabellenDaten* g = fenster->Raster()->Daten();
  ASSERT_EQ(g->Zeilen(), 13);
  EXPECT_EQ(fenster->findChild<QLabel*>("LReihen")->text(), QStringLiteral("12 Zufallsreihen"));
  EXPECT_EQ(fenster->Zaehler(7)->text(), QStringLiteral("12"));
  EXPECT_TRUE(fenster->Zaehler(7)->styleSheet().contains("147, 253, 114"));
  EXPECT_TRUE(fenster->Zaehler(21)->styleSheet().contains("40, 184, 255"));
  // Cells follow the current selection: a banker cell light green.
  int spalte7 = 0;
  for (int s = 1; s <= 5; ++s)
    if (g->Zelle(1, s) == "7") spalte7 = s;
  ASSERT_GT(spalte7, 0);
  EXPECT_EQ(fenster->Raster()->Stil(1, spalte7).hintergrund, QColor(179, 255, 179));
  Klick("BZuf107");
  EXPECT_EQ(fenster->Raster()->Stil(1, spalte7).hintergrund, QColor(Qt::white));

  // Sorted by count: 7 has the highest count and the last slot.
  Klick("BSort");
  EXPECT_EQ(fenster->Nummer(35)->text(), QStringLiteral("7"));
  EXPECT_EQ(fenster->Zaehler(7)->pos(), fenster->Ecke(35));

  // A refused run keeps the rows; the count fields take the colours of the current selection.
  for (int n : {1, 2, 3, 4, 5}) Klick(QStringLiteral("BZuf1%1").arg(n, 2, 10, QLatin1Char('0')));
  Feld("EAnzahl")->setText("2");
  Klick("BGlueck");
  EXPECT_TRUE(meldungen.Texte().last().startsWith("Ihre \"Manipulationen\""));
  EXPECT_EQ(g->Zeilen(), 13);
  EXPECT_TRUE(fenster->Zaehler(1)->styleSheet().contains("147, 253, 114"));
  EXPECT_FALSE(fenster->Zaehler(7)->styleSheet().contains("147, 253, 114"));

  // Shares 2 and 3: refused after the file was chosen, nothing written.
  Feld("EAntGes")->setText("2");
  Feld("EAntmeine")->setText("3");
  dialoge.speichern.push_back(Pfad("zufall"));
  Klick("BSave");
  EXPECT_EQ(dialoge.gefragt.back().titel, QStringLiteral("Als Tippschein speichern..."));
  EXPECT_EQ(meldungen.Texte().last(), QStringLiteral("Die Anzahl der gesamten Anteile darf nicht niedriger als die Ihrigen sein.\r\r"
                                                     "Der Speichervorgang wird abgebrochen."));
  EXPECT_FALSE(QFile::exists(Pfad("zufall.vnds")));
  Feld("EAntmeine")->clear();  // counts as 1
  dialoge.speichern.push_back(Pfad("zufall"));
  Klick("BSave");
  EXPECT_EQ(DateiInhalt("zufall.vnds").size(), 12 * 10);
  EXPECT_EQ(DateiInhalt("zufall.vnds").mid(6, 4), QByteArray("\x02\x00\x01\x00", 4));
  EXPECT_EQ(fenster->findChild<QLabel*>("LDatei")->text(), QStringLiteral("Gespeichert in: zufall.vnds"));
  dialoge.speichern.push_back(Pfad("zufall"));
  Klick("BCsv");
  EXPECT_EQ(DateiInhalt("zufall.csv").count("\r\n"), 12);
  Klick("BExcel");
  ASSERT_EQ(plattform.tabellen.size(), 1);
  Tabelle export_ = Tabelle::Reihentabelle();
  ASSERT_TRUE(ExcelImport(export_, plattform.tabellen.front()).ok());
  EXPECT_EQ(export_.Zeilen(), 13);
  EXPECT_EQ(export_.Zelle(1, 1), QChar(0x00A0) + g->Zelle(1, 1));
}

TEST_F(Zufallsfenster, EinstellungenHinUndZurueck) {
  Oeffnen();
  Feld("EAnzahl")->setText("30");
  Klick("BZuf122");
  Klick("BZuf103");
  Klick("BZuf217");
  Klick("BZuf333");
  Schliessen();
  ASSERT_TRUE(fenster.isNull());  // closing destroys the window
  EXPECT_EQ(Ini().Text("Zufall", "Bankzahlen"), QStringLiteral("3,22"));
  EXPECT_EQ(Ini().Text("Zufall", "Quotenkiller"), QStringLiteral("17"));
  EXPECT_EQ(Ini().Text("Zufall", "Favoriten"), QStringLiteral("33"));
  Oeffnen();
  EXPECT_EQ(Feld("EAnzahl")->text(), QStringLiteral("30"));
  EXPECT_EQ(fenster->Auswahl().Mitglieder(Gruppe::Bank), (std::vector<int>{3, 22}));
  EXPECT_FALSE(fenster->Knopf(222)->isVisibleTo(fenster));
  EXPECT_FALSE(fenster->Sortiert());
  Schliessen();
  Ini().SchreibeText("Zufall", "Anzahl", "");
  Oeffnen();
  EXPECT_EQ(Feld("EAnzahl")->text(), QStringLiteral("12"));
}

TEST_F(Zufallsfenster, AbbrechenBehaeltDieLetztenReihen) {
  Oeffnen();
  Feld("EAnzahl")->setText("12");
  Klick("BGlueck");
  const QString erste = fenster->Raster()->Daten()->Zelle(1, 1);
  Feld("EAnzahl")->setText("324632");
  bool lief = false;
  QTimer::singleShot(5, fenster, [&] {
    lief = fenster->LaeuftGerade();
    if (auto* fortschritt = fenster->findChild<QProgressDialog*>("Fortschritt")) emit fortschritt->canceled();
  });
  Klick("BGlueck");
  ASSERT_TRUE(lief);
  EXPECT_EQ(fenster->Raster()->Daten()->Zeilen(), 13);
  EXPECT_EQ(fenster->Raster()->Daten()->Zelle(1, 1), erste);
  EXPECT_EQ(fenster->findChild<QLabel*>("LReihen")->text(), QStringLiteral("12 Zufallsreihen"));
  EXPECT_TRUE(fenster->findChild<QPushButton*>("BGlueck")->isEnabled());
}

TEST_F(Zufallsfenster, SchliessenWaehrendDesLaufs) {
  Oeffnen();
  Feld("EAnzahl")->setText("324632");  // every possible row: long enough to close the window meanwhile
  QPointer<TFZufall> f = fenster;
  bool gesperrt = false;
  QTimer::singleShot(5, f, [&] {
    gesperrt = f->LaeuftGerade() && !f->findChild<QPushButton*>("BGlueck")->isEnabled() && !f->Knopf(101)->isEnabled();
    f->close();
  });
  Klick("BGlueck");
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QTest::qWait(20);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(gesperrt);
  EXPECT_TRUE(f.isNull());  // the run ended and the window closed, without a half result
  EXPECT_EQ(Ini().Text("Zufall", "Anzahl"), QStringLiteral("324632"));
}
