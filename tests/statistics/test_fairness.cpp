// The expected values beside the counts: the 95 % band, the absence limit, the pair expectation,
// the chi-squared test and its verdict.
#include <gtest/gtest.h>

#include "core/ziehungen.h"
#include "statistics/fairness.h"
#include "testlogik.h"

namespace {
Zaehlung Anzahlen(const std::array<int, 35>& werte) {
  Zaehlung z{};
  for (int n = 1; n <= 35; ++n) z[static_cast<std::size_t>(n)] = werte[static_cast<std::size_t>(n - 1)];
  return z;
}
class Fairness : public LogikTest {};
}  // namespace

TEST_F(Fairness, BandDerBinomialverteilung) {
  // Computed with exact fractions: the smallest k with P(X <= k) >= 2.5 % and >= 97.5 % for
  // X ~ Binomial(d, 1/7), summed term by term with Python's math.comb and fractions.Fraction.
  const std::tuple<int, int, int> faelle[] = {{35, 1, 9}, {100, 8, 21}, {700, 82, 118}, {1035, 126, 170}};
  for (const auto& [d, unten, oben] : faelle) {
    SCOPED_TRACE(d);
    const Haeufigkeitsband b = BandFuer(d);
    EXPECT_DOUBLE_EQ(b.erwartet, d / 7.0);
    EXPECT_EQ(b.unten, unten);
    EXPECT_EQ(b.oben, oben);
  }
  EXPECT_EQ(AusbleibenGrenze99(), 30);  // (6/7)^29 = 1.14 %, (6/7)^30 = 0.98 %
  EXPECT_DOUBLE_EQ(MittleresAusbleiben, 6.0);
  EXPECT_DOUBLE_EQ(PaarErwartung(119), 2.0);
}

TEST_F(Fairness, ChiQuadratUndUrteil) {
  // 700 draws, 100 expected per number. Statistic sum (O - E)^2 / E by hand; p-values from the
  // closed form of the chi-squared tail for even degrees of freedom (2k = 34):
  // P(X > x) = exp(-x/2) * sum_{i<17} (x/2)^i / i!, evaluated in Python.
  struct Fall {
    std::array<int, 35> anzahl;
    double statistik, p;
    const char* urteil;
  };
  const Fall faelle[] = {
      {{85, 112, 97, 108, 91, 104, 110, 94,  102, 89,  107, 99, 105, 92, 113, 96,  100, 106,
        88, 103, 93, 109, 98, 111, 90,  101, 95,  114, 86,  87, 115, 94, 102, 103, 101},
       25.3,
       0.8596177378595055,
       "Die Häufigkeiten sind mit fairen Ziehungen gut vereinbar (p = 0,86)."},
      {{79, 117, 96, 111, 87, 106, 114, 92,  103, 85,  110, 99, 107, 89, 118, 94,  100, 108,
        83, 104, 90, 113, 97, 115, 86,  101, 93,  120, 80,  82, 121, 92, 103, 104, 101},
       49.7,
       0.040129341930583505,
       "Die Häufigkeiten weichen etwas von fairen Ziehungen ab, noch im Rahmen des Zufalls (p = 0,04)."},
      {{76, 119, 95, 113, 86, 106, 116, 90,  103, 82,  111, 98, 108, 87, 121, 94,  100, 110,
        81, 105, 89, 114, 97, 118, 84,  102, 92,  122, 78,  79, 124, 90, 103, 105, 102},
       64.7,
       0.001156787220515627,
       "Die Häufigkeiten weichen auffällig von fairen Ziehungen ab (p = 0,001)."},
  };
  for (const Fall& f : faelle) {
    const Fairnesstest t = FairnessTesten(Anzahlen(f.anzahl), 700);
    EXPECT_FALSE(t.zuKurz);
    EXPECT_EQ(t.freiheitsgrade, 34);
    EXPECT_NEAR(t.statistik, f.statistik, 1e-9);
    EXPECT_NEAR(t.p, f.p, 1e-9 * std::max(1.0, f.p));
    EXPECT_TRUE(Urteil(t).startsWith(QString::fromUtf8(f.urteil))) << Urteil(t).toStdString();
    EXPECT_TRUE(Urteil(t).contains("ändern nichts an den Chancen der nächsten Ziehung"));
  }
  // The thresholds of the written p-value.
  const std::pair<double, const char*> texte[] = {{0.43, "0,43"}, {0.01, "0,01"}, {0.0099, "0,010"}, {0.004, "0,004"}, {0.0004, "< 0,001"}};
  for (const auto& [p, text] : texte) EXPECT_EQ(PText(p), QString::fromUtf8(text));
  // Below 35 draws no verdict.
  const Fairnesstest kurz = FairnessTesten(Zaehlung{}, 34);
  EXPECT_TRUE(kurz.zuKurz);
  EXPECT_TRUE(Urteil(kurz).startsWith("Der Zeitraum ist mit 34 Ziehungen zu kurz für ein verlässliches Urteil"));
}

TEST_F(Fairness, PaarMatrixAusDenZiehungen) {
  ZiehungenSchreiben({{"01.03.2024", {1, 2, 3, 4, 5}}, {"08.03.2024", {1, 2, 30, 31, 35}}, {"15.03.2024", {6, 7, 8, 9, 10}}});
  Ziehungen().NeuLaden(Pfad("GZ.535"));
  StatistikStart();
  const auto m = PaarMatrix(0, 1);  // the first two draws
  EXPECT_EQ(m[0][1], 2);
  EXPECT_EQ(m[1][0], 2);
  EXPECT_EQ(m[29][34], 1);
  EXPECT_EQ(m[5][6], 0);  // the third draw is outside the period
  int summe = 0;
  for (int a = 0; a < 35; ++a)
    for (int b = a + 1; b < 35; ++b) summe += m[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
  EXPECT_EQ(summe, 20);  // ten pairs per draw
}
