// Tip rows from free text: the clean-up of a text field (typed, pasted from an e-mail, copied from
// a file) and the conversion of its lines into checked rows of five numbers.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include <QStringList>

#include "core/meldung.h"

// The clean-up, in place. frage asks whether blanks separate the numbers: true (Yes: blanks become
// commas), false (No: blanks are deleted), nothing (Cancel: the clean-up ends there).
void TextfeldBereinigen(QStringList& zeilen, bool praefix, const std::function<std::optional<bool>()>& frage);

// The question of the clean-up.
QString LeerzeichenFrage();

using Tippreihe = std::array<int, 5>;
struct Reihenimport {
  std::vector<Tippreihe> reihen;   // in line order, numbers in the order of the line
  std::optional<Meldung> meldung;  // the first problem; then no rows
};
// The conversion with its checks: five numbers per line, 1..35, all different.
Reihenimport ReihenAusText(const QStringList& zeilen);

// The items of a line split at ",", quoted items read as quoted text.
QStringList ZeilenTeile(const QString& zeile);
