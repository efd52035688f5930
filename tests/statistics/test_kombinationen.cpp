// Pair, triple and quadruple counts, ranking lists, the search and its selection.
#include <bit>
#include <random>

#include <gtest/gtest.h>

#include "core/ziehungen.h"
#include "referenz.h"
#include "statistics/kombinationen.h"
#include "statistics/zahlenstatistik.h"
#include "testlogik.h"

namespace {
class Kombinationen : public LogikTest {
 protected:
  void Laden(const std::vector<std::pair<QString, std::vector<int>>>& z) {
    ZiehungenSchreiben(z);
    Ziehungen().NeuLaden(Pfad("GZ.535"));
    StatistikStart();
  }
  void Zufall(int anzahl, unsigned saat) {
    std::mt19937 zufall(saat);
    std::vector<std::pair<QString, std::vector<int>>> z;
    QDate tag(2020, 1, 1);
    for (int d = 0; d < anzahl; ++d, tag = tag.addDays(3)) {
      std::vector<int> zahlen;
      while (zahlen.size() < 5) {
        const int n = 1 + static_cast<int>(zufall() % 35);
        // every 9th draw repeats a number, as a hand-made file might
        if (std::find(zahlen.begin(), zahlen.end(), n) == zahlen.end() || (d % 9 == 0 && zahlen.size() == 4)) zahlen.push_back(n);
      }
      z.push_back({tag.toString("dd.MM.yyyy"), zahlen});
    }
    Laden(z);
  }
};
}  // namespace

namespace {
std::vector<std::uint32_t> EinzelnGezaehlt(const KombiTabelle& t, int von, int bis) {
  std::vector<std::uint32_t> anzahl(t.Groesse(), 0);
  const int k = MengeAlsText(t.Menge(0)).count(QLatin1Char(',')) + 1;
  for (int d = von; d <= bis; ++d) {
    std::vector<int> z;
    for (int n = 1; n <= MaxZahl; ++n)
      if (GZMengen()[static_cast<std::size_t>(d)].Enthaelt(n)) z.push_back(n);
    const int s = static_cast<int>(z.size());
    for (unsigned maske = 0; maske < (1u << s); ++maske) {
      if (std::popcount(maske) != k) continue;
      std::vector<int> teil;
      for (int i = 0; i < s; ++i)
        if (maske >> i & 1u) teil.push_back(z[static_cast<std::size_t>(i)]);
      ++anzahl[t.Index(teil.data())];
    }
  }
  return anzahl;
}
}  // namespace

TEST(KombiTabelle, LexikographischUndIndex) {
  const std::pair<int, std::size_t> groessen[] = {{2, 595}, {3, 6545}, {4, 52360}};
  for (const auto& [k, anzahl] : groessen) {
    KombiTabelle t(k);
    ASSERT_EQ(t.Groesse(), anzahl);
    for (std::size_t i = 0; i < t.Groesse(); ++i) {
      const auto r = MengeAlsReihe(t.Menge(i), k, MaxZahl);
      int z[4];
      for (int j = 0; j < k; ++j) z[j] = r[static_cast<std::size_t>(j)];
      ASSERT_EQ(t.Index(z), i) << MengeAlsText(t.Menge(i)).toStdString();
    }
  }
  EXPECT_EQ(MengeAlsText(KombiTabelle(2).Menge(1)), QStringLiteral("1,3"));
  EXPECT_EQ(MengeAlsText(KombiTabelle(3).Menge(6544)), QStringLiteral("33,34,35"));
}

TEST_F(Kombinationen, SchnelleZaehlungGleichDerEinfachen) {
  // Counts and both lists equal the plain method on random histories and periods.
  // Long histories are counted from checkpoints every 256 draws: periods across, on and between them.
  const std::tuple<int, unsigned, int, int> faelle[] = {{40, 1, 0, 39},     {300, 2, 17, 250},   {7, 3, 0, 6},        {60, 4, 30, 10},
                                                        {1100, 5, 0, 1099}, {1100, 5, 256, 767}, {1100, 5, 255, 256}, {1100, 5, 3, 1030}};
  int geladen = 0;
  unsigned geladenSaat = 0;
  for (const auto& [anzahl, saat, von, bis] : faelle) {
    if (anzahl != geladen || saat != geladenSaat) Zufall(anzahl, saat);
    geladen = anzahl;
    geladenSaat = saat;
    for (int k = 2; k <= 4; ++k) {
      KombiTabelle t(k);
      t.Zaehlen(von, bis);
      // The plain count of every combination against every draw; for long histories each draw's
      // own combinations counted one by one (the plain method would take minutes here).
      const auto erwartet = anzahl < 1000 ? referenz::KombisZaehlen(k, GZMengen(), von, bis) : EinzelnGezaehlt(t, von, bis);
      std::vector<std::uint32_t> gezaehlt;
      for (std::size_t i = 0; i < t.Groesse(); ++i) gezaehlt.push_back(t.Anzahl(i));
      ASSERT_EQ(gezaehlt, erwartet) << "k=" << k << " saat=" << saat;
      const Ranglisten r = RanglistenBilden(t);
      EXPECT_EQ(r.haeufigste, referenz::Liste(erwartet, true)) << "k=" << k;
      EXPECT_EQ(r.seltenste, referenz::Liste(erwartet, false)) << "k=" << k;
    }
  }
}

TEST_F(Kombinationen, ListeEndetMitGanzerGruppe) {
  // One draw: 10 pairs drawn once, 585 never. The most frequent list passes row 100 inside the
  // group of zeros and goes on to its end; the least frequent list is that group.
  Laden({{"01.03.2024", {1, 2, 3, 4, 5}}});
  KombiTabelle t(2);
  t.Zaehlen(0, 0);
  const Ranglisten r = RanglistenBilden(t);
  ASSERT_EQ(r.haeufigste.size(), 595u);
  EXPECT_EQ(MengeAlsText(t.Menge(r.haeufigste[0])), QStringLiteral("1,2"));
  EXPECT_EQ(MengeAlsText(t.Menge(r.haeufigste[9])), QStringLiteral("4,5"));
  EXPECT_EQ(MengeAlsText(t.Menge(r.haeufigste[10])), QStringLiteral("1,6"));  // table order within a group
  EXPECT_EQ(r.seltenste.size(), 585u);
  // An empty period: every pair with 0, in table order.
  t.Zaehlen(1, 0);
  EXPECT_EQ(RanglistenBilden(t).haeufigste.size(), 595u);
}

TEST_F(Kombinationen, Suche) {
  Laden({{"01.03.2024", {3, 17, 22, 1, 9}}, {"02.03.2024", {3, 5, 7, 9, 11}}, {"03.03.2024", {35, 17, 4, 3, 2}}});
  const auto wahl = TZahlenMenge::Aus({3, 17});
  EXPECT_EQ(KombisSuchen(wahl, 0, 2), (std::vector<int>{0, 2}));
  EXPECT_EQ(MengeAlsText(GZMengen()[2].Ohne(wahl)), QStringLiteral("2,4,35"));
  EXPECT_EQ(KombisSuchen(wahl, 1, 2), std::vector<int>{2});
  EXPECT_TRUE(KombisSuchen(wahl, 2, 1).empty());  // bis before von
  EXPECT_TRUE(KombisSuchen(wahl, 5, 9).empty());  // beyond the list
}

TEST(KombiAuswahl, HoechstensFuenfZahlen) {
  KombiAuswahl a;
  EXPECT_FALSE(a.Umschalten(7));
  EXPECT_FALSE(a.SucheMoeglich());
  for (int n : {8, 9, 10, 11}) EXPECT_FALSE(a.Umschalten(n));
  EXPECT_TRUE(a.SucheMoeglich());
  const auto m = a.Umschalten(12);
  ASSERT_TRUE(m);
  EXPECT_EQ(m->art, MeldungsArt::Fehler);
  EXPECT_EQ(m->text, QStringLiteral("Sie können maximal fünf Zahlen für die Suche angeben."));
  EXPECT_EQ(a.Anzahl(), 5);
  EXPECT_FALSE(a.Wahl().Enthaelt(12));
  EXPECT_FALSE(a.Umschalten(9));  // removing works with five picked
  EXPECT_EQ(a.Anzahl(), 4);
  a.AufNull();
  EXPECT_EQ(a.Anzahl(), 0);
  EXPECT_FALSE(a.SucheMoeglich());
}

TEST(MengeAlsText, Formen) {
  EXPECT_EQ(MengeAlsText({}), QString());
  EXPECT_EQ(MengeAlsText(TZahlenMenge::Aus({5})), QStringLiteral("5"));
  EXPECT_EQ(MengeAlsText(TZahlenMenge::Aus({22, 3, 17})), QStringLiteral("3,17,22"));
  EXPECT_EQ(MengeAlsText(TZahlenMenge::Aus({0, 3, 36})), QStringLiteral("3"));
  EXPECT_EQ(MengeAlsText(TZahlenMenge::Aus({3, 4}), 35, QStringLiteral(" - ")), QStringLiteral("3 - 4"));
}
