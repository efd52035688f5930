// Draw histories from elsewhere: the format found in typical files, the checks of every line, the
// merge into the history, the export and the way back.
#include <gtest/gtest.h>
#include <QFile>
#include <cstring>

#include "core/datum.h"
#include "core/ziehungen.h"
#include "core/ziehungsimport.h"
#include "testlogik.h"

namespace {
class Ziehungsimport : public LogikTest {};

std::vector<QStringList> Zeilen(const char* text) {
  const QString t = QString::fromUtf8(text);
  return TextZerlegen(t, TrennerErkennen(t));
}

QString Text(const ImportZiehung& z) {
  QString t = DatumAlsQDate(z.datum).toString("dd.MM.yyyy");
  for (auto n : z.zahlen) t += ' ' + QString::number(n);
  return t;
}

TGewZahlen Ziehung(const char* datum, std::array<std::uint8_t, 5> zahlen) {
  TGewZahlen z;
  z.datum = *TextAlsDatum(QString::fromLatin1(datum));
  std::copy(zahlen.begin(), zahlen.end(), z.GZ);
  return z;
}
}  // namespace

TEST_F(Ziehungsimport, TypischeDateienWerdenErkannt) {
  struct Fall {
    const char* name;
    const char* text;
    int kopfzeilen;
    std::optional<DatumsFolge> folge;
    std::vector<QString> ziehungen;
  };
  const Fall faelle[] = {
      {"public export: game, month, day, year, five numbers",
       "Cash Five,9,24,2018,3,11,17,24,35\r\nCash Five,9,25,2018,1,2,3,4,5\r\nCash Five,10,1,2018,6,7,8,9,10\r\n",
       0,
       DatumsFolge::MonatTagJahr,
       {"24.09.2018 3 11 17 24 35", "25.09.2018 1 2 3 4 5", "01.10.2018 6 7 8 9 10"}},
      {"German with a header line and more columns",
       "Datum;Z1;Z2;Z3;Z4;Z5;Jackpot\n24.09.2018;3;11;17;24;35;100000\n01.10.2018;6;7;8;9;10;120000\n",
       1,
       DatumsFolge::TagMonatJahr,
       {"24.09.2018 3 11 17 24 35", "01.10.2018 6 7 8 9 10"}},
      {"ISO dates, numbers before a text column",
       "2018-09-24,3,11,17,24,35,\"Gewinner, 3\"\n2018-10-01,6,7,8,9,10,x\n",
       0,
       DatumsFolge::JahrMonatTag,
       {"24.09.2018 3 11 17 24 35", "01.10.2018 6 7 8 9 10"}},
      {"copied from a web page: blanks between",
       "24.09.2018  3 11 17 24 35\n01.10.2018 6  7 8 9 10\n",
       0,
       DatumsFolge::TagMonatJahr,
       {"24.09.2018 3 11 17 24 35", "01.10.2018 6 7 8 9 10"}},
      {"slashes that do not decide the order", "03/04/2019;1;2;3;4;5\n05/06/2019;6;7;8;9;10\n", 0, std::nullopt, {}},
      {"slashes, the day second",
       "03/14/2019;1;2;3;4;5\n05/06/2019;6;7;8;9;10\n",
       0,
       DatumsFolge::MonatTagJahr,
       {"14.03.2019 1 2 3 4 5", "06.05.2019 6 7 8 9 10"}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const auto zeilen = Zeilen(f.text);
    const ImportFormat format = FormatErkennen(zeilen);
    EXPECT_EQ(format.kopfzeilen, f.kopfzeilen);
    EXPECT_EQ(format.folge, f.folge);
    const ImportPruefung p = ImportPruefen(zeilen, format);
    std::vector<QString> gelesen;
    for (const auto& z : p.ziehungen) gelesen.push_back(Text(z));
    EXPECT_EQ(gelesen, f.ziehungen);
    EXPECT_TRUE(p.probleme.empty());
  }
  // The player decides an undecided order.
  const auto zeilen = Zeilen("03/04/2019;1;2;3;4;5\n");
  ImportFormat f = FormatErkennen(zeilen);
  f.folge = DatumsFolge::MonatTagJahr;
  ASSERT_EQ(ImportPruefen(zeilen, f).ziehungen.size(), 1u);
  EXPECT_EQ(Text(ImportPruefen(zeilen, f).ziehungen[0]), QStringLiteral("04.03.2019 1 2 3 4 5"));
}

TEST_F(Ziehungsimport, JedeZeileMitIhremProblem) {
  const auto zeilen = Zeilen(
      "Datum;Z1;Z2;Z3;Z4;Z5\n"
      "01.03.2024;1;2;3;4;5\n"
      "31.02.2024;1;2;3;4;5\n"
      "08.03.2024;1;2;3;4\n"
      "15.03.2024;1;2;3;4;36\n"
      "22.03.2024;1;2;3;4;4\n"
      "29.03.2024;1;2;drei;4;5\n"
      "\n"
      "01.03.2024;5;4;3;2;1\n"
      "01.03.2024;1;2;3;4;6\n"
      "05.04.2024;7;8;9;10;11\n");
  const ImportFormat f = FormatErkennen(zeilen);
  const ImportPruefung p = ImportPruefen(zeilen, f);
  ASSERT_EQ(p.ziehungen.size(), 2u);
  EXPECT_EQ(p.ziehungen[1].zeile, 11);
  EXPECT_EQ(p.doppelt, 1);  // line 9: the same draw again, in another order
  std::vector<QString> probleme;
  for (const auto& pr : p.probleme) probleme.push_back(pr.text);
  EXPECT_EQ(probleme, (std::vector<QString>{
                          "Zeile 3: \"31.02.2024\" ist kein gültiges Datum.",
                          "Zeile 4: Es stehen weniger als fünf Zahlen darin.",
                          "Zeile 5: Die Zahl 36 liegt nicht zwischen 1 und 35.",
                          "Zeile 6: Die Zahl 4 steht zweimal darin.",
                          "Zeile 7: \"drei\" ist keine Zahl.",
                          "Zeile 10: Das Datum 01.03.2024 steht schon in Zeile 2, mit anderen Zahlen.",
                      }));
}

TEST_F(Ziehungsimport, ZusammenfuehrenInDatumsfolge) {
  const std::vector<TGewZahlen> historie = {Ziehung("01.03.2024", {1, 2, 3, 4, 5}), Ziehung("15.03.2024", {6, 7, 8, 9, 10}),
                                            Ziehung("29.03.2024", {11, 12, 13, 14, 15})};
  const auto zeilen = Zeilen(
      "05.04.2024;20;21;22;23;24\n"
      "08.03.2024;30;31;32;33;34\n"
      "15.03.2024;10;9;8;7;6\n"
      "29.03.2024;11;12;13;14;35\n"
      "22.02.2024;1;3;5;7;9\n");
  const ImportPruefung p = ImportPruefen(zeilen, FormatErkennen(zeilen));
  for (bool dateiGewinnt : {false, true}) {
    SCOPED_TRACE(dateiGewinnt);
    const Zusammenfuehrung z = Zusammenfuehren(historie, p.ziehungen, dateiGewinnt);
    EXPECT_EQ(z.neu, 3);
    EXPECT_EQ(z.gleich, 1);
    EXPECT_EQ(z.geaendert, dateiGewinnt ? 1 : 0);
    ASSERT_EQ(z.konflikte.size(), 1u);
    EXPECT_EQ(z.konflikte[0].zeile, 4);
    QStringList daten;
    for (const auto& g : z.liste) daten << DatumAlsText(g.datum);
    EXPECT_EQ(daten, QStringList({"22.02.2024", "01.03.2024", "08.03.2024", "15.03.2024", "29.03.2024", "05.04.2024"}));
    EXPECT_EQ(z.liste[4].GZ[4], dateiGewinnt ? 35 : 15);
  }
}

TEST_F(Ziehungsimport, ExportUndWiederImportGebenDieselbeHistorie) {
  const std::vector<TGewZahlen> historie = {Ziehung("01.03.2024", {1, 2, 3, 4, 5}), Ziehung("15.03.2024", {35, 7, 8, 9, 10})};
  const QByteArray csv = ZiehungenAlsCsv(historie);
  EXPECT_EQ(csv, QByteArray("01.03.2024;1;2;3;4;5\r\n15.03.2024;35;7;8;9;10\r\n"));
  const auto zeilen = TextZerlegen(QString::fromLatin1(csv), TrennerErkennen(QString::fromLatin1(csv)));
  const Zusammenfuehrung z = Zusammenfuehren({}, ImportPruefen(zeilen, FormatErkennen(zeilen)).ziehungen, false);
  ASSERT_EQ(z.liste.size(), historie.size());
  for (std::size_t i = 0; i < historie.size(); ++i) {
    EXPECT_EQ(z.liste[i].datum, historie[i].datum);
    EXPECT_EQ(std::memcmp(z.liste[i].GZ, historie[i].GZ, 5), 0);
  }
}

TEST_F(Ziehungsimport, UebernehmenBehaeltDieAlteDateiAlsSicherung) {
  ZiehungenSchreiben({{"01.03.2024", {1, 2, 3, 4, 5}}});
  const QByteArray alt = DateiInhalt("GZ.535");
  const std::vector<TGewZahlen> neu = {Ziehung("01.03.2024", {1, 2, 3, 4, 5}), Ziehung("08.03.2024", {6, 7, 8, 9, 10})};
  ASSERT_TRUE(ZiehungenUebernehmen(neu, Pfad("GZ.535")).ok());
  EXPECT_EQ(DateiInhalt("GZ.bak"), alt);
  EXPECT_EQ(DateiInhalt("GZ.535").size(), 32);
  // A write that fails leaves the history as it was.
  {
    const DateiGroessenGrenze grenze(40);  // the copy fits, the new history not
    EXPECT_FALSE(ZiehungenUebernehmen({neu[0], neu[1], neu[1]}, Pfad("GZ.535")).ok());
  }
  EXPECT_EQ(DateiInhalt("GZ.535").size(), 32);
}
