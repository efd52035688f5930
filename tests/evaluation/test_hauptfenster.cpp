// The tickets side of the main window: opening files, remembered files, tabs, links.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "core/einstellungen.h"
#include "core/schein.h"
#include "core/ziehungen.h"
#include "evaluation/auswertung.h"
#include "evaluation/frScheineN.h"
#include "platform/plattform.h"
#include "statistics/zahlenstatistik.h"
#include "testumgebung.h"
#include "ui/tabellenansicht.h"

namespace {
class Hauptfenster : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    ZiehungenSchreiben({{"01.03.2024", {1, 2, 3, 4, 5}}, {"08.03.2024", {2, 9, 17, 25, 31}}});
  }
  void TearDown() override {
    fenster.reset();
    DatenOrdnerTest::TearDown();
  }
  void Starten(const QStringList& befehlszeile = {}) {
    fenster = std::make_unique<TFAuswertung>();
    fenster->Erzeugen();
    fenster->Anzeigen(befehlszeile);
  }
  QString Schein(const QString& name) {
    EXPECT_TRUE(ScheinSchreiben(Reihen({{2, 9, 17, 25, 30}}), "1", "1", Pfad(name)).ok());
    return Pfad(name);
  }
  void Oeffnen(const QStringList& dateien) {
    dialoge.oeffnen.push_back(dateien);
    QTest::mouseClick(fenster->findChild<QAbstractButton*>("BOpen"), Qt::LeftButton);
  }
  QStringList TabTexte() const {
    QStringList t;
    for (int i = 0; i < fenster->Tabs()->count(); ++i) t << fenster->Tabs()->tabText(i);
    return t;
  }
  Einstellungen Ini() const { return Einstellungen(Pfad("Einstellungen.ini")); }
  std::unique_ptr<TFAuswertung> fenster;
};
}  // namespace

TEST_F(Hauptfenster, GemerkteDateienUndTabs) {
  Starten();
  EXPECT_EQ(fenster->Tabs()->count(), 0);
  ASSERT_TRUE(fenster->CbMerken()->isChecked());
  const QStringList drei{Schein("a.vnds"), Schein("b.vnds"), Schein("Schein März.vnds")};
  Oeffnen(drei);
  EXPECT_EQ(dialoge.gefragt.back().titel, QStringLiteral("Tippschein-Datei einlesen"));
  EXPECT_EQ(dialoge.gefragt.back().filter, QStringLiteral("Tippschein-Datei|*.vnds"));
  EXPECT_EQ(dialoge.gefragt.back().startOrdner, tmp.path() + "/");
  EXPECT_EQ(TabTexte(), (QStringList{"a", "b", "Schein März"}));
  EXPECT_EQ(fenster->Tabs()->currentIndex(), 2);
  EXPECT_EQ(fenster->Tabs()->widget(2)->objectName(), QStringLiteral("Tab3"));
  EXPECT_TRUE(fenster->Tabs()->widget(2)->findChild<TFFrScheineN*>("fr3"));
  EXPECT_EQ(GemerkteDateien(Ini()), drei);

  // A fourth file replaces the list; with the box unticked the list stays.
  Oeffnen({Schein("d.vnds")});
  EXPECT_EQ(GemerkteDateien(Ini()), QStringList{Pfad("d.vnds")});
  fenster->CbMerken()->setChecked(false);
  Oeffnen({Schein("e.vnds")});
  EXPECT_EQ(GemerkteDateien(Ini()), QStringList{Pfad("d.vnds")});
  EXPECT_EQ(fenster->Tabs()->count(), 5);

  // Closing the main window writes "Merken"; the list stays and opens at the next start all the same.
  fenster->close();
  EXPECT_FALSE(Ini().Wahr("Spielscheine", "Merken", true));
  Starten();
  EXPECT_FALSE(fenster->CbMerken()->isChecked());
  EXPECT_EQ(TabTexte(), QStringList{"d"});
  EXPECT_TRUE(meldungen.meldungen.empty());
}

TEST_F(Hauptfenster, FehlendeDateiUndBeispielschein) {
  ASSERT_TRUE(ScheinSchreiben(Reihen({{1, 2, 3, 4, 5}}), "1", "1", Pfad("Demo-Tippschein.vnds")).ok());
  // No settings file: the sample ticket is opened.
  Starten();
  EXPECT_EQ(TabTexte(), QStringList{"Demo-Tippschein"});

  // A listed file that is missing: the message, the next file, and no sample ticket.
  DateienMerken(Ini(), {Pfad("weg.vnds"), Schein("da.vnds")});
  Starten();
  EXPECT_EQ(meldungen.Texte(),
            QStringList{QStringLiteral("Die mit dem Programmstart zu ladende Datei weg.vnds\r\r wurde nicht gefunden.")});
  EXPECT_EQ(TabTexte(), QStringList{"da"});
}

TEST_F(Hauptfenster, ScheineDerBefehlszeileOhneGemerkteListeZuAendern) {
  // A double-click on a ticket file: it opens in a tab after the remembered ones and is shown; the
  // remembered list stays, the sample ticket is not opened, a missing file is reported.
  ASSERT_TRUE(ScheinSchreiben(Reihen({{1, 2, 3, 4, 5}}), "1", "1", Pfad("Demo-Tippschein.vnds")).ok());
  Starten({Schein("doppelklick.vnds")});
  EXPECT_EQ(TabTexte(), QStringList{"doppelklick"});
  EXPECT_FALSE(Ini().Existiert());

  DateienMerken(Ini(), {Schein("gemerkt.vnds")});
  Starten({Schein("eins.vnds"), Pfad("fehlt.vnds"), Schein("zwei.vnds")});
  EXPECT_EQ(TabTexte(), (QStringList{"gemerkt", "eins", "zwei"}));
  EXPECT_EQ(fenster->Tabs()->currentIndex(), 2);
  EXPECT_EQ(meldungen.Texte(),
            QStringList{QStringLiteral("Die mit dem Programmstart zu ladende Datei fehlt.vnds\r\r wurde nicht gefunden.")});
  EXPECT_EQ(GemerkteDateien(Ini()), QStringList{Pfad("gemerkt.vnds")});
}

TEST_F(Hauptfenster, TabsSchliessenUndGespeicherteZiehungErreichtDasPanel) {
  Starten();
  Oeffnen({Schein("a.vnds"), Schein("b.vnds")});
  fenster->Tabs()->setCurrentIndex(0);
  QTest::mouseClick(fenster->findChild<QToolButton*>("BTabZu"), Qt::LeftButton);
  ASSERT_EQ(TabTexte(), QStringList{"b"});

  QTest::mouseClick(fenster->findChild<QAbstractButton*>("BHinzu"), Qt::LeftButton);
  for (int n : {3, 7, 11, 20, 33}) fenster->Ziehungsseite()->BLotAuswerten(n);
  QTest::mouseClick(fenster->findChild<QAbstractButton*>("BSave"), Qt::LeftButton);
  TFFrScheineN* panel = fenster->Panels().value(0);
  ASSERT_TRUE(panel);
  EXPECT_EQ(panel->Combo1()->count(), 3);
  EXPECT_EQ(panel->Combo1()->currentText(), QStringLiteral("09.03.2024"));
  EXPECT_EQ(panel->Combo2()->count(), 2);  // the start selector keeps its list

  QTest::mouseClick(fenster->findChild<QToolButton*>("BTabsZu"), Qt::LeftButton);
  EXPECT_EQ(fenster->Tabs()->count(), 0);
  QTest::mouseClick(fenster->findChild<QToolButton*>("BTabsZu"), Qt::LeftButton);  // nothing to close
  // Tab numbers keep counting.
  Oeffnen({Schein("c.vnds")});
  EXPECT_EQ(fenster->Tabs()->widget(0)->objectName(), QStringLiteral("Tab3"));
}

TEST_F(Hauptfenster, EinPanelImAufnahmemodusWertetNichtAus) {
  Starten();
  QTest::mouseClick(fenster->findChild<QAbstractButton*>("BHinzu"), Qt::LeftButton);
  Oeffnen({Schein("a.vnds")});
  TFFrScheineN* panel = fenster->Panels().value(0);
  ASSERT_TRUE(panel);
  EXPECT_EQ(panel->Combo1()->currentText(), QStringLiteral("09.03.2024"));  // the date being entered
  QTest::mouseClick(panel->findChild<QAbstractButton*>("BStart"), Qt::LeftButton);
  EXPECT_EQ(meldungen.Texte(), QStringList{QStringLiteral("Für die gewählte Ziehung liegen noch keine Gewinnzahlen vor.\r\r"
                                                          "Ich breche erst einmal ab.")});
}

TEST_F(Hauptfenster, MaklerUndHerstellerseite) {
  Starten();
  plattform.online = false;
  QTest::mouseClick(fenster->findChild<QToolButton*>("BMakler"), Qt::LeftButton);
  QTest::mouseClick(fenster->findChild<QToolButton*>("ImgLogo"), Qt::LeftButton);
  EXPECT_EQ(meldungen.Texte(), (QStringList{"Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen.",
                                            "Für den Aufruf der Seite muss eine Verbindung zum Internet bestehen."}));
  EXPECT_TRUE(plattform.geoeffnet.isEmpty());
  EXPECT_FALSE(fenster->ZiehungNeu());

  plattform.online = true;
  QTest::mouseClick(fenster->findChild<QToolButton*>("ImgMakler"), Qt::LeftButton);
  ASSERT_EQ(plattform.geoeffnet.size(), 1);
  EXPECT_TRUE(plattform.geoeffnet[0].endsWith("/vandora/zahlen-quoten/"));
  EXPECT_TRUE(fenster->ZiehungNeu());  // a new draw is started for the numbers from the page
  QTest::mouseClick(fenster->findChild<QToolButton*>("BMakler"), Qt::LeftButton);
  EXPECT_TRUE(fenster->ZiehungNeu());  // not cancelled by a second visit
  QTest::mouseClick(fenster->findChild<QToolButton*>("ImgLogo"), Qt::LeftButton);
  EXPECT_EQ(plattform.geoeffnet.last(), Adressen::Hersteller);
}

TEST_F(Hauptfenster, DieZiehungslisteMeldetJedeAenderungAllenFenstern) {
  // A saved draw and a reloaded history (as after a download) reach the draws grid, the draw
  // selectors of both result panels and the statistics base through the store alone.
  Starten();
  Oeffnen({Schein("a.vnds"), Schein("b.vnds")});
  const auto panels = fenster->Panels();
  ASSERT_EQ(panels.size(), 2);
  auto* g1 = fenster->findChild<TabellenAnsicht*>("G1");
  auto pruefen = [&](int anzahl, const QString& neueste, const char* wann) {
    EXPECT_EQ(g1->Daten()->Zeilen(), anzahl + 1) << wann;
    EXPECT_EQ(g1->Daten()->Zelle(1, 0), neueste) << wann;
    for (TFFrScheineN* p : panels) {
      EXPECT_EQ(p->Combo1()->count(), anzahl) << wann;
      EXPECT_EQ(p->Combo1()->currentText(), neueste) << wann;
    }
    EXPECT_EQ(static_cast<int>(GZMengen().size()), anzahl) << wann;
  };
  pruefen(2, "08.03.2024", "vorher");

  QTest::mouseClick(fenster->findChild<QAbstractButton*>("BHinzu"), Qt::LeftButton);
  for (int n : {3, 7, 11, 20, 33}) fenster->Ziehungsseite()->BLotAuswerten(n);
  QTest::mouseClick(fenster->findChild<QAbstractButton*>("BSave"), Qt::LeftButton);
  pruefen(3, "09.03.2024", "gespeichert");
  EXPECT_TRUE(GZMengen().back() == TZahlenMenge::Aus({3, 7, 11, 20, 33}));
  EXPECT_EQ(Haeufigkeit()[33], 1);

  ZiehungenSchreiben({{"01.03.2024", {1, 2, 3, 4, 5}},
                      {"08.03.2024", {2, 9, 17, 25, 31}},
                      {"15.03.2024", {6, 7, 8, 9, 10}},
                      {"22.03.2024", {11, 12, 13, 14, 15}}});
  ASSERT_TRUE(Ziehungen().NeuLaden().ok());
  pruefen(4, "22.03.2024", "neu geladen");
  EXPECT_EQ(fenster->Combo1()->count(), 4);
  EXPECT_EQ(Haeufigkeit()[15], 1);
}

TEST_F(Hauptfenster, ZellenKopierenMitStrgC) {
  // Selected cells go to the clipboard as tab-separated text, rows as lines.
  Starten();
  auto* g1 = fenster->findChild<TabellenAnsicht*>("G1");
  g1->setFocus();
  g1->selectionModel()->select(QItemSelection(g1->model()->index(0, 0), g1->model()->index(1, 2)), QItemSelectionModel::Select);
  QTest::keyClick(g1, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("08.03.2024\t2\t9\n01.03.2024\t1\t2"));
  // Cells of a range that are not selected stay empty.
  g1->clearSelection();
  g1->selectionModel()->select(g1->model()->index(0, 1), QItemSelectionModel::Select);
  g1->selectionModel()->select(g1->model()->index(1, 3), QItemSelectionModel::Select);
  EXPECT_EQ(g1->AuswahlAlsText(), QStringLiteral("2\t\t\n\t\t3"));
}
