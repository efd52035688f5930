// The random tip generator: selection limits, feasibility, pool, and seeded runs.
#include <set>

#include <gtest/gtest.h>

#include "tips/zufallsgenerator.h"

namespace {
TZufallsAuswahl Auswahl(std::initializer_list<int> bank, std::initializer_list<int> killer = {}, std::initializer_list<int> fav = {}) {
  TZufallsAuswahl a;
  for (int n : bank) a.Umschalten(Gruppe::Bank, n);
  for (int n : killer) a.Umschalten(Gruppe::Killer, n);
  for (int n : fav) a.Umschalten(Gruppe::Favorit, n);
  return a;
}

// The plain method: every candidate compared with every accepted row.
ZufallsErgebnis Einfach(const TZufallsAuswahl& a, int n, std::uint32_t saat) {
  ZufallsSaatFestlegen(saat);
  TZufall z;
  z.NeuSaeen();
  const auto topf = Topf(a);
  ZufallsErgebnis e;
  std::vector<TZahlenMenge> mengen;
  while (static_cast<int>(mengen.size()) < n) {
    TZahlenMenge k = a.Menge(Gruppe::Bank);
    while (k.Groesse() < 5) {
      const int zahl = topf[z.Naechste(static_cast<std::uint32_t>(topf.size()))];
      if (!k.Enthaelt(zahl)) k.Einschliessen(zahl);
    }
    bool doppelt = false;
    for (const auto& m : mengen) doppelt = doppelt || m == k;
    if (doppelt) continue;
    mengen.push_back(k);
    const auto r = MengeAlsReihe(k, 5, 35);
    e.Zufreihen.push_back({r[0], r[1], r[2], r[3], r[4]});
  }
  for (const auto& r : e.Zufreihen)
    for (auto x : r) ++e.NrCount[x];
  return e;
}

struct SaatZuruecksetzen : ::testing::Test {
  void TearDown() override { ZufallsSaatFestlegen(std::nullopt); }
};
using Zufallsgenerator = SaatZuruecksetzen;
}  // namespace

TEST(ZufallsAuswahl, GrenzenUndMeldungen) {
  TZufallsAuswahl a = Auswahl({1, 2, 3, 4, 5});
  auto e = a.Umschalten(106);
  EXPECT_EQ(e.wirkung, TZufallsAuswahl::Wirkung::Abgelehnt);
  EXPECT_EQ(e.meldung->text, QStringLiteral("Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum."));
  EXPECT_EQ(e.meldung->art, MeldungsArt::Fehler);
  // Killers up to the last free number: 5 + 29 leaves one, the 30th is refused.
  for (int n = 6; n <= 34; ++n) ASSERT_EQ(a.Umschalten(200 + n).wirkung, TZufallsAuswahl::Wirkung::Hinzugefuegt) << n;
  e = a.Umschalten(235);
  EXPECT_EQ(e.wirkung, TZufallsAuswahl::Wirkung::Abgelehnt);
  EXPECT_EQ(e.meldung->text, QStringLiteral("Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr.\r\rIch breche ab."));
  EXPECT_EQ(a.Umschalten(234).wirkung, TZufallsAuswahl::Wirkung::Entfernt);  // removing is never refused
  EXPECT_EQ(a.Umschalten(105).wirkung, TZufallsAuswahl::Wirkung::Entfernt);
  EXPECT_EQ(a.Anzahl(Gruppe::Bank), 4);
  EXPECT_EQ(a.Umschalten(307).wirkung, TZufallsAuswahl::Wirkung::Hinzugefuegt);
  EXPECT_EQ(a.GruppeVon(7), Gruppe::Killer);  // the window keeps groups apart, not the toggle

  // The selection as text and back, bankers first; numbers of another group are left out.
  TZufallsAuswahl t = Auswahl({22, 3, 17}, {9}, {30, 4});
  EXPECT_EQ(AuswahlAlsText(t, Gruppe::Bank), QStringLiteral("3,17,22"));
  TZufallsAuswahl zurueck;
  EXPECT_TRUE(AuswahlAusText(zurueck, "3,17,22", "9,3", "30,4").empty());
  EXPECT_EQ(zurueck.Mitglieder(Gruppe::Killer), std::vector<int>{9});
  EXPECT_EQ(zurueck.Mitglieder(Gruppe::Favorit), (std::vector<int>{4, 30}));
  TZufallsAuswahl sechs;
  const auto meldungen = AuswahlAusText(sechs, "1,2,3,4,5,6", "", "");
  ASSERT_EQ(meldungen.size(), 1u);
  EXPECT_EQ(sechs.Anzahl(Gruppe::Bank), 5);
}

TEST(ZufallsAuswahl, Topf) {
  EXPECT_EQ(Topf(Auswahl({})).size(), 35u);
  const auto topf = Topf(Auswahl({1}, {2}, {7}));
  ASSERT_EQ(topf.size(), 34u);  // 35 + 1 favourite - 1 banker - 1 killer
  EXPECT_EQ(topf[0], 3);
  EXPECT_EQ(topf[4], 7);
  EXPECT_EQ(topf[5], 7);
  EXPECT_EQ(topf[6], 8);
}

TEST_F(Zufallsgenerator, GeseedeterLaufWieDieEinfacheMethode) {
  const TZufallsAuswahl faelle[] = {Auswahl({}), Auswahl({7, 19}, {1, 2, 3}, {30, 31}), Auswahl({}, {}, {5, 6, 7, 8})};
  for (const auto& a : faelle) {
    ZufallsSaatFestlegen(4711);
    TZufall z;
    ZufallsErgebnis e;
    ASSERT_FALSE(ZufallszahlenErmitteln(a, 500, z, e).ablehnung);
    const ZufallsErgebnis einfach = Einfach(a, 500, 4711);
    EXPECT_EQ(e.Zufreihen, einfach.Zufreihen);
    EXPECT_EQ(e.NrCount, einfach.NrCount);

    std::set<std::array<std::uint8_t, 5>> verschieden(e.Zufreihen.begin(), e.Zufreihen.end());
    EXPECT_EQ(verschieden.size(), 500u);
    int summe = 0;
    for (const auto& r : e.Zufreihen) {
      for (int i = 0; i < 4; ++i) ASSERT_LT(r[static_cast<std::size_t>(i)], r[static_cast<std::size_t>(i + 1)]);
      for (int b : a.Mitglieder(Gruppe::Bank)) ASSERT_NE(std::find(r.begin(), r.end(), b), r.end());
      for (int k : a.Mitglieder(Gruppe::Killer)) ASSERT_EQ(std::find(r.begin(), r.end(), k), r.end());
    }
    for (int n = 1; n <= 35; ++n) summe += e.NrCount[static_cast<std::size_t>(n)];
    EXPECT_EQ(summe, 2500);
    for (int b : a.Mitglieder(Gruppe::Bank)) EXPECT_EQ(e.NrCount[static_cast<std::size_t>(b)], 500);
  }
}

TEST_F(Zufallsgenerator, MachbarkeitUndAblehnung) {
  TZufall z;
  ZufallsErgebnis e;
  // Five bankers: exactly one row possible.
  const TZufallsAuswahl fuenf = Auswahl({3, 9, 14, 22, 31});
  ASSERT_FALSE(ZufallszahlenErmitteln(fuenf, 1, z, e).ablehnung);
  ASSERT_EQ(e.Zufreihen.size(), 1u);
  EXPECT_EQ(e.Zufreihen[0], (std::array<std::uint8_t, 5>{3, 9, 14, 22, 31}));
  const auto lauf = ZufallszahlenErmitteln(fuenf, 2, z, e);
  ASSERT_TRUE(lauf.ablehnung);
  EXPECT_EQ(lauf.ablehnung->text, QStringLiteral("Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 2 Tippreihen zu bilden.\r\r"
                                                 "ich muss abbrechen."));
  EXPECT_EQ(e.Zufreihen.size(), 1u);  // the earlier result stays

  // Four bankers and 30 killers: the one free number completes the row.
  std::vector<int> killer;
  TZufallsAuswahl vier = Auswahl({1, 2, 3, 4});
  for (int n = 6; n <= 35; ++n) vier.Umschalten(Gruppe::Killer, n);
  ASSERT_FALSE(ZufallszahlenErmitteln(vier, 1, z, e).ablehnung);
  EXPECT_EQ(e.Zufreihen[0], (std::array<std::uint8_t, 5>{1, 2, 3, 4, 5}));
  // One banker and 31 killers: three free numbers, four needed.
  TZufallsAuswahl eins = Auswahl({1});
  for (int n = 5; n <= 35; ++n) eins.Umschalten(Gruppe::Killer, n);
  EXPECT_TRUE(ZufallszahlenErmitteln(eins, 1, z, e).ablehnung);
}

TEST_F(Zufallsgenerator, AlleReihenUndAbbruch) {
  TZufall z;
  ZufallsErgebnis e;
  // Every possible row: 20 free numbers, 5 per row.
  TZufallsAuswahl a;
  for (int n = 21; n <= 35; ++n) a.Umschalten(Gruppe::Killer, n);
  ASSERT_FALSE(ZufallszahlenErmitteln(a, 15504, z, e).ablehnung);
  EXPECT_EQ(e.Zufreihen.size(), 15504u);
  // A run that is told to stop keeps the previous result.
  ZufallsErgebnis vorher = e;
  const auto lauf = ZufallszahlenErmitteln(Auswahl({}), 324632, z, e, [](std::int64_t) { return false; });
  EXPECT_TRUE(lauf.abgebrochen);
  EXPECT_EQ(e.Zufreihen, vorher.Zufreihen);
}
