#include "gewinnauswertung.h"

#include <cmath>
#include <limits>

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
// Hits of every row in one draw, written to treffer. The hot loop of the engine; built twice so
// that processors with a population-count instruction use it.
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
}  // namespace

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
  AuswertungsErgebnis& r = a.ergebnis;

  // Evaluated draws.
  r.GewAuswListe.reserve(static_cast<std::size_t>(e.ende - von + 1));
  bool nurWort0 = true;
  for (int d = von; d <= e.ende; ++d) {
    const TGewZahlen& z = (*e.ziehungen)[static_cast<std::size_t>(d)];
    TGewAusw g;
    g.dat = z.datum;
    g.SDatum = DatumAlsText(z.datum).left(10);
    for (std::uint8_t zahl : z.GZ) g.GZA.Einschliessen(zahl);
    nurWort0 = nurWort0 && !(g.GZA.w[1] | g.GZA.w[2] | g.GZA.w[3]);
    r.GewAuswListe.push_back(std::move(g));
  }
  for (const auto& m : e.reihen) nurWort0 = nurWort0 && !(m.w[1] | m.w[2] | m.w[3]);

  for (int k = 3; k <= 5; ++k) r.anteil[k] = AnteilBerechnen(GewinnklasseFuer(k)->betrag, e.antGes, e.antMeine);

  // Walk the draws, then the rows in ticket order.
  const std::size_t anzahlReihen = e.reihen.size();
  std::vector<std::uint8_t> treffer(anzahlReihen);
  r.zeilen.reserve(r.GewAuswListe.size() * 2);
  for (std::size_t d = 0; d < r.GewAuswListe.size(); ++d) {
    const auto ziehung = static_cast<std::int32_t>(d);
    if (anzahlReihen) TrefferZaehlen(e.reihen.data(), anzahlReihen, r.GewAuswListe[d].GZA, nurWort0, treffer.data());
    bool erste = true;
    for (std::size_t i = 0; i < anzahlReihen; ++i) {
      const int h = treffer[i];
      if (h < 3 || h > 5) continue;
      const Geld betrag = GewinnklasseFuer(h)->betrag;
      ++r.klassenAnzahl[h];
      r.zeilen.push_back({ziehung, static_cast<std::int32_t>(i + 1), static_cast<std::int8_t>(h), erste});
      erste = false;
      if (betrag > r.hoechstGewinn) {
        r.hoechstGewinn = betrag;
        r.hoechstZeile = static_cast<int>(r.zeilen.size());
        r.hoechstDatum = r.GewAuswListe[d].SDatum;
      }
      r.gesamt = Summe(r.gesamt, betrag);
    }
    // A draw without a win occupies one row: its date and "---" (nothing without ticket rows).
    if (erste) r.zeilen.push_back({ziehung, 0, static_cast<std::int8_t>(anzahlReihen ? 0 : -1), true});
  }

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
  const ErgebnisZeile& z = ergebnis->zeilen[static_cast<std::size_t>(zeile - 1)];
  switch (spalte) {
    case 0: return z.datum ? ergebnis->GewAuswListe[static_cast<std::size_t>(z.ziehung)].SDatum : QString();
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
