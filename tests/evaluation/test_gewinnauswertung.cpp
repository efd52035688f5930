// The evaluation engine.
#include <random>

#include <gtest/gtest.h>

#include "core/datum.h"
#include "evaluation/gewinnauswertung.h"

namespace {
TGewZahlen Ziehung(const char* datum, std::array<int, 5> z) {
  TGewZahlen g;
  g.datum = *TextAlsDatum(QString::fromLatin1(datum));
  for (int i = 0; i < 5; ++i) g.GZ[i] = static_cast<std::uint8_t>(z[static_cast<std::size_t>(i)]);
  return g;
}

struct Lauf {
  std::vector<TGewZahlen> ziehungen;
  AuswertungsEingabe e;
  Auswertung a;
  ErgebnisTabelle tabelle;

  Lauf(std::vector<TGewZahlen> z, std::vector<std::vector<int>> reihen, int ende, int anfang = -1, bool zeitraum = false)
      : ziehungen(std::move(z)) {
    e.ziehungen = &ziehungen;
    e.ende = ende;
    e.anfang = anfang;
    e.zeitraum = zeitraum;
    for (const auto& r : reihen) {
      TZahlenMenge m;
      for (int n : r) m.Einschliessen(n);
      e.reihen.push_back(m);
    }
  }
  const AuswertungsErgebnis& Starten() {
    a = ScheinAuswerten(e);
    tabelle.ergebnis = &a.ergebnis;
    return a.ergebnis;
  }
  QStringList Zeile(int z) const {
    QStringList t;
    for (int s = 0; s < 5; ++s) t << tabelle.Zelle(z, s);
    return t;
  }
};
}  // namespace

TEST(AnteilBerechnen, SchneidetAufCentAb) {
  EXPECT_EQ(AnteilBerechnen(Geld::AusEinheiten(8), 3, 1), Geld{26600});
  EXPECT_EQ(AnteilBerechnen(Geld::AusEinheiten(50000), 7, 2), Geld{142857100});
  EXPECT_EQ(AnteilBerechnen(Geld::AusEinheiten(100), 1, 1), Geld::AusEinheiten(100));
  EXPECT_FALSE(AnteilBerechnen(Geld::AusEinheiten(8), 0, 1));  // no part of zero shares
}

TEST(ScheinAuswerten, EineZiehung) {
  Lauf l({Ziehung("10.03.2024", {2, 9, 17, 25, 31})}, {{2, 9, 17, 25, 30}, {1, 3, 5, 7, 11}}, 0);
  const auto& r = l.Starten();
  ASSERT_FALSE(l.a.ablehnung);
  ASSERT_EQ(l.tabelle.Zeilen(), 2);  // the "---" of row 2 is not shown
  EXPECT_EQ(l.Zeile(1), (QStringList{"10.03.2024", "4", "1", "100,00", "100,00"}));
  EXPECT_EQ(r.KlassenText(5), QStringLiteral("-"));
  EXPECT_EQ(r.KlassenText(4), QStringLiteral("1"));
  EXPECT_EQ(r.KlassenText(3), QStringLiteral("-"));
  EXPECT_EQ(r.GesamtText(), QStringLiteral("100,00 €"));
  EXPECT_EQ(r.GesamtAnteilText(), QStringLiteral("100,00 €"));
  EXPECT_EQ(r.QuoteText(), QStringLiteral("10000,00 %"));
  EXPECT_EQ(r.HoechstText(), QStringLiteral("100,00 €"));
  EXPECT_EQ(r.hoechstDatum, QStringLiteral("10.03.2024"));
  EXPECT_EQ(r.hoechstZeile, 1);
}

TEST(ScheinAuswerten, ZeitraumMitGewinnInDerMitte) {
  Lauf l({Ziehung("01.03.2024", {1, 2, 3, 4, 5}), Ziehung("03.03.2024", {20, 21, 22, 23, 24}), Ziehung("07.03.2024", {2, 9, 17, 33, 34}),
          Ziehung("10.03.2024", {30, 31, 32, 33, 35})},
         {{20, 21, 22, 30, 31}, {6, 7, 8, 10, 11}}, 3, 1, true);
  const auto& r = l.Starten();
  ASSERT_EQ(l.tabelle.Zeilen(), 4);
  EXPECT_EQ(l.Zeile(1), (QStringList{"03.03.2024", "3", "1", "8,00", "8,00"}));
  EXPECT_EQ(l.Zeile(2), (QStringList{"07.03.2024", "---", "---", "---", ""}));
  EXPECT_EQ(l.Zeile(3), (QStringList{"10.03.2024", "---", "---", "---", ""}));  // row 1 loses, row 2 too
  EXPECT_EQ(r.GewAuswListe.size(), 3u);
  EXPECT_EQ(r.hoechstZeile, 1);
  // 8 / (3 draws * 2 rows * 0.50) = 266.6666...% → 266.6667 → "266,67 %"
  EXPECT_EQ(r.QuoteText(), QStringLiteral("266,67 %"));

  // Only the middle draw wins: highest-win row 2 with its date.
  l.e.ende = 2;
  l.e.anfang = 0;
  l.ziehungen[0] = Ziehung("01.03.2024", {1, 2, 3, 4, 5});
  l.ziehungen[2] = Ziehung("07.03.2024", {1, 2, 3, 4, 5});
  const auto& r2 = l.Starten();
  ASSERT_EQ(l.tabelle.Zeilen(), 4);
  EXPECT_EQ(l.Zeile(1)[1], QStringLiteral("---"));
  EXPECT_EQ(l.Zeile(3)[1], QStringLiteral("---"));
  EXPECT_EQ(r2.hoechstZeile, 2);
  EXPECT_EQ(r2.hoechstDatum, QStringLiteral("03.03.2024"));

  // Start equal to end evaluates that single draw.
  l.e.anfang = l.e.ende = 1;
  l.Starten();
  EXPECT_EQ(l.a.ergebnis.GewAuswListe.size(), 1u);
  EXPECT_EQ(l.tabelle.Zeilen(), 2);
}

TEST(ScheinAuswerten, GleicheGewinneErsterBleibtHoechster) {
  Lauf l({Ziehung("10.03.2024", {2, 9, 17, 25, 31})}, {{1, 3, 5, 7, 11}, {2, 9, 17, 25, 1}, {2, 9, 17, 31, 3}}, 0);
  const auto& r = l.Starten();
  ASSERT_EQ(l.tabelle.Zeilen(), 3);
  EXPECT_EQ(l.Zeile(1), (QStringList{"10.03.2024", "4", "2", "100,00", "100,00"}));
  EXPECT_EQ(l.Zeile(2), (QStringList{"", "4", "3", "100,00", "100,00"}));
  EXPECT_EQ(r.hoechstZeile, 1);
  EXPECT_EQ(r.GesamtText(), QStringLiteral("200,00 €"));
}

TEST(ScheinAuswerten, AnteileEinsVonDrei) {
  Lauf l({Ziehung("10.03.2024", {2, 9, 17, 25, 31})}, {{2, 9, 17, 1, 3}}, 0);
  l.e.antGes = 3;
  l.Starten();
  EXPECT_EQ(l.Zeile(1), (QStringList{"10.03.2024", "3", "1", "8,00", "2,66"}));
  EXPECT_EQ(l.a.ergebnis.GesamtAnteilText(), QStringLiteral("2,66 €"));
  // Two such wins: 2,66 each, but the part of the total is computed from the total.
  l.e.reihen.push_back(l.e.reihen.front());
  l.Starten();
  EXPECT_EQ(l.Zeile(2)[4], QStringLiteral("2,66"));
  EXPECT_EQ(l.a.ergebnis.GesamtAnteilText(), QStringLiteral("5,33 €"));
}

TEST(ScheinAuswerten, AblehnungenUndGrenzfaelle) {
  const std::vector<TGewZahlen> zwei{Ziehung("01.03.2024", {1, 2, 3, 4, 5}), Ziehung("08.03.2024", {6, 7, 8, 9, 10})};
  struct Fall {
    std::vector<TGewZahlen> ziehungen;
    int ende, anfang;
    bool zeitraum;
    QString meldung;
  };
  const Fall faelle[] = {
      {zwei, 0, 1, true, ZeitraumFehler()},     {{}, -1, -1, false, KeineGewinnzahlen()},  // empty history
      {zwei, 2, 1, false, KeineGewinnzahlen()},                                            // the date of a draw still being entered
      {zwei, 1, -1, true, KeineGewinnzahlen()},                                            // no start selected
      {zwei, -1, 0, true, KeineGewinnzahlen()},
  };
  for (const auto& f : faelle) {
    Lauf l(f.ziehungen, {{1, 2, 3, 4, 5}}, f.ende, f.anfang, f.zeitraum);
    l.Starten();
    ASSERT_TRUE(l.a.ablehnung);
    EXPECT_EQ(l.a.ablehnung->art, MeldungsArt::Information);
    EXPECT_EQ(l.a.ablehnung->text, f.meldung);
  }
  EXPECT_EQ(ZeitraumFehler(),
            QStringLiteral("Bitte kontrollieren Sie die Angaben für den Zeitraum der Gewinnauswertung\r\rIch breche erst einmal ab."));

  // Zero shares: no part; no rows or no price: no return rate. Never "inf" or "nan".
  Lauf l(zwei, {{1, 2, 3, 9, 10}}, 1, 0, true);
  l.e.antGes = 0;
  l.Starten();
  EXPECT_EQ(l.Zeile(1), (QStringList{"01.03.2024", "3", "1", "8,00", "---"}));
  EXPECT_EQ(l.a.ergebnis.GesamtAnteilText(), QStringLiteral("---"));
  l.e.preis = 0;
  EXPECT_EQ(l.Starten().QuoteText(), QStringLiteral("---"));
  l.e.preis = 0.5f;
  l.e.reihen.clear();
  const auto& leer = l.Starten();
  EXPECT_EQ(leer.QuoteText(), QStringLiteral("---"));
  EXPECT_EQ(l.Zeile(1), (QStringList{"01.03.2024", "", "", "", ""}));
  EXPECT_EQ(leer.HoechstText(), QStringLiteral("0,00 €"));
  EXPECT_EQ(leer.hoechstZeile, 0);
}

namespace {
// Every win (draw, row) and the class counts by the plain 32-byte set and nibble-table count.
void PlainGewinne(const std::vector<TGewZahlen>& ziehungen, const std::vector<std::vector<int>>& reihen, std::array<int, 6>& klassen,
                  std::vector<std::pair<int, int>>& gewinne) {
  for (std::size_t d = 0; d < ziehungen.size(); ++d)
    for (std::size_t i = 0; i < reihen.size(); ++i) {
      std::uint8_t a[32] = {}, b[32] = {};
      for (int n : reihen[i]) a[n / 8] |= static_cast<std::uint8_t>(1u << (n % 8));
      for (auto n : ziehungen[d].GZ) b[n / 8] |= static_cast<std::uint8_t>(1u << (n % 8));
      for (int k = 0; k < 32; ++k) a[k] &= b[k];
      const int h = BitsZaehlen(a, 32);
      if (h >= 3 && h <= 5) {
        ++klassen[static_cast<std::size_t>(h)];
        gewinne.emplace_back(static_cast<int>(d), static_cast<int>(i) + 1);
      }
    }
}
}  // namespace

TEST(ScheinAuswerten, TrefferWieDieTabellenzaehlung) {
  // Random rows and draws: every result row and every class count agrees with the plain count.
  // Big tickets of 1..35 go through the triple index (also with repeated rows and rows of fewer
  // numbers); numbers above 35 (stored data is not validated) are counted row by row.
  struct Fall {
    const char* name;
    int reihen, ziehungen;
    bool fremdeZahlen;
  };
  for (const Fall& f : {Fall{"Index", 4000, 40, false}, Fall{"Zahlen über 35", 300, 60, true}}) {
    std::mt19937 zufall(11);
    std::vector<TGewZahlen> ziehungen;
    for (int d = 0; d < f.ziehungen; ++d) {
      TGewZahlen z;
      z.datum = 45000 + d;
      TZahlenMenge m;
      for (int k = 0; k < 5;) {
        const int zahl = f.fremdeZahlen && d % 7 == 0 ? static_cast<int>(zufall() % 256) : 1 + static_cast<int>(zufall() % 35);
        if (!f.fremdeZahlen && m.Enthaelt(zahl)) continue;
        m.Einschliessen(zahl);
        z.GZ[k++] = static_cast<std::uint8_t>(zahl);
      }
      ziehungen.push_back(z);
    }
    std::vector<std::vector<int>> reihen;
    for (int r = 0; r < f.reihen; ++r) {
      std::vector<int> reihe;
      for (int i = 0; i < 5; ++i)
        reihe.push_back(f.fremdeZahlen && r % 13 == 0 ? static_cast<int>(zufall() % 256)
                                                      : 1 + static_cast<int>(zufall() % (r % 5 ? 35 : 9)));
      if (r % 17 == 0 && r > 0) reihe = reihen.back();  // the same row twice
      reihen.push_back(reihe);
    }
    // Every draw wins somewhere: the draw's own numbers as a row.
    for (int d = 0; d < f.ziehungen; d += 3)
      reihen.push_back(std::vector<int>(ziehungen[static_cast<std::size_t>(d)].GZ, ziehungen[static_cast<std::size_t>(d)].GZ + 5));
    Lauf l(ziehungen, reihen, f.ziehungen - 1, 0, true);
    const auto& r = l.Starten();
    std::array<int, 6> klassen{};
    std::vector<std::pair<int, int>> gewinne;
    PlainGewinne(ziehungen, reihen, klassen, gewinne);
    EXPECT_EQ(r.klassenAnzahl, klassen) << f.name;
    EXPECT_GT(klassen[5], 0) << f.name;
    std::vector<std::pair<int, int>> gefunden;
    for (const auto& z : r.zeilen)
      if (z.klasse > 0) gefunden.emplace_back(z.ziehung, z.reihe);
    EXPECT_EQ(gefunden, gewinne) << f.name;
  }
}

TEST(ScheinAuswerten, ZuGrossWirdVorherAbgelehntUndAbbrechenLaesstNichtsHalbes) {
  std::vector<TGewZahlen> ziehungen;
  for (int d = 0; d < 2000; ++d) ziehungen.push_back(Ziehung("01.03.2024", {1 + d % 30, 2 + d % 30, 3 + d % 30, 4 + d % 30, 5 + d % 30}));
  std::vector<std::vector<int>> reihen;
  for (int a = 1; a <= 31; ++a) reihen.push_back({a, a + 1, a + 2, a + 3, a + 4});
  Lauf l(ziehungen, reihen, 1999, 0, true);
  // At most 2,000 "---" rows and the rows of each draw's ten triples: more than 1,000 rows of room.
  l.e.speicherGrenze = 1000 * sizeof(ErgebnisZeile);
  l.Starten();
  ASSERT_TRUE(l.a.ablehnung);
  EXPECT_TRUE(l.a.ablehnung->text.startsWith(QStringLiteral("Diese Auswertung ergäbe bis zu ")));
  EXPECT_TRUE(l.a.ergebnis.zeilen.empty());
  l.e.speicherGrenze = 0;
  EXPECT_FALSE(l.Starten().zeilen.empty());

  // A cancel request ends the run as cancelled; the progress counts draws.
  Arbeitsstand stand;
  stand.abbrechen = true;
  l.e.stand = &stand;
  l.Starten();
  EXPECT_TRUE(l.a.abgebrochen);
  EXPECT_EQ(stand.gesamt, 2000);
  stand.abbrechen = false;
  l.Starten();
  EXPECT_FALSE(l.a.abgebrochen);
  EXPECT_EQ(stand.fortschritt, 2000);
}

TEST(ScheinAuswerten, RuecklaufquoteMitEinerRundungsregel) {
  // The rate is kept in ten-thousandths (rounded ties to even) and shown with two decimals,
  // rounded half away from zero from that count, whatever the binary double would have given.
  struct Fall {
    const char* name;
    std::vector<std::vector<int>> reihen;
    float preis;
    std::int64_t zehntausendstel;
    const char* text;
  };
  std::vector<std::vector<int>> viele(12800, std::vector<int>{30, 31, 32, 33, 34});
  viele[0] = {1, 2, 3, 20, 21};  // one 3-hit win of 8,00
  const Fall faelle[] = {
      // 100,00 / (1 draw * 2 rows * 1,05 as a 32-bit float) * 100 = 4761,9049... → 4761,9050
      {"Preis 1,05", {{1, 2, 3, 4, 20}, {30, 31, 32, 33, 34}}, 1.05f, 47619050, "4761,91 %"},
      // 8,00 / (1 * 12800 * 0,50) * 100 = 0,1250 exactly
      {"binaerer Gleichstand", viele, 0.5f, 1250, "0,13 %"},
  };
  for (const auto& f : faelle) {
    Lauf l({Ziehung("10.03.2024", {1, 2, 3, 4, 5})}, f.reihen, 0);
    l.e.preis = f.preis;
    const auto& r = l.Starten();
    ASSERT_TRUE(r.quote) << f.name;
    EXPECT_EQ(*r.quote, f.zehntausendstel) << f.name;
    EXPECT_EQ(r.QuoteText(), QString::fromLatin1(f.text)) << f.name;
  }
}
