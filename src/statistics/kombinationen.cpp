#include "kombinationen.h"

#include <bit>

#include "statistics/zahlenstatistik.h"

KombiTabelle::KombiTabelle(int k) : k_(k), index_(k) {
  // All combinations in lexicographic order.
  int z[4];
  for (int i = 0; i < k; ++i) z[i] = i + 1;
  for (;;) {
    TZahlenMenge m;
    for (int i = 0; i < k; ++i) m.Einschliessen(z[i]);
    mengen_.push_back(m);
    int i = k - 1;
    while (i >= 0 && z[i] == MaxZahl - (k - 1 - i)) --i;
    if (i < 0) break;
    ++z[i];
    for (int j = i + 1; j < k; ++j) z[j] = z[j - 1] + 1;
  }
  anzahl_.assign(mengen_.size(), 0);
}

namespace {
// The k-element subsets of positions 0..s-1 as bit masks, for s up to 5.
const std::vector<unsigned>& Teilmengen(int s, int k) {
  static std::vector<unsigned> tabelle[6][6];
  static const bool fertig = [] {
    for (int n = 0; n <= 5; ++n)
      for (unsigned m = 0; m < (1u << n); ++m) tabelle[n][std::popcount(m)].push_back(m);
    return true;
  }();
  (void)fertig;
  return tabelle[s][k];
}
}  // namespace

void KombiTabelle::Zaehlen(int von, int bis) {
  std::fill(anzahl_.begin(), anzahl_.end(), 0u);
  const auto& mengen = GZMengen();
  const auto [a, b] = Zeitraum(von, bis, static_cast<int>(mengen.size()));
  constexpr std::uint64_t Zahlen1bis35 = ((std::uint64_t{1} << MaxZahl) - 1) << 1;
  int zahlen[5];
  int teil[4];
  for (int d = a; d <= b; ++d) {
    // The draw's numbers of 1..35, ascending (a stored draw may repeat a number: its set is smaller).
    std::uint64_t bits = mengen[static_cast<std::size_t>(d)].w[0] & Zahlen1bis35;
    int s = 0;
    while (bits && s < 5) {
      zahlen[s++] = std::countr_zero(bits);
      bits &= bits - 1;
    }
    if (s < k_) continue;
    for (unsigned maske : Teilmengen(s, k_)) {
      int t = 0;
      for (int i = 0; i < s; ++i)
        if (maske >> i & 1u) teil[t++] = zahlen[i];
      ++anzahl_[Index(teil)];
    }
  }
}

KombiTabelle& Kombis(int k) {
  static KombiTabelle zwei(2), drei(3), vier(4);
  return k == 2 ? zwei : k == 3 ? drei : vier;
}

void KombisAufbauen() {
  for (int k = 2; k <= 4; ++k) Kombis(k) = KombiTabelle(k);
}

Ranglisten RanglistenBilden(const KombiTabelle& tabelle) {
  // A counting pass over the count values: the table indices sorted by count, table order kept
  // within equal counts.
  const std::size_t n = tabelle.Groesse();
  std::uint32_t hoechste = 0;
  for (std::size_t i = 0; i < n; ++i) hoechste = std::max(hoechste, tabelle.Anzahl(i));
  std::vector<std::uint32_t> beginn(static_cast<std::size_t>(hoechste) + 2, 0);
  for (std::size_t i = 0; i < n; ++i) ++beginn[tabelle.Anzahl(i) + 1];
  for (std::size_t v = 1; v < beginn.size(); ++v) beginn[v] += beginn[v - 1];
  std::vector<std::uint32_t> sortiert(n);
  {
    std::vector<std::uint32_t> pos(beginn.begin(), beginn.end() - 1);
    for (std::size_t i = 0; i < n; ++i) sortiert[pos[tabelle.Anzahl(i)]++] = static_cast<std::uint32_t>(i);
  }
  constexpr std::size_t Mindestens = 100;  // rows are written until there are more than this
  Ranglisten r;
  for (std::size_t v = 0; v <= hoechste && r.seltenste.size() <= Mindestens; ++v)
    r.seltenste.insert(r.seltenste.end(), sortiert.begin() + beginn[v], sortiert.begin() + beginn[v + 1]);
  for (std::size_t v = hoechste + 1; v-- > 0 && r.haeufigste.size() <= Mindestens;)
    r.haeufigste.insert(r.haeufigste.end(), sortiert.begin() + beginn[v], sortiert.begin() + beginn[v + 1]);
  return r;
}

std::vector<int> KombisSuchen(const TZahlenMenge& wahl, int von, int bis) {
  std::vector<int> treffer;
  const auto& mengen = GZMengen();
  const auto [a, b] = Zeitraum(von, bis, static_cast<int>(mengen.size()));
  for (int d = a; d <= b; ++d)
    if ((mengen[static_cast<std::size_t>(d)] & wahl) == wahl) treffer.push_back(d);
  return treffer;
}

std::optional<Meldung> KombiAuswahl::Umschalten(int n) {
  if (n < 1 || n > MaxZahl) return std::nullopt;
  if (wahl_.Enthaelt(n)) {
    wahl_.Ausschliessen(n);
    --anzahl_;
    return std::nullopt;
  }
  if (anzahl_ >= 5) return Meldung{MeldungsArt::Fehler, QStringLiteral("Sie können maximal fünf Zahlen für die Suche angeben.")};
  wahl_.Einschliessen(n);
  ++anzahl_;
  return std::nullopt;
}

QString MengeAlsText(const TZahlenMenge& menge, int hoechste, const QString& trenner) {
  QString text;
  for (int k = 1; k <= hoechste && k <= 255; ++k)
    if (menge.Enthaelt(k)) {
      if (!text.isEmpty()) text += trenner;
      text += QString::number(k);
    }
  return text;
}
