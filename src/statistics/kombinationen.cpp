#include "kombinationen.h"

#include <algorithm>
#include <bit>
#include <limits>

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
  anzahl_.assign(mengen_.size() + 1, 0);
  plaetze_ = k == 4 ? 5 : 10;  // 5 over k for k = 2, 3, 4
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

void KombiTabelle::IndizesAufbauen() {
  const auto& mengen = GZMengen();
  static_assert(std::numeric_limits<std::uint16_t>::max() > 52360, "35 over 4 and the spare counter fit in 16 bits");
  const auto frei = static_cast<std::uint16_t>(mengen_.size());
  indizes_.assign(mengen.size() * plaetze_, frei);
  constexpr std::uint64_t Zahlen1bis35 = ((std::uint64_t{1} << MaxZahl) - 1) << 1;
  int zahlen[5];
  int teil[4];
  for (std::size_t d = 0; d < mengen.size(); ++d) {
    // The draw's numbers of 1..35, ascending (a stored draw may repeat a number: its set is smaller).
    std::uint64_t bits = mengen[d].w[0] & Zahlen1bis35;
    int s = 0;
    while (bits && s < 5) {
      zahlen[s++] = std::countr_zero(bits);
      bits &= bits - 1;
    }
    if (s < k_) continue;
    std::uint16_t* platz = indizes_.data() + d * plaetze_;
    for (unsigned maske : Teilmengen(s, k_)) {
      int t = 0;
      for (int i = 0; i < s; ++i)
        if (maske >> i & 1u) teil[t++] = zahlen[i];
      *platz++ = static_cast<std::uint16_t>(Index(teil));
    }
  }
  // Checkpoints: the counts of draws 0 .. j * abstand - 1, at most 33 of them.
  stuetzAbstand_ = std::max<std::size_t>(256, (mengen.size() + 31) / 32);
  const std::size_t c = anzahl_.size(), stuetzen = mengen.size() / stuetzAbstand_ + 1;
  stuetzen_.assign(stuetzen * c, 0);
  std::vector<std::uint32_t> laufend(c, 0);
  for (std::size_t j = 1; j < stuetzen; ++j) {
    const std::uint16_t* i = indizes_.data() + (j - 1) * stuetzAbstand_ * plaetze_;
    const std::uint16_t* ende = indizes_.data() + j * stuetzAbstand_ * plaetze_;
    for (; i != ende; ++i) ++laufend[*i];
    std::copy(laufend.begin(), laufend.end(), stuetzen_.begin() + static_cast<std::ptrdiff_t>(j * c));
  }
  stand_ = StatistikStand();
}

void KombiTabelle::Zaehlen(int von, int bis) {
  const auto& mengen = GZMengen();
  if (stand_ != StatistikStand() || indizes_.size() != mengen.size() * plaetze_) IndizesAufbauen();
  std::fill(anzahl_.begin(), anzahl_.end(), 0u);
  const auto [a, b] = Zeitraum(von, bis, static_cast<int>(mengen.size()));
  if (b < a) return;
  auto zaehlen = [this](std::size_t ab, std::size_t bis) {
    const std::uint16_t* i = indizes_.data() + ab * plaetze_;
    const std::uint16_t* ende = indizes_.data() + bis * plaetze_;
    std::uint32_t* anzahl = anzahl_.data();
    for (; i != ende; ++i) ++anzahl[*i];
  };
  // Draws [anfang, ende): the stretch between two checkpoints from their difference, the draws
  // before and after it one by one.
  const auto anfang = static_cast<std::size_t>(a), ende = static_cast<std::size_t>(b) + 1;
  const std::size_t ersteStuetze = (anfang + stuetzAbstand_ - 1) / stuetzAbstand_, letzteStuetze = ende / stuetzAbstand_;
  if (ersteStuetze >= letzteStuetze) {
    zaehlen(anfang, ende);
    return;
  }
  const std::size_t c = anzahl_.size();
  const std::uint32_t* oben = stuetzen_.data() + letzteStuetze * c;
  const std::uint32_t* unten = stuetzen_.data() + ersteStuetze * c;
  for (std::size_t i = 0; i < c; ++i) anzahl_[i] = oben[i] - unten[i];
  zaehlen(anfang, ersteStuetze * stuetzAbstand_);
  zaehlen(letzteStuetze * stuetzAbstand_, ende);
}

KombiTabelle& Kombis(int k) {
  static KombiTabelle zwei(2), drei(3), vier(4);
  return k == 2 ? zwei : k == 3 ? drei : vier;
}

void KombisAufbauen() {
  // The sets and the per-draw index rows stay (the rows follow the statistics base by themselves).
  for (int k = 2; k <= 4; ++k) Kombis(k).ZaehlerLeeren();
}

namespace {
// The combinations of the groups of counts in the order given, table order within a group.
template <typename Wieviele>
std::vector<std::uint32_t> GruppenSammeln(const std::uint32_t* anzahl, std::size_t n, const std::vector<std::uint32_t>& gruppen,
                                          std::size_t zeilen, Wieviele&& wieviele) {
  std::vector<std::uint32_t> liste(zeilen + 1);  // one spare slot for the branch-free writes
  if (gruppen.size() == 1) {
    // One group (often most of the table): a pass that writes without branches.
    const std::uint32_t v = gruppen.front();
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
      liste[k] = static_cast<std::uint32_t>(i);
      k += anzahl[i] == v;
    }
  } else {
    // Several groups: one pass, each combination of a group to its group's next place.
    const auto [kleinsteIt, groessteIt] = std::minmax_element(gruppen.begin(), gruppen.end());
    const std::uint32_t kleinste = *kleinsteIt, groesste = *groessteIt;
    constexpr std::uint32_t Keine = std::numeric_limits<std::uint32_t>::max();
    std::vector<std::uint32_t> platz(groesste - kleinste + 1, Keine);
    std::uint32_t ab = 0;
    for (std::uint32_t v : gruppen) {
      platz[v - kleinste] = ab;
      ab += wieviele(v);
    }
    for (std::size_t i = 0; i < n; ++i)
      if (anzahl[i] - kleinste <= groesste - kleinste)
        if (std::uint32_t& p = platz[anzahl[i] - kleinste]; p != Keine) liste[p++] = static_cast<std::uint32_t>(i);
  }
  liste.resize(zeilen);
  return liste;
}
}  // namespace

Ranglisten RanglistenBilden(const KombiTabelle& tabelle) {
  // Only the groups at both ends are needed: the counts' spread, how many combinations have each
  // count, the groups each list takes until it has more than 100 rows, then those groups in order.
  constexpr std::size_t Mindestens = 100;  // rows are written until there are more than this
  const std::size_t n = tabelle.Groesse();
  Ranglisten r;
  if (n == 0) return r;
  const std::uint32_t* anzahl = tabelle.Anzahlen();
  const auto [kleinsteIt, hoechsteIt] = std::minmax_element(anzahl, anzahl + n);
  const std::uint32_t kleinste = *kleinsteIt, hoechste = *hoechsteIt;
  // Four histograms side by side: equal counts one after the other do not wait for each other.
  const std::size_t breite = static_cast<std::size_t>(hoechste - kleinste) + 1;
  std::vector<std::uint32_t> teile(4 * breite, 0);
  std::size_t i = 0;
  for (; i + 4 <= n; i += 4)
    for (std::size_t t = 0; t < 4; ++t) ++teile[t * breite + anzahl[i + t] - kleinste];
  for (; i < n; ++i) ++teile[anzahl[i] - kleinste];
  auto wieviele = [&](std::uint32_t v) {
    const std::size_t j = v - kleinste;
    return teile[j] + teile[breite + j] + teile[2 * breite + j] + teile[3 * breite + j];
  };
  std::vector<std::uint32_t> oben, unten;
  std::size_t zeilenOben = 0, zeilenUnten = 0;
  for (std::uint32_t v = hoechste + 1; v-- > kleinste && zeilenOben <= Mindestens;)
    if (const std::uint32_t m = wieviele(v)) {
      oben.push_back(v);
      zeilenOben += m;
    }
  for (std::uint32_t v = kleinste; v <= hoechste && zeilenUnten <= Mindestens; ++v)
    if (const std::uint32_t m = wieviele(v)) {
      unten.push_back(v);
      zeilenUnten += m;
    }
  r.haeufigste = GruppenSammeln(anzahl, n, oben, zeilenOben, wieviele);
  r.seltenste = GruppenSammeln(anzahl, n, unten, zeilenUnten, wieviele);
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
