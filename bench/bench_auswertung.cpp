// A ticket of 1,000 rows over a range of 5,000 draws, including the result table's model, beside
// the plain method: 32-byte sets, the nibble-table bit count and every cell text made at once.
#include <random>

#include <benchmark/benchmark.h>
#include <QApplication>

#include "core/datum.h"
#include "core/tabelle.h"
#include "evaluation/gewinnauswertung.h"
#include "ui/tabellenansicht.h"
#include "vergleich.h"

namespace {
struct Daten {
  std::vector<TGewZahlen> ziehungen;
  Tabelle schein = Tabelle::Reihentabelle();
  Daten() {
    std::mt19937 zufall(2024);
    auto fuenf = [&](std::uint8_t* ziel) {
      TZahlenMenge m;
      int k = 0;
      while (k < 5) {
        const int n = 1 + static_cast<int>(zufall() % 35);
        if (!m.Enthaelt(n)) {
          m.Einschliessen(n);
          ziel[k++] = static_cast<std::uint8_t>(n);
        }
      }
    };
    for (int d = 0; d < 5000; ++d) {
      TGewZahlen z;
      z.datum = 38000 + 3.5 * d;
      z.datum = static_cast<int>(z.datum);
      fuenf(z.GZ);
      ziehungen.push_back(z);
    }
    for (int r = 1; r <= 1000; ++r) {
      std::uint8_t z[5];
      fuenf(z);
      schein.SetzeZelle(r, 0, QString::number(r));
      for (int s = 0; s < 5; ++s) schein.SetzeZelle(r, s + 1, QString::number(z[s]));
    }
    schein.SetzeZeilen(1001);
  }
};
const Daten& Eingabe() {
  static const Daten d;
  return d;
}

// The rows over all 5,000 draws.
Auswertung UeberAlleZiehungen(const Daten& d, std::vector<TZahlenMenge> reihen) {
  AuswertungsEingabe e;
  e.ziehungen = &d.ziehungen;
  e.anfang = 0;
  e.ende = 4999;
  e.zeitraum = true;
  e.reihen = std::move(reihen);
  return ScheinAuswerten(e);
}

void Auswertung_Kelvaro(benchmark::State& state) {
  const Daten& d = Eingabe();
  TabellenAnsicht ansicht;
  QAbstractItemModel& modell = *ansicht.model();
  ErgebnisTabelle tabelle;
  std::size_t zeilen = 0;
  for (auto _ : state) {
    Auswertung a = UeberAlleZiehungen(d, ReihenAusTabelle(d.schein));
    tabelle.ergebnis = &a.ergebnis;
    ansicht.SetzeDaten(&tabelle);
    // The texts of one screen of rows, as the view asks for them.
    for (int z = 0; z < 20; ++z)
      for (int s = 0; s < 5; ++s) benchmark::DoNotOptimize(modell.data(modell.index(z, s), Qt::DisplayRole));
    zeilen = a.ergebnis.zeilen.size();
    ansicht.SetzeDaten(nullptr);
  }
  state.counters["Ergebniszeilen"] = static_cast<double>(zeilen);
}

void Auswertung_Referenz(benchmark::State& state) {
  const Daten& d = Eingabe();
  static const std::uint8_t nibble[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};
  for (auto _ : state) {
    struct Menge {
      std::uint8_t b[32];
    };
    std::vector<Menge> reihen(1000);
    for (int r = 0; r < 1000; ++r) {
      Menge& m = reihen[static_cast<std::size_t>(r)];
      std::fill(std::begin(m.b), std::end(m.b), 0);
      for (int s = 1; s <= 5; ++s) {
        const int n = d.schein.Zelle(r + 1, s).toInt();
        m.b[n / 8] |= static_cast<std::uint8_t>(1u << (n % 8));
      }
    }
    Tabelle ergebnis(2, 5);
    int zeile = 1;
    for (const TGewZahlen& z : d.ziehungen) {
      Menge g{};
      for (auto n : z.GZ) g.b[n / 8] |= static_cast<std::uint8_t>(1u << (n % 8));
      ergebnis.SetzeZelle(zeile, 0, DatumAlsText(z.datum));
      bool gewonnen = false;
      for (int r = 0; r < 1000; ++r) {
        int h = 0;
        for (int k = 0; k < 32; ++k) {
          const std::uint8_t b = reihen[static_cast<std::size_t>(r)].b[k] & g.b[k];
          h += nibble[b & 15] + nibble[b >> 4];
        }
        if (h >= 3) {
          const Geld betrag = GewinnklasseFuer(h)->betrag;
          ergebnis.SetzeZelle(zeile, 1, QString::number(h));
          ergebnis.SetzeZelle(zeile, 2, QString::number(r + 1));
          ergebnis.SetzeZelle(zeile, 3, GeldAlsZahl(betrag));
          ergebnis.SetzeZelle(zeile, 4, GeldAlsZahl(*AnteilBerechnen(betrag, 1, 1)));
          ++zeile;
          gewonnen = true;
        }
      }
      // A draw without a win: one row with its date and "---".
      if (!gewonnen) {
        ergebnis.SetzeZelle(zeile, 1, QStringLiteral("---"));
        ergebnis.SetzeZelle(zeile, 2, QStringLiteral("---"));
        ergebnis.SetzeZelle(zeile, 3, QStringLiteral("---"));
        ++zeile;
      }
    }
    ergebnis.SetzeZeilen(zeile);
    benchmark::DoNotOptimize(ergebnis.Zeilen());
    state.counters["Ergebniszeilen"] = static_cast<double>(zeile - 1);
  }
}

// All 324,632 rows over 5,000 draws: the triple index beside the plain count of every row against
// every draw (32-byte sets, hardware bit count, 12-byte result rows in one growing vector).
const std::vector<TZahlenMenge>& AlleReihen() {
  static const std::vector<TZahlenMenge> alle = [] {
    std::vector<TZahlenMenge> r;
    for (int a = 1; a <= 31; ++a)
      for (int b = a + 1; b <= 32; ++b)
        for (int c = b + 1; c <= 33; ++c)
          for (int d = c + 1; d <= 34; ++d)
            for (int e = d + 1; e <= 35; ++e) r.push_back(TZahlenMenge::Aus({a, b, c, d, e}));
    return r;
  }();
  return alle;
}

void AlleReihen_Kelvaro(benchmark::State& state) {
  const Daten& d = Eingabe();
  const std::size_t vorher = SpeicherSpitze();
  std::size_t zeilen = 0;
  for (auto _ : state) {
    Auswertung a = UeberAlleZiehungen(d, AlleReihen());
    zeilen = a.ergebnis.zeilen.size();
    benchmark::DoNotOptimize(a.ergebnis.gesamt);
  }
  state.counters["Ergebniszeilen"] = static_cast<double>(zeilen);
  state.counters["MB mehr"] = static_cast<double>(SpeicherSpitze() - vorher) / 1e6;
}

void AlleReihen_Referenz(benchmark::State& state) {
  const Daten& d = Eingabe();
  const std::vector<TZahlenMenge>& reihen = AlleReihen();
  struct Zeile {
    std::int32_t ziehung, reihe;
    std::int8_t klasse;
  };
  for (auto _ : state) {
    std::vector<Zeile> ergebnis;
    for (std::size_t z = 0; z < d.ziehungen.size(); ++z) {
      TZahlenMenge g;
      for (auto n : d.ziehungen[z].GZ) g.Einschliessen(n);
      bool gewonnen = false;
      for (std::size_t r = 0; r < reihen.size(); ++r) {
        const int h = (reihen[r] & g).Groesse();
        if (h >= 3) {
          ergebnis.push_back({static_cast<std::int32_t>(z), static_cast<std::int32_t>(r + 1), static_cast<std::int8_t>(h)});
          gewonnen = true;
        }
      }
      if (!gewonnen) ergebnis.push_back({static_cast<std::int32_t>(z), 0, 0});
    }
    benchmark::DoNotOptimize(ergebnis.data());
  }
}
}  // namespace

BENCHMARK(Auswertung_Kelvaro)->Name("Auswertung 1000 Reihen x 5000 Ziehungen/Kelvaro")->Unit(benchmark::kMillisecond);
BENCHMARK(Auswertung_Referenz)->Name("Auswertung 1000 Reihen x 5000 Ziehungen/Referenz")->Unit(benchmark::kMillisecond);
BENCHMARK(AlleReihen_Kelvaro)->Name("Alle 324632 Reihen x 5000 Ziehungen/Kelvaro")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(AlleReihen_Referenz)->Name("Alle 324632 Reihen x 5000 Ziehungen/Referenz")->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) {
  QApplication app(argc, argv);  // the table view needs it
  return VergleichAusfuehren(argc, argv);
}
