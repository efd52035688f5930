// The statistics window: opening by name, the number panel and its sorting, the period, the
// combination runs and the search.
#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "app/navigation.h"
#include "core/ziehungen.h"
#include "evaluation/auswertung.h"
#include "statistics/diagramme.h"
#include "statistics/frStatistik.h"
#include "statistics/statistik.h"
#include "testumgebung.h"
#include "ui/tabellenansicht.h"

namespace {
class Statistikfenster : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    ZiehungenSchreiben({{"01.03.2024", {1, 2, 3, 4, 5}},
                        {"02.03.2024", {1, 2, 3, 17, 9}},
                        {"03.03.2024", {3, 17, 22, 30, 1}},
                        {"04.03.2024", {6, 7, 8, 9, 10}}});
  }
  void TearDown() override {
    Schliessen();
    haupt.reset();
    DatenOrdnerTest::TearDown();
  }
  TFfrStatistik* Oeffnen() {
    if (!haupt) {
      haupt = std::make_unique<TFAuswertung>();
      haupt->Erzeugen();
    }
    Ausloesen(AktionsId::Statistik);
    fenster = qobject_cast<TFStatistik*>(FensterFinden("FStatistik"));
    return fenster ? fenster->Frame() : nullptr;
  }
  void Schliessen() {
    if (fenster) fenster->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  static QString Zaehler(TFfrStatistik* f, int n) { return f->ZaehlLabel(n)->text(); }
  std::unique_ptr<TFAuswertung> haupt;
  QPointer<TFStatistik> fenster;
};
}  // namespace

TEST_F(Statistikfenster, OeffnenZaehlenUndAbwesenheit) {
  const KleineSchrift klein;  // the tiles' places hold at the small font they were made for
  TFfrStatistik* f = Oeffnen();
  ASSERT_TRUE(f);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);  // the hourglass is gone after showing
  EXPECT_TRUE(fenster->isVisible());
  EXPECT_EQ(f->AnzahlZiehungen()->text(), QStringLiteral("4"));
  EXPECT_EQ(Zaehler(f, 3), QStringLiteral("3"));
  EXPECT_EQ(Zaehler(f, 35), QStringLiteral("0"));
  EXPECT_EQ(f->Von()->currentText(), QStringLiteral("01.03.2024"));
  EXPECT_EQ(f->Bis()->currentText(), QStringLiteral("04.03.2024"));
  EXPECT_EQ(f->Kachel(1)->geometry(), QRect(4, 5, 18, 17));
  EXPECT_EQ(f->ZaehlLabel(9)->geometry(), QRect(46 * 1 + 22, 17 * 1 + 6, 27, 17));
  // Absences: never drawn first (4 draws), ascending; then down to 0 (draw "bis").
  const TabellenDaten* abw = fenster->findChild<TabellenAnsicht*>("GAusgeblieben")->Daten();
  EXPECT_EQ(abw->Zelle(0, 1), QStringLiteral(" 11"));
  EXPECT_EQ(abw->Zelle(1, 1), QStringLiteral("4"));
  EXPECT_EQ(abw->Zelle(1, 35), QStringLiteral("0"));
  // Pairs are counted when the window opens; {1,2} and {1,3} twice... {3,17} twice too.
  const TabellenDaten* paare = f->Liste(2, true)->Daten();
  EXPECT_EQ(paare->Zelle(1, 1), QStringLiteral("1,3"));
  EXPECT_EQ(paare->Zelle(1, 2), QStringLiteral("3"));
  EXPECT_EQ(paare->Zelle(1, 0), QStringLiteral("1"));
  EXPECT_EQ(f->Liste(4, true)->Daten()->Zeilen(), 50);  // 49 empty rows until the first run

  // A second opening finds the same window, restored.
  fenster->showMinimized();
  Ausloesen(AktionsId::Statistik);
  EXPECT_EQ(FensterFinden("FStatistik"), fenster.data());
  EXPECT_FALSE(fenster->windowState() & Qt::WindowMinimized);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Statistikfenster, SortierenHinUndZurueckUndNeuOeffnen) {
  TFfrStatistik* f = Oeffnen();
  EXPECT_EQ(f->ZaehlLabel(3)->pos(), f->Ecke(3) + f->ZaehlerVersatz());  // sorting moves no count aside
  QTest::mouseClick(fenster->findChild<QToolButton*>("BSort"), Qt::LeftButton);
  ASSERT_TRUE(f->Sortiert());
  // Least drawn first (counts 0: 11, 12, ...), the most drawn (3 and 1, three times) last.
  EXPECT_EQ(f->Kachel(1)->text(), QStringLiteral("11"));
  EXPECT_EQ(f->Kachel(35)->text(), QStringLiteral("3"));
  EXPECT_EQ(f->Kachel(34)->text(), QStringLiteral("1"));
  EXPECT_EQ(f->ZaehlLabel(3)->pos(), f->Ecke(35) + f->ZaehlerVersatz());
  // A period change while sorted updates the counts in place.
  f->Von()->setCurrentIndex(3);
  EXPECT_EQ(f->AnzahlZiehungen()->text(), QStringLiteral("1"));
  EXPECT_EQ(Zaehler(f, 3), QStringLiteral("0"));
  EXPECT_EQ(f->ZaehlLabel(3)->pos(), f->Ecke(35) + f->ZaehlerVersatz());
  QTest::mouseClick(fenster->findChild<QToolButton*>("BSort"), Qt::LeftButton);
  EXPECT_FALSE(f->Sortiert());
  EXPECT_EQ(f->Kachel(1)->text(), QStringLiteral("1"));
  EXPECT_EQ(f->ZaehlLabel(3)->pos(), f->Ecke(3) + f->ZaehlerVersatz());

  // Reopened: numeric order, the whole history again, an empty search selection.
  f->BNrClick(5);
  Schliessen();
  ASSERT_TRUE(fenster.isNull());
  f = Oeffnen();
  EXPECT_FALSE(f->Sortiert());
  EXPECT_EQ(f->AnzahlZiehungen()->text(), QStringLiteral("4"));
  EXPECT_EQ(Zaehler(f, 3), QStringLiteral("3"));
  EXPECT_EQ(f->Auswahl().Anzahl(), 0);
}

TEST_F(Statistikfenster, BisVorVon) {
  TFfrStatistik* f = Oeffnen();
  f->Von()->setCurrentIndex(3);
  f->Bis()->setCurrentIndex(1);
  EXPECT_EQ(f->AnzahlZiehungen()->text(), QString());
  EXPECT_EQ(Zaehler(f, 6), QStringLiteral("1"));  // unchanged
  f->Von()->setCurrentIndex(0);
  EXPECT_EQ(f->AnzahlZiehungen()->text(), QStringLiteral("2"));
  EXPECT_EQ(Zaehler(f, 6), QStringLiteral("0"));
  EXPECT_EQ(Zaehler(f, 1), QStringLiteral("2"));
}

TEST_F(Statistikfenster, VierernLaufUndSuche) {
  TFfrStatistik* f = Oeffnen();
  QTest::mouseClick(fenster->findChild<QToolButton*>("BStart4"), Qt::LeftButton);
  const TabellenDaten* oft = f->Liste(4, true)->Daten();
  EXPECT_EQ(oft->Zelle(1, 1), QStringLiteral("1,2,3,4"));
  EXPECT_EQ(oft->Zelle(1, 2), QStringLiteral("1"));
  EXPECT_EQ(f->Liste(4, false)->Daten()->Zeilen(), 1 + 52360 - 4 * 5);  // every never-drawn quadruple
  auto* gauge = fenster->findChild<QProgressBar*>("Fortschritt4");
  EXPECT_EQ(gauge->maximum(), 2 * 52360);
  EXPECT_EQ(gauge->value(), gauge->maximum());
  EXPECT_TRUE(fenster->findChild<QToolButton*>("BStart3")->isEnabled());
  EXPECT_TRUE(f->Von()->isEnabled());

  auto* suche = fenster->findChild<QPushButton*>("BSuche");
  f->BNrClick(3);
  EXPECT_FALSE(suche->isEnabled());
  f->BNrClick(17);
  EXPECT_TRUE(suche->isEnabled());
  QTest::mouseClick(suche, Qt::LeftButton);
  EXPECT_EQ(f->Trefferzahl()->text(), QStringLiteral("2"));
  EXPECT_TRUE(f->Trefferzahl()->styleSheet().contains("0, 255, 0"));
  const TabellenDaten* g = fenster->findChild<TabellenAnsicht*>("GSuche")->Daten();
  EXPECT_EQ(g->Zeilen(), 3);
  EXPECT_EQ(g->Zelle(2, 1), QStringLiteral("03.03.2024"));
  EXPECT_EQ(g->Zelle(2, 2), QStringLiteral("1,22,30"));
  f->BNrClick(10);
  QTest::mouseClick(suche, Qt::LeftButton);
  EXPECT_EQ(f->Trefferzahl()->text(), QStringLiteral("0"));
  EXPECT_TRUE(f->Trefferzahl()->styleSheet().contains("255, 102, 102"));
  EXPECT_EQ(g->Zeilen(), 2);
  QTest::mouseClick(fenster->findChild<QToolButton*>("BReset"), Qt::LeftButton);
  EXPECT_EQ(f->Trefferzahl()->text(), QString());
  EXPECT_FALSE(suche->isEnabled());
  EXPECT_EQ(g->Zeilen(), 51);
  EXPECT_FALSE(fenster->findChild<QToolButton*>("TBKombi3")->isChecked());
}

TEST_F(Statistikfenster, OhneZiehungen) {
  QFile::remove(Pfad("GZ.535"));
  TFfrStatistik* f = Oeffnen();
  EXPECT_EQ(f->AnzahlZiehungen()->text(), QStringLiteral("0"));
  EXPECT_EQ(f->Liste(2, true)->Daten()->Zeilen(), 596);  // all pairs with 0
  meldungen.antworten.push_back(Antwort::Nein);
  QTest::mouseClick(fenster->findChild<QToolButton*>("BStart"), Qt::LeftButton);
  QTest::mouseClick(fenster->findChild<QToolButton*>("BStart3"), Qt::LeftButton);
  EXPECT_EQ(meldungen.Texte(), (QStringList{"Für eine statistische Auswertung fehlen die Gewinnreihen.\r\r"
                                            "Soll ich den Downloadbereich öffnen?",
                                            " Bitte Verbindung zum Internet bestehen."}));
  EXPECT_EQ(meldungen.meldungen[0].first, MeldungsArt::FrageMitAbbrechen);
  EXPECT_TRUE(fenster->isVisible());
}

TEST_F(Statistikfenster, DiagrammeFolgenDemZeitraumUndLassenSichSpeichern) {
  // 70 draws: the first four above, then a repeating pattern.
  std::vector<std::pair<QString, std::vector<int>>> z = {{"01.03.2024", {1, 2, 3, 4, 5}},
                                                         {"02.03.2024", {1, 2, 3, 17, 9}},
                                                         {"03.03.2024", {3, 17, 22, 30, 1}},
                                                         {"04.03.2024", {6, 7, 8, 9, 10}}};
  for (int d = 4; d < 70; ++d) {
    const int a = d % 31 + 1;
    z.push_back({QDate(2024, 3, 1).addDays(d).toString("dd.MM.yyyy"), {a, a + 1, a + 2, a + 3, (a + 20) % 35 + 1}});
  }
  ZiehungenSchreiben(z);
  const BilderSchrift schrift;
  TFfrStatistik* f = Oeffnen();
  ASSERT_TRUE(f);
  auto* reiter = f->findChild<QTabWidget*>("Reiter");
  EXPECT_EQ(reiter->tabText(reiter->currentIndex()), QStringLiteral("4er Kombis"));  // opens as before
  EXPECT_EQ(reiter->tabText(reiter->count() - 1), QStringLiteral("Diagramme"));
  reiter->setCurrentWidget(f->Diagramme());
  // The period 2..69 with the start button: the charts hold the counts of that period.
  f->Von()->setCurrentIndex(1);
  f->Bis()->setCurrentIndex(68);
  QTest::mouseClick(f->findChild<QAbstractButton*>("BStart"), Qt::LeftButton);
  std::vector<double> erwartet(35, 0.0);
  std::vector<std::array<int, 35>> paare(35);
  for (int d = 1; d <= 68; ++d) {
    const auto& zahlen = z[static_cast<std::size_t>(d)].second;
    for (std::size_t i = 0; i < zahlen.size(); ++i) {
      erwartet[static_cast<std::size_t>(zahlen[i] - 1)] += 1;
      for (std::size_t j = 0; j < zahlen.size(); ++j)
        if (i != j) ++paare[static_cast<std::size_t>(zahlen[i] - 1)][static_cast<std::size_t>(zahlen[j] - 1)];
    }
  }
  EXPECT_EQ(f->Diagramme()->Haeufigkeiten(), erwartet);
  for (int n = 1; n <= 35; ++n) EXPECT_EQ(Zaehler(f, n), QString::number(static_cast<int>(erwartet[static_cast<std::size_t>(n - 1)])));
  EXPECT_EQ(f->Diagramme()->Karte()->Paare(), paare);
  EXPECT_EQ(f->Diagramme()->Abwesenheiten().size(), 35u);
  EXPECT_TRUE(f->Diagramme()->UrteilText().contains("über 68 Ziehungen"));
  EXPECT_TRUE(f->Diagramme()->UrteilText().contains("ändern nichts an den Chancen der nächsten Ziehung"));
  // A period too short for the test.
  f->Von()->setCurrentIndex(60);
  QTest::mouseClick(f->findChild<QAbstractButton*>("BStart"), Qt::LeftButton);
  EXPECT_TRUE(f->Diagramme()->UrteilText().startsWith("Der Zeitraum ist mit 9 Ziehungen zu kurz"));

  // Each chart as PNG and SVG, on the clipboard and on a printer (a PDF here).
  for (int i = 0; i < 3; ++i) {
    f->Diagramme()->Diagrammwahl()->setCurrentIndex(i);
    for (const char* name : {"d.png", "d.svg"}) {
      dialoge.speichern.push_back(Pfad(name));
      QTest::mouseClick(f->findChild<QAbstractButton*>("BBildSpeichern"), Qt::LeftButton);
    }
    EXPECT_FALSE(QImage(Pfad("d.png")).isNull());
    EXPECT_TRUE(DateiInhalt("d.svg").contains("<svg"));
    QTest::mouseClick(f->findChild<QAbstractButton*>("BKopieren"), Qt::LeftButton);
    EXPECT_FALSE(QGuiApplication::clipboard()->image().isNull());
    QPrinter drucker;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(Pfad("d.pdf"));
    f->Diagramme()->DruckenAuf(drucker);
    EXPECT_TRUE(DateiInhalt("d.pdf").startsWith("%PDF"));
  }
  QCoreApplication::processEvents();  // the window grows for the charts
  if (qEnvironmentVariableIsSet("KELVARO_BILDER"))
    for (int i = 0; i < 3; ++i) {
      f->Diagramme()->Diagrammwahl()->setCurrentIndex(i);
      fenster->grab().save(qEnvironmentVariable("KELVARO_BILDER") + QStringLiteral("/FStatistik-Diagramme-%1.png").arg(i));
    }
  EXPECT_TRUE(meldungen.meldungen.empty());
}
