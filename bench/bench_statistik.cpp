// Triples and quadruples over 5,000 draws, counted and ranked (both lists), beside the plain count
// that tests every combination against every draw.
#include <random>

#include <benchmark/benchmark.h>
#include <QTemporaryDir>

#include "core/ziehungen.h"
#include "referenz.h"
#include "statistics/kombinationen.h"
#include "statistics/zahlenstatistik.h"
#include "vergleich.h"

namespace {
void HistorieAnlegen() {
  static bool fertig = false;
  if (fertig) return;
  fertig = true;
  std::mt19937 zufall(5000);
  std::vector<TGewZahlen> liste;
  for (int d = 0; d < 5000; ++d) {
    TGewZahlen z;
    z.datum = 38000 + d;
    TZahlenMenge m;
    for (int k = 0; k < 5;) {
      const int n = 1 + static_cast<int>(zufall() % 35);
      if (!m.Enthaelt(n)) {
        m.Einschliessen(n);
        z.GZ[k++] = static_cast<std::uint8_t>(n);
      }
    }
    liste.push_back(z);
  }
  QTemporaryDir tmp;
  const QString pfad = tmp.path() + QStringLiteral("/GZ.535");
  TZiehungsListe::Schreiben(liste, pfad);
  Ziehungen().NeuLaden(pfad);
  StatistikStart();
}

void Kombis_Kelvaro(benchmark::State& state) {
  HistorieAnlegen();
  const int k = static_cast<int>(state.range(0));
  KombiTabelle tabelle(k);
  for (auto _ : state) {
    tabelle.Zaehlen(0, 4999);
    const Ranglisten r = RanglistenBilden(tabelle);
    benchmark::DoNotOptimize(r.haeufigste.data());
  }
}

void Kombis_Referenz(benchmark::State& state) {
  HistorieAnlegen();
  const int k = static_cast<int>(state.range(0));
  for (auto _ : state) {
    const auto anzahl = referenz::KombisZaehlen(k, GZMengen(), 0, 4999);
    const auto oft = referenz::Liste(anzahl, true);
    const auto selten = referenz::Liste(anzahl, false);
    benchmark::DoNotOptimize(oft.data());
    benchmark::DoNotOptimize(selten.data());
  }
}
}  // namespace

BENCHMARK(Kombis_Kelvaro)->Name("3er Kombis, 5000 Ziehungen/Kelvaro")->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Kombis_Referenz)->Name("3er Kombis, 5000 Ziehungen/Referenz")->Arg(3)->Unit(benchmark::kMillisecond);
BENCHMARK(Kombis_Kelvaro)->Name("4er Kombis, 5000 Ziehungen/Kelvaro")->Arg(4)->Unit(benchmark::kMillisecond);
BENCHMARK(Kombis_Referenz)->Name("4er Kombis, 5000 Ziehungen/Referenz")->Arg(4)->Unit(benchmark::kMillisecond)->Iterations(1);

int main(int argc, char** argv) { return VergleichAusfuehren(argc, argv); }
