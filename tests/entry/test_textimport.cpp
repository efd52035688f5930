// Free text into tip rows: the clean-up and the conversion with its checks.
#include <gtest/gtest.h>

#include "entry/textimport.h"
#include "testlogik.h"

namespace {
struct Lauf {
  QStringList zeilen;
  Reihenimport import;
  int fragen = 0;
};

// Runs both stages like the editor; antwort answers the blank question.
Lauf Uebertragen(const QString& text, std::optional<bool> antwort = true, bool praefix = true) {
  Lauf l;
  l.zeilen = text.split(QLatin1Char('\n'));
  TextfeldBereinigen(l.zeilen, praefix, [&] {
    ++l.fragen;
    return antwort;
  });
  l.import = ReihenAusText(l.zeilen);
  return l;
}

const QString Abbruch = QStringLiteral("\r\rIch breche erst einmal ab.");
QString KeineFuenf(int zeile) {
  return QStringLiteral(
             "In Zeile %1 kann ich keine fünf Zahlen ausmachen.\r\rBitte geben Sie die fünf Tippzahlen aus der "
             "Zahlenreihe 1 bis 35 Zeile für Zeile ein, jeweils durch ein Komma getrennt.")
             .arg(zeile) +
         Abbruch;
}
}  // namespace

TEST(Textimport, ZeilenWerdenZuReihen) {
  struct Fall {
    const char* text;
    std::optional<bool> antwort;
    bool praefix;
    std::vector<Tippreihe> reihen;
    QStringList bereinigt;
    int fragen;
  };
  const Fall faelle[] = {
      {"2,12,22,30,34", true, true, {{2, 12, 22, 30, 34}}, {"2,12,22,30,34"}, 0},
      {"Feld 1:\t2,12,22,30,34\nFeld 2:\t1,5,9,17,33",
       true,
       true,
       {{2, 12, 22, 30, 34}, {1, 5, 9, 17, 33}},
       {"2,12,22,30,34", "1,5,9,17,33"},
       0},
      {"  Feld 1:\t2,12,22,30,34  \n\nFeld 2:\t1,5,9,17,33",
       true,
       false,
       {{2, 12, 22, 30, 34}, {1, 5, 9, 17, 33}},
       {"2,12,22,30,34", "1,5,9,17,33"},
       0},  // "Feld" in the first line: prefixes go without the flag too
      {"7, 1,2,3,4,5", true, true, {{1, 2, 3, 4, 5}}, {"7,1,2,3,4,5"}, 0},
      {"1 2  3 4 5", true, true, {{1, 2, 3, 4, 5}}, {"1,2,3,4,5"}, 1},
      {"1;2;3;4;5", true, true, {{1, 2, 3, 4, 5}}, {"1,2,3,4,5"}, 0},
      {"1\t2\t3\t4\t5", true, true, {{1, 2, 3, 4, 5}}, {"1,2,3,4,5"}, 0},
      {"1,2,3,4,5,", true, true, {{1, 2, 3, 4, 5}}, {"1,2,3,4,5"}, 0},
      {"\xC2\xA0"
       "1,\xC2\xA0"
       "2,3,4,5",
       true,
       true,
       {{1, 2, 3, 4, 5}},
       {"1,2,3,4,5"},
       0},  // no-break spaces
      {"\"1\",2,3,4,5", true, true, {{1, 2, 3, 4, 5}}, {"\"1\",2,3,4,5"}, 0},
  };
  for (const auto& f : faelle) {
    const Lauf l = Uebertragen(QString::fromUtf8(f.text), f.antwort, f.praefix);
    ASSERT_FALSE(l.import.meldung) << f.text << ": " << l.import.meldung->text.toStdString();
    EXPECT_EQ(l.import.reihen, f.reihen) << f.text;
    EXPECT_EQ(l.zeilen, f.bereinigt) << f.text;
    EXPECT_EQ(l.fragen, f.fragen) << f.text;
  }
}

TEST(Textimport, MeldungenMitZeileUndPosition) {
  struct Fall {
    const char* text;
    std::optional<bool> antwort;
    bool praefix;
    QString meldung;
  };
  const Fall faelle[] = {
      {"1 2 3 4 5", false, true, KeineFuenf(1)},            // No: blanks deleted, 12345
      {"1 2 3 4 5", std::nullopt, true, KeineFuenf(1)},     // Cancel: blanks stay
      {"1\t2\t3\t4\t5", true, false, KeineFuenf(1)},        // tabs stay tabs without the flag
      {"1,2,3,4,5\n\n1,2,3,4", true, true, KeineFuenf(2)},  // the removed blank line does not count
      {"1,2,3,4,36", true, true,
       QStringLiteral("In Zeile 1 ist die 5. Zahl, die 36, keine gültige Tippzahl.\r\rDie fünf Tippzahlen sind aus der Zahlenreihe "
                      "1 bis 35 zu wählen.") +
           Abbruch},
      {"1,2,3,2,5", true, true,
       QStringLiteral("In Zeile 1 ist die 2. und die 4. Zahl gleich.\r\rBitte wählen Sie fünf verschiedene Tippzahlen aus der "
                      "Zahlenreihe 1 bis 35.") +
           Abbruch},
      // The range check covers all lines before the duplicate check.
      {"1,1,3,4,5\n1,2,3,4,5\n1,2,3,4,0", true, true,
       QStringLiteral("In Zeile 3 ist die 5. Zahl, die 0, keine gültige Tippzahl.\r\rDie fünf Tippzahlen sind aus der Zahlenreihe "
                      "1 bis 35 zu wählen.") +
           Abbruch},
      {"1,2,x,4,5", true, true, QStringLiteral("'x' ist kein gültiger Integerwert")},
      // Cancel keeps the final comma: an empty last item.
      {"1,2,3,4,5,\n6,7,8,9,1 0", std::nullopt, true, QStringLiteral("'' ist kein gültiger Integerwert")},
      {"\"1,2,3,4,5\"", true, true, KeineFuenf(1)},  // commas inside quotes do not separate
  };
  for (const auto& f : faelle) {
    const Lauf l = Uebertragen(QString::fromUtf8(f.text), f.antwort, f.praefix);
    ASSERT_TRUE(l.import.meldung) << f.text;
    EXPECT_EQ(l.import.meldung->text, f.meldung) << f.text;
    EXPECT_EQ(l.import.meldung->art, MeldungsArt::Fehler);
    EXPECT_TRUE(l.import.reihen.empty());
  }
  EXPECT_TRUE(Uebertragen(" \n \t\n").import.reihen.empty());  // nothing left, no message
  EXPECT_FALSE(Uebertragen(" \n \t\n").import.meldung);
}

TEST(Textimport, ZeilenTeile) {
  const std::pair<const char*, QStringList> faelle[] = {
      {"a,b", {"a", "b"}},    {"a,", {"a", ""}}, {",a", {"", "a"}}, {"\"x,y\",z", {"x,y", "z"}}, {"\"a\"\"b\"c,d", {"a\"b", "c", "d"}},
      {"\"offen", {"offen"}},
  };
  for (const auto& [zeile, teile] : faelle) EXPECT_EQ(ZeilenTeile(QString::fromUtf8(zeile)), teile) << zeile;
}
