// Draw histories from elsewhere: lines of cells (a CSV or text file, pasted text, a sheet), how to
// read a date and five numbers from them (found by itself, changeable by the player), the checks of
// every line, the merge into the history and the export of the history.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include "meldung.h"
#include "var_def.h"

// The order of day, month and year in a date (or in three columns of their own).
enum class DatumsFolge { TagMonatJahr, MonatTagJahr, JahrMonatTag };

struct ImportFormat {
  int kopfzeilen = 0;                          // lines before the first draw
  bool datumGeteilt = false;                   // day, month and year in columns of their own
  int datumSpalte = 0;                         // the date column (0-based), when not split
  std::array<int, 3> teilSpalten{-1, -1, -1};  // when split: the columns of the three parts, in `folge` order
  std::optional<DatumsFolge> folge;            // nothing: the rows do not decide it, the player must
  std::array<int, 5> zahlSpalten{-1, -1, -1, -1, -1};
};

// The separator of a text: the one of ; tab , | that splits its first lines most evenly.
QChar TrennerErkennen(const QString& text);
// The lines of a text split at the separator (cells trimmed, quotes around a cell removed).
std::vector<QStringList> TextZerlegen(const QString& text, QChar trenner);
// The header lines, the date (one column or three) with its order and the five number columns.
ImportFormat FormatErkennen(const std::vector<QStringList>& zeilen);

// A date text in the given order ("24.09.2018", "9/24/2018", "2018-09-24", two-digit years as
// 20yy); invalid when it is none.
QDate DatumLesen(const QString& text, DatumsFolge folge);

struct ImportZiehung {
  int zeile = 0;     // line number in the file (1-based)
  double datum = 0;  // days since 30 December 1899
  std::array<std::uint8_t, 5> zahlen{};
};
struct ImportProblem {
  int zeile = 0;
  QString text;  // the whole message, beginning with "Zeile N:"
};
struct ImportPruefung {
  std::vector<ImportZiehung> ziehungen;  // the good lines, in file order
  std::vector<ImportProblem> probleme;   // the lines left out, in file order
  int doppelt = 0;                       // lines repeating an earlier line of the file exactly
};
// Checks every line after the header: a date, five numbers, each 1..35, none twice, a date not
// twice with other numbers. A line with a problem is left out.
ImportPruefung ImportPruefen(const std::vector<QStringList>& zeilen, const ImportFormat& format);

struct ImportKonflikt {
  int zeile = 0;
  double datum = 0;
  std::array<std::uint8_t, 5> historie{}, datei{};
};
struct Zusammenfuehrung {
  std::vector<TGewZahlen> liste;  // the new history, oldest first
  int neu = 0, gleich = 0, geaendert = 0;
  std::vector<ImportKonflikt> konflikte;  // dates of the history the file gives other numbers
};
// New draws go to their place in date order; a date of the history with the same numbers is
// skipped, with other numbers it is a conflict: the file's numbers replace the history's when
// dateiGewinnt.
Zusammenfuehrung Zusammenfuehren(const std::vector<TGewZahlen>& historie, const std::vector<ImportZiehung>& datei, bool dateiGewinnt);

// Keeps the previous file as "GZ.bak" beside it and writes the new history through the safe save.
Ergebnis ZiehungenUebernehmen(const std::vector<TGewZahlen>& liste, const QString& pfad);

// The history as text: "dd.mm.yyyy;n1;n2;n3;n4;n5" and CR LF per draw.
QByteArray ZiehungenAlsCsv(const std::vector<TGewZahlen>& liste);
