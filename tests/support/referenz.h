// Plain reference methods, as straightforward as the rules read, to check the fast ones against.
#pragma once

#include <cstdint>
#include <vector>

#include "core/var_def.h"

namespace referenz {

// Every combination of k numbers (lexicographic) tested against every draw of von..bis.
inline std::vector<std::uint32_t> KombisZaehlen(int k, const std::vector<TZahlenMenge>& mengen, int von, int bis) {
  std::vector<TZahlenMenge> kombis;
  std::vector<int> z(static_cast<std::size_t>(k));
  for (int i = 0; i < k; ++i) z[static_cast<std::size_t>(i)] = i + 1;
  for (;;) {
    TZahlenMenge m;
    for (int n : z) m.Einschliessen(n);
    kombis.push_back(m);
    int i = k - 1;
    while (i >= 0 && z[static_cast<std::size_t>(i)] == MaxZahl - (k - 1 - i)) --i;
    if (i < 0) break;
    ++z[static_cast<std::size_t>(i)];
    for (int j = i + 1; j < k; ++j) z[static_cast<std::size_t>(j)] = z[static_cast<std::size_t>(j - 1)] + 1;
  }
  std::vector<std::uint32_t> anzahl(kombis.size(), 0);
  for (std::size_t c = 0; c < kombis.size(); ++c)
    for (int d = von; d <= bis; ++d)
      if ((kombis[c] & mengen[static_cast<std::size_t>(d)]) == kombis[c]) ++anzahl[c];
  return anzahl;
}

// The list-filling loop: from the highest (lowest) count, whole groups in table order, until more
// than 100 rows are written.
inline std::vector<std::uint32_t> Liste(const std::vector<std::uint32_t>& anzahl, bool haeufigste) {
  std::vector<std::uint32_t> zeilen;
  std::int64_t m = haeufigste ? 0 : 10000000;
  for (auto a : anzahl) m = haeufigste ? std::max<std::int64_t>(m, a) : std::min<std::int64_t>(m, a);
  do {
    for (std::size_t c = 0; c < anzahl.size(); ++c)
      if (anzahl[c] == m) zeilen.push_back(static_cast<std::uint32_t>(c));
    m += haeufigste ? -1 : 1;
  } while (zeilen.size() <= 100);
  return zeilen;
}

}  // namespace referenz
