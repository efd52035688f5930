#include "gewinnauswertung.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <new>
#include <utility>

#include <QDate>
#include <QLocale>

#include "core/datum.h"

QString ZeitraumFehler() {
  return QStringLiteral("Bitte kontrollieren Sie die Angaben für den Zeitraum der Gewinnauswertung") + CRCR +
         QStringLiteral("Ich breche erst einmal ab.");
}

QString KeineGewinnzahlen() {
  return QStringLiteral("Für die gewählte Ziehung liegen noch keine Gewinnzahlen vor.") + CRCR +
         QStringLiteral("Ich breche erst einmal ab.");
}

std::optional<Geld> AnteilBerechnen(Geld betrag, int antGes, int antMeine) {
  if (antGes == 0) return std::nullopt;
  const long double x = (100.0L * static_cast<long double>(betrag.roh) * antMeine) / antGes / 10000.0L;
  const long double cent = std::trunc(x);
  constexpr long double grenze = static_cast<long double>(std::numeric_limits<std::int64_t>::max() / 100);
  if (!(std::fabs(cent) < grenze)) return std::nullopt;  // beyond any amount money can hold
  return Geld{static_cast<std::int64_t>(cent) * 100};
}

std::vector<TZahlenMenge> ReihenAusTabelle(const TabellenDaten& tabelle) {
  std::vector<TZahlenMenge> reihen;
  const int r = tabelle.Zeilen() - 1;
  reihen.reserve(r > 0 ? static_cast<std::size_t>(r) : 0);
  for (int z = 1; z <= r; ++z) {
    TZahlenMenge m;
    for (int s = 1; s <= ZahlenJeReihe; ++s) {
      bool ok = false;
      const int n = tabelle.Zelle(z, s).trimmed().toInt(&ok, 10);
      if (ok && n >= 0 && n <= 255) m.Einschliessen(n);
    }
    reihen.push_back(m);
  }
  return reihen;
}

std::vector<TZahlenMenge> ReihenAlsMengen(const std::vector<std::array<std::uint8_t, 5>>& reihen) {
  std::vector<TZahlenMenge> mengen(reihen.size());
  for (std::size_t i = 0; i < reihen.size(); ++i)
    for (std::uint8_t n : reihen[i]) mengen[i].Einschliessen(n);
  return mengen;
}

QString ScheinTabelle::Zelle(int zeile, int spalte) const {
  if (zeile == 0) return kopf.value(spalte);
  if (zeile < 1 || zeile > static_cast<int>(reihen.size()) || spalte < 0 || spalte > 5) return {};
  return spalte == 0 ? QString::number(zeile)
                     : QString::number(reihen[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)]);
}

Zellbild ScheinTabelle::Bild(int zeile, int spalte) const {
  Zellbild bild;
  bild.fett = true;
  bild.hintergrund = Farbe::Zelle;
  if (gezogen) {
    if (zeile < 1 || zeile > static_cast<int>(reihen.size()) || spalte < 1 || spalte > 5)
      bild.hintergrund = Farbe::Weiss;  // an empty cell
    else if (gezogen->Enthaelt(reihen[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)]))
      bild.hintergrund = Farbe::Hellgruen;
  }
  return bild;
}

QString ScheinTabelle::Muster(int spalte) const {
  return spalte == 0 ? QString::number(std::max<std::size_t>(reihen.size(), 99)) : QStringLiteral("35");
}

QString ErgebnisTabelle::Muster(int spalte) const {
  switch (spalte) {
    case 0: return DatumAlsText(QDateAlsDatum(QDate(2088, 12, 28)));
    case 2: return QString::number(std::max(ergebnis && !ergebnis->zeilen.empty() ? ergebnis->zeilen.back().reihe : 0, 999));
    case 3:
    case 4: return GeldAlsZahl(GewinnklasseFuer(5)->betrag);
    default: return QStringLiteral("5");
  }
}

Zellbild ErgebnisTabelle::Bild(int zeile, int spalte) const {
  Zellbild bild;
  bild.fett = true;
  bild.hintergrund = zeile == markiert && markiert > 0 ? Farbe::Hellblau : Farbe::Weiss;
  bild.ausrichtung = spalte >= 3 ? Zellbild::Ausrichtung::Rechts : Zellbild::Ausrichtung::Zentriert;
  return bild;
}

namespace {
// Hits of every row in one draw, written to treffer: the plain way, for rows or draws with numbers
// outside 1..35 (the files are not validated). Built twice so that processors with a
// population-count instruction use it.
__attribute__((target_clones("popcnt", "default"))) void TrefferZaehlen(const TZahlenMenge* reihen, std::size_t anzahl,
                                                                        const TZahlenMenge& ziehung, bool nurWort0, std::uint8_t* treffer) {
  if (nurWort0) {
    const std::uint64_t z = ziehung.w[0];
    for (std::size_t i = 0; i < anzahl; ++i) treffer[i] = static_cast<std::uint8_t>(__builtin_popcountll(reihen[i].w[0] & z));
  } else {
    for (std::size_t i = 0; i < anzahl; ++i) {
      const auto& w = reihen[i].w;
      treffer[i] = static_cast<std::uint8_t>(__builtin_popcountll(w[0] & ziehung.w[0]) + __builtin_popcountll(w[1] & ziehung.w[1]) +
                                             __builtin_popcountll(w[2] & ziehung.w[2]) + __builtin_popcountll(w[3] & ziehung.w[3]));
    }
  }
}

Geld Summe(Geld a, Geld b) {
  std::int64_t s;
  if (__builtin_add_overflow(a.roh, b.roh, &s)) s = std::numeric_limits<std::int64_t>::max();
  return Geld{s};
}

// The members of a set of 1..35 in ascending order; false for members outside 1..35 or more than
// five of them.
bool Glieder(const TZahlenMenge& m, std::array<int, 5>& zahlen, int& anzahl) {
  if (m.w[1] | m.w[2] | m.w[3] || (m.w[0] & ~(((std::uint64_t{1} << 35) - 1) << 1))) return false;
  anzahl = 0;
  for (std::uint64_t w = m.w[0]; w; w &= w - 1) {
    if (anzahl == 5) return false;
    zahlen[static_cast<std::size_t>(anzahl++)] = std::countr_zero(w);
  }
  return true;
}

// The rank of a triple a < b < c of 1..35 among all 6,545 triples.
struct TripelRang {
  std::array<std::uint16_t, 36 * 36 * 36> rang{};
  TripelRang() {
    std::uint16_t r = 0;
    for (int a = 1; a <= 33; ++a)
      for (int b = a + 1; b <= 34; ++b)
        for (int c = b + 1; c <= 35; ++c) rang[static_cast<std::size_t>((a * 36 + b) * 36 + c)] = r++;
  }
  std::uint16_t operator()(int a, int b, int c) const { return rang[static_cast<std::size_t>((a * 36 + b) * 36 + c)]; }
};
const TripelRang& Tripel() {
  static const TripelRang t;
  return t;
}
constexpr int TripelAnzahl = 6545;

// Every triple of the members, by rank.
template <typename F>
void TripelDurchlaufen(const std::array<int, 5>& z, int anzahl, F&& f) {
  const TripelRang& rang = Tripel();
  for (int i = 0; i < anzahl; ++i)
    for (int j = i + 1; j < anzahl; ++j)
      for (int k = j + 1; k < anzahl; ++k)
        f(rang(z[static_cast<std::size_t>(i)], z[static_cast<std::size_t>(j)], z[static_cast<std::size_t>(k)]));
}

// For each triple the ticket rows that hold it, ascending: a draw reaches its winning rows through
// its ten triples instead of looking at every row. A row with 3 hits holds one of the draw's
// triples, with 4 hits four, with 5 hits all ten.
struct TripelIndex {
  std::vector<std::uint32_t> anfang;  // TripelAnzahl + 1 offsets into reihen
  std::vector<std::uint32_t> reihen;  // row indices (0-based)

  explicit TripelIndex(const std::vector<std::array<int, 5>>& glieder, const std::vector<int>& anzahl) {
    anfang.assign(TripelAnzahl + 1, 0);
    for (std::size_t i = 0; i < glieder.size(); ++i)
      TripelDurchlaufen(glieder[i], anzahl[i], [&](int t) { ++anfang[static_cast<std::size_t>(t) + 1]; });
    for (int t = 0; t < TripelAnzahl; ++t) anfang[static_cast<std::size_t>(t) + 1] += anfang[static_cast<std::size_t>(t)];
    reihen.resize(anfang.back());
    std::vector<std::uint32_t> frei(anfang.begin(), anfang.end() - 1);
    for (std::size_t i = 0; i < glieder.size(); ++i)
      TripelDurchlaufen(glieder[i], anzahl[i], [&](int t) { reihen[frei[static_cast<std::size_t>(t)]++] = static_cast<std::uint32_t>(i); });
  }
  std::size_t Laenge(int t) const { return anfang[static_cast<std::size_t>(t) + 1] - anfang[static_cast<std::size_t>(t)]; }
};

// The winning rows of one draw in ticket order with their hits, from the draw's ten lists: each
// row found is counted (3 hits: once, 4: four times, 5: ten times) and marked in a bitmap of the
// rows; the marks are read back in row order, or the few rows found are sorted.
class Gewinnsucher {
 public:
  Gewinnsucher(const TripelIndex& index, std::size_t reihen) : index_(index), mal_(reihen), marken_((reihen + 63) / 64) {
    gefunden_.reserve(64);
  }
  template <typename F>
  void Durchlaufen(const std::array<int, 5>& ziehung, F&& gewinn) {
    gefunden_.clear();
    TripelDurchlaufen(ziehung, 5, [&](int t) {
      const std::uint32_t* r = index_.reihen.data() + index_.anfang[static_cast<std::size_t>(t)];
      const std::uint32_t* ende = index_.reihen.data() + index_.anfang[static_cast<std::size_t>(t) + 1];
      for (; r != ende; ++r)
        if (mal_[*r]++ == 0) gefunden_.push_back(*r);
    });
    auto melden = [&](std::uint32_t reihe) {
      const int m = mal_[reihe];
      mal_[reihe] = 0;
      gewinn(reihe, m == 1 ? 3 : m == 4 ? 4 : 5);
    };
    if (gefunden_.size() * 16 < marken_.size()) {
      std::sort(gefunden_.begin(), gefunden_.end());
      for (std::uint32_t reihe : gefunden_) melden(reihe);
      return;
    }
    for (std::uint32_t reihe : gefunden_) marken_[reihe >> 6] |= std::uint64_t{1} << (reihe & 63);
    for (std::size_t w = 0; w < marken_.size(); ++w)
      for (std::uint64_t bits = std::exchange(marken_[w], 0); bits; bits &= bits - 1)
        melden(static_cast<std::uint32_t>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits))));
  }

 private:
  const TripelIndex& index_;
  std::vector<std::uint8_t> mal_;        // per row: how often found in this draw
  std::vector<std::uint64_t> marken_;    // per row: found in this draw
  std::vector<std::uint32_t> gefunden_;  // the rows found, in the order found
};
}  // namespace

void ErgebnisZeilen::Freigeben::operator()(std::uint32_t* p) const { std::free(p); }

void ErgebnisZeilen::Erwartet(std::size_t zeilen, std::size_t ziehungen) {
  grosseSeiten_ = zeilen > 4 * Block;
  anfang_.reserve(ziehungen);
}

void ErgebnisZeilen::NeuerBlock() {
  constexpr std::size_t bytes = Block * sizeof(std::uint32_t);
  auto* block = static_cast<std::uint32_t*>(std::aligned_alloc(bytes, bytes));
  if (!block) throw std::bad_alloc();
  if (grosseSeiten_) madvise(block, bytes, MADV_HUGEPAGE);
  bloecke_.emplace_back(block);
}

ErgebnisZeile ErgebnisZeilen::operator[](std::size_t i) const {
  const auto naechste = std::upper_bound(anfang_.begin(), anfang_.end(), static_cast<std::uint32_t>(i));
  const auto ziehung = static_cast<std::int32_t>(naechste - anfang_.begin() - 1);
  const std::uint32_t wert = bloecke_[i >> BlockBits][i & (Block - 1)];
  return {ziehung, static_cast<std::int32_t>(wert >> 4), static_cast<int>(wert & 15) - 1, anfang_[static_cast<std::size_t>(ziehung)] == i};
}

QString ZuGrossFehler(std::size_t zeilen) {
  return QStringLiteral("Diese Auswertung ergäbe bis zu %1 Ergebniszeilen, dafür reicht der freie Arbeitsspeicher nicht.")
             .arg(QLocale().toString(static_cast<qulonglong>(zeilen))) +
         CRCR + QStringLiteral("Bitte wählen Sie einen kürzeren Zeitraum oder einen Schein mit weniger Reihen.");
}

std::size_t FreierSpeicherFuerErgebnisse() {
  // "MemAvailable" of the kernel: what can be had without swapping.
  std::size_t frei = 0;
  if (std::FILE* f = std::fopen("/proc/meminfo", "r")) {
    char zeile[256];
    while (std::fgets(zeile, sizeof zeile, f)) {
      unsigned long long kb = 0;
      if (std::sscanf(zeile, "MemAvailable: %llu kB", &kb) == 1) {
        frei = static_cast<std::size_t>(kb) * 1024;
        break;
      }
    }
    std::fclose(f);
  }
  if (frei == 0) frei = static_cast<std::size_t>(sysconf(_SC_AVPHYS_PAGES)) * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
  return frei / 2;
}

Auswertung ScheinAuswerten(const AuswertungsEingabe& e) {
  Auswertung a;
  const int n = e.ziehungen ? static_cast<int>(e.ziehungen->size()) : 0;
  // A draw index with no draw behind it (empty history, no selection, the date of a draw still
  // being entered): nothing outside the draw list is read.
  if (e.ende < 0 || e.ende >= n || (e.zeitraum && (e.anfang < 0 || e.anfang >= n))) {
    a.ablehnung = Meldung{MeldungsArt::Information, KeineGewinnzahlen()};
    return a;
  }
  if (e.zeitraum && e.ende < e.anfang) {
    a.ablehnung = Meldung{MeldungsArt::Information, ZeitraumFehler()};
    return a;
  }
  const int von = e.zeitraum ? e.anfang : e.ende;
  const std::size_t anzahlZiehungen = static_cast<std::size_t>(e.ende - von + 1);
  const std::size_t anzahlReihen = e.reihen.size();

  // With every row and every draw of five or fewer numbers of 1..35, the draws reach their rows
  // through the triple index; otherwise every row is counted against every draw.
  std::vector<std::array<int, 5>> reihenGlieder(anzahlReihen);
  std::vector<int> reihenAnzahl(anzahlReihen);
  std::vector<std::array<int, 5>> ziehungsGlieder(anzahlZiehungen);
  bool mitIndex = true;
  for (std::size_t i = 0; mitIndex && i < anzahlReihen; ++i) mitIndex = Glieder(e.reihen[i], reihenGlieder[i], reihenAnzahl[i]);
  bool nurWort0 = true;
  std::vector<TGewAusw> gewAusw(anzahlZiehungen);
  for (std::size_t d = 0; d < anzahlZiehungen; ++d) {
    const TGewZahlen& z = (*e.ziehungen)[static_cast<std::size_t>(von) + d];
    gewAusw[d].dat = z.datum;
    for (std::uint8_t zahl : z.GZ) gewAusw[d].GZA.Einschliessen(zahl);
    nurWort0 = nurWort0 && !(gewAusw[d].GZA.w[1] | gewAusw[d].GZA.w[2] | gewAusw[d].GZA.w[3]);
    int k = 0;
    if (mitIndex) mitIndex = Glieder(gewAusw[d].GZA, ziehungsGlieder[d], k) && k == 5;
  }
  for (const auto& m : e.reihen) nurWort0 = nurWort0 && !(m.w[1] | m.w[2] | m.w[3]);
  std::optional<TripelIndex> index;
  if (mitIndex && anzahlReihen) index.emplace(reihenGlieder, reihenAnzahl);

  // The most rows the result can have: a row per draw without a win, and per draw at most the
  // rows of its ten triples (or every row). Refused before anything is kept when it cannot fit.
  std::size_t hoechstens = anzahlZiehungen;
  if (index) {
    for (std::size_t d = 0; d < anzahlZiehungen; ++d)
      TripelDurchlaufen(ziehungsGlieder[d], 5, [&](int t) { hoechstens += index->Laenge(t); });
  } else {
    hoechstens += anzahlZiehungen * anzahlReihen;
  }
  const std::size_t grenze = e.speicherGrenze ? e.speicherGrenze : FreierSpeicherFuerErgebnisse();
  if (hoechstens >= static_cast<std::size_t>(std::numeric_limits<int>::max()) || anzahlReihen > ErgebnisZeilen::GroessteReihe ||
      hoechstens > grenze / sizeof(std::uint32_t)) {
    a.ablehnung = Meldung{MeldungsArt::Information, ZuGrossFehler(hoechstens)};
    return a;
  }

  AuswertungsErgebnis& r = a.ergebnis;
  r.GewAuswListe = std::move(gewAusw);
  r.zeilen.Erwartet(hoechstens, anzahlZiehungen);
  for (int k = 3; k <= 5; ++k) r.anteil[k] = AnteilBerechnen(GewinnklasseFuer(k)->betrag, e.antGes, e.antMeine);
  if (e.stand) {
    e.stand->gesamt = static_cast<std::int64_t>(anzahlZiehungen);
    e.stand->fortschritt = 0;
  }

  // Walk the draws, then the winning rows in ticket order.
  std::vector<std::uint8_t> treffer(index ? 0 : anzahlReihen);
  std::optional<Gewinnsucher> sucher;
  if (index) sucher.emplace(*index, anzahlReihen);
  std::array<Geld, 6> betrag;
  for (int k = 3; k <= 5; ++k) betrag[static_cast<std::size_t>(k)] = GewinnklasseFuer(k)->betrag;
  for (std::size_t d = 0; d < anzahlZiehungen; ++d) {
    if (e.stand && (d & 255) == 0) {
      if (e.stand->abbrechen) {
        a.abgebrochen = true;
        return a;
      }
      e.stand->fortschritt = static_cast<std::int64_t>(d);
    }
    bool erste = true;
    r.zeilen.ZiehungBeginnen();
    auto gewinn = [&](std::size_t i, int h) {
      ++r.klassenAnzahl[static_cast<std::size_t>(h)];
      r.zeilen.Anhaengen(static_cast<std::int32_t>(i + 1), h);
      erste = false;
      const Geld b = betrag[static_cast<std::size_t>(h)];
      if (b > r.hoechstGewinn) {
        r.hoechstGewinn = b;
        r.hoechstZeile = static_cast<int>(r.zeilen.size());
        r.hoechstDatum = DatumAlsText(r.GewAuswListe[d].dat).left(10);
      }
      r.gesamt = Summe(r.gesamt, b);
    };
    if (sucher) {
      sucher->Durchlaufen(ziehungsGlieder[d], gewinn);
    } else if (anzahlReihen) {
      TrefferZaehlen(e.reihen.data(), anzahlReihen, r.GewAuswListe[d].GZA, nurWort0, treffer.data());
      for (std::size_t i = 0; i < anzahlReihen; ++i)
        if (treffer[i] >= 3 && treffer[i] <= 5) gewinn(i, treffer[i]);
    }
    // A draw without a win occupies one row: its date and "---" (nothing without ticket rows).
    if (erste) r.zeilen.Anhaengen(0, anzahlReihen ? 0 : -1);
  }
  if (e.stand) e.stand->fortschritt = static_cast<std::int64_t>(anzahlZiehungen);

  r.gesamtAnteil = AnteilBerechnen(r.gesamt, e.antGes, e.antMeine);
  const long double einsatz = static_cast<long double>(r.GewAuswListe.size()) * anzahlReihen * e.preis;
  if (einsatz != 0) {
    const long double q = r.gesamt.AlsZahl() / einsatz * 100.0L;
    const long double zehntausendstel = std::nearbyintl(q * 10000.0L);
    if (std::isfinite(zehntausendstel) && std::fabs(zehntausendstel) < 9.0e18L) r.quote = static_cast<std::int64_t>(zehntausendstel);
  }
  return a;
}

QString AuswertungsErgebnis::GesamtText() const { return GeldAlsWaehrung(gesamt); }

QString AuswertungsErgebnis::GesamtAnteilText() const { return gesamtAnteil ? GeldAlsWaehrung(*gesamtAnteil) : QStringLiteral("---"); }

QString AuswertungsErgebnis::QuoteText() const {
  if (!quote) return QStringLiteral("---");
  // "%2.2f %%": two decimals, the locale's decimal separator, no thousands separators. The count of
  // ten-thousandths is rounded to hundredths half away from zero, one rule for every value (a binary
  // double would round 4761,9050 down and 0,1250 up).
  const std::int64_t q = *quote, betrag = q < 0 ? -q : q;
  const std::int64_t hundertstel = (betrag + 50) / 100;
  QString zahl =
      QString::number(hundertstel / 100) + QLocale().decimalPoint() + QStringLiteral("%1").arg(hundertstel % 100, 2, 10, QLatin1Char('0'));
  if (q < 0 && hundertstel != 0) zahl.prepend(QLatin1Char('-'));
  return zahl + QStringLiteral(" %");
}

QString AuswertungsErgebnis::HoechstText() const { return GeldAlsWaehrung(hoechstGewinn); }

QString AuswertungsErgebnis::KlassenText(int treffer) const {
  const int n = treffer >= 3 && treffer <= 5 ? klassenAnzahl[static_cast<std::size_t>(treffer)] : 0;
  return n ? QString::number(n) : QStringLiteral("-");
}

int ErgebnisTabelle::Zeilen() const { return 1 + (ergebnis ? static_cast<int>(ergebnis->zeilen.size()) : 0); }

QString ErgebnisTabelle::Zelle(int zeile, int spalte) const {
  if (zeile == 0) return kopf.value(spalte);
  if (!ergebnis || zeile < 1 || zeile > static_cast<int>(ergebnis->zeilen.size())) return {};
  const ErgebnisZeile z = ergebnis->zeilen[static_cast<std::size_t>(zeile - 1)];
  switch (spalte) {
    case 0: return z.datum ? DatumAlsText(ergebnis->GewAuswListe[static_cast<std::size_t>(z.ziehung)].dat).left(10) : QString();
    case 1: return z.klasse > 0 ? QString::fromLatin1(GewinnklasseFuer(z.klasse)->text) : z.klasse == 0 ? QStringLiteral("---") : QString();
    case 2: return z.klasse > 0 ? QString::number(z.reihe) : z.klasse == 0 ? QStringLiteral("---") : QString();
    case 3: return z.klasse > 0 ? GeldAlsZahl(GewinnklasseFuer(z.klasse)->betrag) : z.klasse == 0 ? QStringLiteral("---") : QString();
    case 4: {
      if (z.klasse <= 0) return {};
      const auto& teil = ergebnis->anteil[static_cast<std::size_t>(z.klasse)];
      return teil ? GeldAlsZahl(*teil) : QStringLiteral("---");
    }
    default: return {};
  }
}
