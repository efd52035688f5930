// Number set, prize classes, money and dates.
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "core/datum.h"
#include "core/geld.h"
#include "core/var_def.h"
#include "core/zahlformat.h"
#include "core/zahltext.h"

TEST(Zahlenmenge, BitsZaehlenZaehltJedesBit) {
  std::uint8_t alle[32];
  std::fill(std::begin(alle), std::end(alle), 0xFF);
  EXPECT_EQ(BitsZaehlen(alle, sizeof alle), 256);
  const auto m = TZahlenMenge::Aus({1, 2, 35});
  EXPECT_EQ(BitsZaehlen(m), 3);
  // Number n is bit n mod 8 of byte n div 8.
  EXPECT_EQ(m.Bytes()[4], 0x08);
  EXPECT_EQ(m.Bytes()[0], 0x06);

  // The hardware count used by the engine agrees with the table count on any set.
  std::mt19937 zufall(7);
  for (int i = 0; i < 200; ++i) {
    TZahlenMenge r;
    for (int k = 0; k < 40; ++k) r.Einschliessen(static_cast<int>(zufall() % 256));
    ASSERT_EQ(r.Groesse(), BitsZaehlen(r));
  }
}

TEST(Zahlenmenge, SchnittmengeGibtTrefferUndKlasse) {
  const auto reihe = TZahlenMenge::Aus({3, 7, 12, 20, 35});
  const auto ziehung = TZahlenMenge::Aus({1, 7, 20, 21, 35});
  const int treffer = BitsZaehlen(reihe & ziehung);
  EXPECT_EQ(treffer, 3);
  const Gewinnklasse* k = GewinnklasseFuer(treffer);
  ASSERT_NE(k, nullptr);
  EXPECT_EQ(k->betrag, Geld::AusEinheiten(8));
  EXPECT_STREQ(k->kurz, "3 Ri.");
  EXPECT_EQ(k->spalte, 3);
  EXPECT_EQ(GewinnklasseFuer(5)->betrag, Geld::AusEinheiten(50000));
  EXPECT_EQ(GewinnklasseFuer(4)->spalte, 2);
  EXPECT_EQ(GewinnklasseFuer(2), nullptr);
  // Values outside 0..255 are never members.
  TZahlenMenge m;
  m.Einschliessen(256);
  m.Einschliessen(-1);
  EXPECT_EQ(m.Groesse(), 0);
}

TEST(Zahlenmenge, MengeAlsReihe) {
  struct Fall {
    std::initializer_list<int> menge;
    int k;
    std::vector<std::uint8_t> erwartet;
  };
  const Fall faelle[] = {
      {{4, 9, 33}, 6, {4, 9, 33, 0, 0, 0}},
      {{0, 4, 9}, 3, {4, 9, 0}},  // 0 is not walked
      {{30, 4, 17, 9, 22}, 6, {4, 9, 17, 22, 30, 0}},
      {{1, 2, 3, 4, 5, 6}, 5, {1, 2, 3, 4, 5}},  // stops after the k-th member
      {{36, 2}, 6, {2, 0, 0, 0, 0, 0}},          // stops after the highest number
  };
  for (const auto& f : faelle) EXPECT_EQ(MengeAlsReihe(TZahlenMenge::Aus(f.menge), f.k, MaxZahl), f.erwartet);
}

TEST(Geld, TextUndRundung) {
  EXPECT_EQ(GeldAlsZahl(Geld::AusEinheiten(50000)), QStringLiteral("50.000,00"));
  EXPECT_EQ(GeldAlsZahl(Geld{26600}), QStringLiteral("2,66"));
  EXPECT_EQ(GeldAlsWaehrung(Geld::AusEinheiten(116)), QStringLiteral("116,00 €"));
  EXPECT_EQ(GeldAlsWaehrung(Geld{}), QStringLiteral("0,00 €"));
  EXPECT_EQ(GeldAlsWaehrung(Geld::AusEinheiten(1234567)), QStringLiteral("1.234.567,00 €"));
  // To the nearest ten-thousandth, ties to even.
  EXPECT_EQ(Geld::AusZahl(0.00005L).roh, 0);
  EXPECT_EQ(Geld::AusZahl(0.00015L).roh, 2);
  EXPECT_EQ(Geld::AusZahl(2.66L).roh, 26600);
}

TEST(Datum, KurzesFormatMitVierstelligemJahr) {
  EXPECT_EQ(KurzesDatumsFormat(), QStringLiteral("dd.MM.yyyy"));
  EXPECT_EQ(DatumAlsText(0), QStringLiteral("30.12.1899"));
  const auto d = TextAlsDatum(QStringLiteral("11.03.2024"));
  ASSERT_TRUE(d);
  EXPECT_EQ(DatumAlsQDate(*d), QDate(2024, 3, 11));  // not 1924
  EXPECT_EQ(DatumAlsText(*d), QStringLiteral("11.03.2024"));
  EXPECT_FALSE(TextAlsDatum(QStringLiteral("31.02.2024")));
  HeuteFestlegen([] { return QDate(2026, 12, 10); });
  EXPECT_EQ(DatumAlsText(Heute()), QStringLiteral("10.12.2026"));
  HeuteFestlegen({});
}

TEST(Zahltext, GanzzahlenWieDieLaufzeit) {
  const std::pair<const char*, std::optional<int>> faelle[] = {{"17", 17},
                                                               {" 5 ", 5},
                                                               {"-3", -3},
                                                               {"$1F", 31},
                                                               {"0x1f", 31},
                                                               {"0X1F", 31},
                                                               {"", std::nullopt},
                                                               {"abc", std::nullopt},
                                                               {"1,5", std::nullopt},
                                                               {"12a", std::nullopt},
                                                               {"99999999999", std::nullopt}};
  for (const auto& [text, erwartet] : faelle) EXPECT_EQ(TextAlsGanzzahl(QString::fromUtf8(text)), erwartet) << text;
  EXPECT_EQ(KeinIntegerwert(QStringLiteral("abc")), QStringLiteral("'abc' ist kein gültiger Integerwert"));
}

TEST(Zahlformat, LibrariesSchreibenUndLesenZahlenImCFormat) {
  // Under the German locale the C library writes "8,5" and stops reading "2.5" at the point; inside
  // the guard (as around the spreadsheet libraries) both are the file formats' "8.5" and 2.5.
  const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
  const std::string alt = vorher ? vorher : "C";
  const bool deutsch = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  char text[32];
  if (deutsch) {
    std::snprintf(text, sizeof text, "%g", 8.5);
    EXPECT_STREQ(text, "8,5");
  }
  {
    const CZahlenformat cZahlen;
    std::snprintf(text, sizeof text, "%g", 8.5);
    EXPECT_STREQ(text, "8.5");
    EXPECT_EQ(std::strtod("2.5", nullptr), 2.5);
  }
  if (deutsch) {
    std::snprintf(text, sizeof text, "%g", 8.5);
    EXPECT_STREQ(text, "8,5");  // only for the guarded code
  }
  std::setlocale(LC_NUMERIC, alt.c_str());
}
