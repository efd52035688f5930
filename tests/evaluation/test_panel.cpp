// The result panel: fill, "Start", refusals, jumping to the highest win, cell painting.
#include <gtest/gtest.h>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "core/schein.h"
#include "core/ziehungen.h"
#include "evaluation/frScheineN.h"
#include "testumgebung.h"
#include "ui/tabellenansicht.h"

namespace {
class Panel : public DatenOrdnerTest {
 protected:
  std::unique_ptr<TFFrScheineN> Neu(const std::vector<std::vector<int>>& reihen, const QString& name = "Schein.vnds", const char* ges = "1",
                                    const char* meine = "1") {
    EXPECT_TRUE(ScheinSchreiben(Reihen(reihen), ges, meine, Pfad(name)).ok());
    auto p = std::make_unique<TFFrScheineN>(0.5f);
    p->Fuellen(Pfad(name));
    return p;
  }
  void Ziehungen(const std::vector<std::pair<QString, std::vector<int>>>& z) {
    ZiehungenSchreiben(z);
    ::Ziehungen().NeuLaden(Pfad("GZ.535"));
  }
  static QString Text(TFFrScheineN& p, const char* name) { return p.findChild<QLineEdit*>(name)->text(); }
  static void Start(TFFrScheineN& p) { QTest::mouseClick(p.findChild<QAbstractButton*>("BStart"), Qt::LeftButton); }
  static const QColor Gruen, Blau;
};
const QColor Panel::Gruen(193, 255, 193), Panel::Blau(185, 241, 253);
}  // namespace

TEST_F(Panel, FuellenUndStart) {
  Ziehungen({{"01.03.2024", {1, 2, 3, 4, 5}}, {"08.03.2024", {2, 9, 17, 25, 31}}});
  auto p = Neu({{2, 9, 17, 25, 30}, {1, 3, 5, 7, 11}}, "Schein März.vnds", "3", "1");
  EXPECT_EQ(Text(*p, "LDatei"), QStringLiteral("Schein März.vnds"));
  EXPECT_EQ(Text(*p, "LReihen"), QStringLiteral("2"));
  EXPECT_EQ(Text(*p, "EAntGes"), QStringLiteral("3"));
  EXPECT_EQ(p->Combo1()->currentText(), QStringLiteral("08.03.2024"));
  EXPECT_EQ(p->Combo2()->currentText(), QStringLiteral("01.03.2024"));
  EXPECT_EQ(p->G3()->Daten()->Zelle(2, 5), QStringLiteral("11"));
  EXPECT_EQ(p->G3a()->Daten()->Zelle(0, 1), QStringLiteral("Richtige"));
  EXPECT_EQ(p->G5()->Daten()->Zelle(0, 1).trimmed(), QStringLiteral("5 Ri."));

  Start(*p);
  EXPECT_EQ(Text(*p, "LGesGewinn"), QStringLiteral("100,00 €"));
  EXPECT_EQ(Text(*p, "LGesGewinnAnt"), QStringLiteral("33,33 €"));
  EXPECT_EQ(Text(*p, "LRL"), QStringLiteral("10000,00 %"));
  EXPECT_EQ(Text(*p, "LHGew"), QStringLiteral("100,00 €"));
  EXPECT_EQ(Text(*p, "LHGewWann"), QStringLiteral("08.03.2024"));
  EXPECT_EQ(p->G3a()->Daten()->Zelle(1, 4), QStringLiteral("33,33"));
  EXPECT_EQ(p->G5()->Daten()->Zelle(1, 2).trimmed(), QStringLiteral("1"));
  EXPECT_EQ(p->G5()->Daten()->Zelle(1, 1).trimmed(), QStringLiteral("-"));
  // Hits of the single draw in light green, other numbers not; the highest-win row light blue.
  EXPECT_EQ(p->G3()->Stil(1, 1).hintergrund, Gruen);
  EXPECT_NE(p->G3()->Stil(1, 5).hintergrund, Gruen);
  EXPECT_EQ(p->G3a()->Stil(1, 2).hintergrund, Blau);
  EXPECT_EQ(p->G3a()->Stil(1, 3).ausrichtung, ZellStil::Ausrichtung::Rechts);

  // A range run: no highlighting of the ticket.
  p->CbBack()->setChecked(true);
  Start(*p);
  EXPECT_FALSE(p->EinzelZiehung());
  EXPECT_NE(p->G3()->Stil(1, 1).hintergrund, Gruen);
}

TEST_F(Panel, AblehnungLeertNurDieGewinnfelder) {
  Ziehungen({{"01.03.2024", {1, 2, 3, 4, 5}}, {"08.03.2024", {2, 9, 17, 25, 31}}});
  auto p = Neu({{2, 9, 17, 25, 30}});
  Start(*p);
  p->CbBack()->setChecked(true);
  p->Combo1()->setCurrentIndex(0);
  p->Combo2()->setCurrentIndex(1);
  Start(*p);
  EXPECT_EQ(meldungen.Texte(), QStringList{QStringLiteral("Bitte kontrollieren Sie die Angaben für den Zeitraum der "
                                                          "Gewinnauswertung\r\rIch breche erst einmal ab.")});
  EXPECT_EQ(Text(*p, "LGesGewinn"), QString());
  EXPECT_EQ(Text(*p, "LHGew"), QString());
  EXPECT_EQ(Text(*p, "LHGewWann"), QString());
  EXPECT_EQ(p->HoechstZeile(), 0);
  EXPECT_FALSE(p->EinzelZiehung());
  // The result table, the summary, the own part and the return rate keep the last result.
  EXPECT_EQ(p->G3a()->Daten()->Zeilen(), 2);
  EXPECT_EQ(Text(*p, "LGesGewinnAnt"), QStringLiteral("100,00 €"));
  EXPECT_EQ(Text(*p, "LRL"), QStringLiteral("20000,00 %"));
}

TEST_F(Panel, OhneGewinnUndMitNurEinerZiehung) {
  Ziehungen({{"01.03.2024", {1, 2, 3, 4, 5}}});
  auto p = Neu({{10, 11, 12, 13, 14}});
  EXPECT_EQ(p->Combo2()->currentIndex(), -1);  // one draw: no start draw selected
  Start(*p);
  EXPECT_EQ(Text(*p, "LHGew"), QStringLiteral("0,00 €"));
  EXPECT_EQ(Text(*p, "LHGewWann"), QString());
  EXPECT_EQ(p->HoechstZeile(), 0);
  QTest::mouseClick(p->findChild<QToolButton*>("BZeig"), Qt::LeftButton);  // nothing happens
  EXPECT_EQ(p->G3a()->ErsteSichtbareZeile(), 1);
  // Range mode with no start draw: refused, nothing outside the list is read.
  p->CbBack()->setChecked(true);
  Start(*p);
  EXPECT_EQ(meldungen.Texte().back(), QStringLiteral("Für die gewählte Ziehung liegen noch keine Gewinnzahlen vor.\r\r"
                                                     "Ich breche erst einmal ab."));
}

TEST_F(Panel, HoechstgewinnAnzeigenScrolltZurZeile) {
  // 14 draws, each with one win (3 hits), and a 4-hit win in the 12th: the highest win is row 12.
  std::vector<std::pair<QString, std::vector<int>>> z;
  for (int d = 1; d <= 14; ++d)
    z.push_back({QStringLiteral("%1.03.2024").arg(d, 2, 10, QLatin1Char('0')),
                 d == 12 ? std::vector<int>{1, 2, 3, 4, 30} : std::vector<int>{1, 2, 3, 20, 30}});
  Ziehungen(z);
  auto p = Neu({{1, 2, 3, 4, 5}});
  p->CbBack()->setChecked(true);
  p->Combo2()->setCurrentIndex(0);
  p->resize(610, 304);
  p->show();
  QCoreApplication::processEvents();
  Start(*p);
  ASSERT_EQ(p->HoechstZeile(), 12);
  ASSERT_LT(p->G3a()->VollSichtbareZeilen(), 12);
  QTest::mouseClick(p->findChild<QToolButton*>("BZeig"), Qt::LeftButton);
  EXPECT_EQ(p->G3a()->ErsteSichtbareZeile(), 6);
  EXPECT_EQ(p->G3a()->Stil(12, 1).hintergrund, Blau);
  EXPECT_EQ(p->G3a()->Stil(11, 1).hintergrund, QColor(Qt::white));
}

TEST_F(Panel, ZweiPanelsBehaltenIhrErgebnis) {
  Ziehungen({{"01.03.2024", {1, 2, 3, 4, 5}}, {"08.03.2024", {2, 9, 17, 25, 31}}});
  auto a = Neu({{2, 9, 17, 25, 30}}, "a.vnds");
  auto b = Neu({{2, 9, 17, 25, 30}}, "b.vnds");
  Start(*a);
  b->CbBack()->setChecked(true);
  Start(*b);
  EXPECT_TRUE(a->EinzelZiehung());
  EXPECT_EQ(a->G3()->Stil(1, 1).hintergrund, Gruen);
  EXPECT_EQ(a->HoechstZeile(), 1);
  EXPECT_EQ(b->HoechstZeile(), 2);
}

TEST_F(Panel, AbbrechenBehaeltDasLetzteErgebnisUndEinZweiterStartGehtNicht) {
  // A ticket of all possible rows over 300 draws: long enough to cancel while it runs.
  std::vector<std::pair<QString, std::vector<int>>> ziehungen;
  for (int d = 0; d < 300; ++d)
    ziehungen.push_back({QDate(2019, 1, 4).addDays(7 * d).toString("dd.MM.yyyy"), {1 + d % 7, 9, 17 + d % 5, 25, 31 + d % 4}});
  Ziehungen(ziehungen);
  ScheinTabelle alle;
  for (int a = 1; a <= 31; ++a)
    for (int b = a + 1; b <= 32; ++b)
      for (int c = b + 1; c <= 33; ++c)
        for (int d = c + 1; d <= 34; ++d)
          for (int e = d + 1; e <= 35; ++e)
            alle.reihen.push_back({std::uint8_t(a), std::uint8_t(b), std::uint8_t(c), std::uint8_t(d), std::uint8_t(e)});
  ASSERT_TRUE(ScheinSchreiben(alle, "1", "1", Pfad("alle.vnds")).ok());
  TFFrScheineN p(0.5f);
  p.Fuellen(Pfad("alle.vnds"));
  Start(p);  // the newest draw alone
  const QString gewinn = Text(p, "LGesGewinn");
  const int zeilen = p.G3a()->Daten()->Zeilen();
  ASSERT_FALSE(gewinn.isEmpty());

  p.CbBack()->setChecked(true);
  bool lief = false;
  QTimer::singleShot(5, &p, [&] {
    lief = p.LaeuftGerade();
    Start(p);  // dropped: nothing starts beside the running work
    if (auto* fortschritt = p.findChild<QProgressDialog*>("Fortschritt")) emit fortschritt->canceled();
  });
  Start(p);
  ASSERT_TRUE(lief);
  EXPECT_FALSE(p.LaeuftGerade());
  EXPECT_EQ(Text(p, "LGesGewinn"), gewinn);
  EXPECT_EQ(p.G3a()->Daten()->Zeilen(), zeilen);
  EXPECT_TRUE(p.EinzelZiehung());
}
