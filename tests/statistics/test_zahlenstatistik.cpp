// Number counts, absences and the count order.
#include <gtest/gtest.h>

#include "core/ziehungen.h"
#include "statistics/zahlenstatistik.h"
#include "testlogik.h"

namespace {
class Zahlenstatistik : public LogikTest {
 protected:
  void Laden(const std::vector<std::pair<QString, std::vector<int>>>& z) {
    ZiehungenSchreiben(z);
    Ziehungen().NeuLaden(Pfad("GZ.535"));
    StatistikStart();
  }
};
}  // namespace

TEST_F(Zahlenstatistik, Ausgeblieben) {
  Laden({{"01.03.2024", {1, 2, 3, 4, 5}}, {"02.03.2024", {1, 6, 7, 8, 9}}, {"03.03.2024", {2, 6, 10, 11, 12}}});
  const Zaehlung a = Ausgeblieben(0, 2);
  EXPECT_EQ(a[2], 0);  // in draw "bis"
  EXPECT_EQ(a[1], 1);
  EXPECT_EQ(a[3], 2);
  EXPECT_EQ(a[35], 3);  // never drawn: the whole period
  const auto folge = AusgebliebenReihenfolge(a);
  ASSERT_EQ(folge.size(), 35u);
  EXPECT_EQ(folge[0], std::make_pair(13, 3));  // longest first, ties by ascending number
  EXPECT_EQ(folge[1], std::make_pair(14, 3));
  EXPECT_EQ(folge.back(), std::make_pair(12, 0));
  EXPECT_EQ(Ausgeblieben(1, 1)[1], 0);
  EXPECT_EQ(Ausgeblieben(1, 1)[2], 1);
  // Empty period: 0 for every number, listed 1..35.
  const auto leer = AusgebliebenReihenfolge(Ausgeblieben(2, 1));
  for (int n = 1; n <= 35; ++n) EXPECT_EQ(leer[static_cast<std::size_t>(n - 1)], std::make_pair(n, 0));
  // A period beyond the list is clamped to it.
  EXPECT_EQ(Ausgeblieben(0, 99)[35], 3);
}

TEST_F(Zahlenstatistik, ZaehlungUndReihenfolge) {
  Laden({{"01.03.2024", {1, 2, 3, 4, 5}}, {"02.03.2024", {1, 2, 3, 4, 6}}, {"03.03.2024", {1, 2, 3, 7, 8}}});
  EXPECT_EQ(Haeufigkeit()[1], 3);
  EXPECT_EQ(Haeufigkeit()[4], 2);
  const Zaehlung& t = TeilStatistik(1, 2);
  EXPECT_EQ(t[1], 2);
  EXPECT_EQ(t[5], 0);
  EXPECT_EQ(TeilStatistik(2, 1)[1], 0);  // bis before von: 0 everywhere
  EXPECT_EQ(TeilStatistik(0, 99)[1], 3);

  // Count order: least drawn first, ties by ascending number.
  Zaehlung z{};
  for (int n = 1; n <= 35; ++n) z[n] = 5;
  z[20] = z[3] = z[31] = 1;
  z[7] = 2;
  z[2] = 9;
  const auto folge = ZaehlReihenfolge(z);
  EXPECT_EQ(std::vector<int>(folge.begin(), folge.begin() + 5), (std::vector<int>{3, 20, 31, 7, 1}));
  EXPECT_EQ(folge.back(), 2);
}

TEST_F(Zahlenstatistik, NachKorrekturNeuGezaehlt) {
  Laden({{"01.03.2024", {1, 2, 3, 4, 5}}, {"02.03.2024", {1, 6, 7, 8, 9}}});
  const std::uint8_t neu[5] = {30, 31, 32, 33, 34};
  ASSERT_TRUE(Ziehungen().ErsetzenUndSpeichern(0, Ziehungen().Eintrag(0).datum, neu, Pfad("GZ.535")).ok());
  StatistikStart();
  EXPECT_EQ(GZMengen()[0], TZahlenMenge::Aus({30, 31, 32, 33, 34}));
  EXPECT_EQ(Haeufigkeit()[1], 1);
  EXPECT_EQ(Haeufigkeit()[30], 1);
  EXPECT_EQ(Haeufigkeit()[2], 0);
}
