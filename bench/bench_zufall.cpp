// Random rows without constraints: 20,000 beside the plain duplicate test (every candidate
// compared with every accepted row), and all 324,632 possible rows with the result grid's model.
#include <benchmark/benchmark.h>
#include <QApplication>

#include "tips/zufall.h"
#include "tips/zufallsgenerator.h"
#include "ui/tabellenansicht.h"
#include "vergleich.h"

namespace {
void Zufall20000_Kelvaro(benchmark::State& state) {
  ZufallsSaatFestlegen(1234);
  TZufallsAuswahl auswahl;
  for (auto _ : state) {
    TZufall z;
    ZufallsErgebnis e;
    ZufallszahlenErmitteln(auswahl, 20000, z, e);
    benchmark::DoNotOptimize(e.Zufreihen.data());
  }
}

void Zufall20000_Referenz(benchmark::State& state) {
  ZufallsSaatFestlegen(1234);
  TZufallsAuswahl auswahl;
  for (auto _ : state) {
    TZufall z;
    z.NeuSaeen();
    const auto topf = Topf(auswahl);
    std::vector<TZahlenMenge> mengen;
    std::vector<std::vector<std::uint8_t>> reihen;
    while (mengen.size() < 20000) {
      TZahlenMenge k;
      while (k.Groesse() < 5) {
        const int zahl = topf[z.Naechste(static_cast<std::uint32_t>(topf.size()))];
        if (!k.Enthaelt(zahl)) k.Einschliessen(zahl);
      }
      bool doppelt = false;
      for (const auto& m : mengen)
        if (m == k) {
          doppelt = true;
          break;
        }
      if (doppelt) continue;
      mengen.push_back(k);
      reihen.push_back(MengeAlsReihe(k, 5, 35));
    }
    benchmark::DoNotOptimize(reihen.data());
  }
}

void AlleReihen_Kelvaro(benchmark::State& state) {
  ZufallsSaatFestlegen(1234);
  TZufallsAuswahl auswahl;
  TabellenAnsicht ansicht;
  QAbstractItemModel& modell = *ansicht.model();
  ZufallsTabelle tabelle;
  for (auto _ : state) {
    TZufall z;
    ZufallsErgebnis e;
    ZufallszahlenErmitteln(auswahl, 324632, z, e);
    tabelle.ergebnis = &e;
    ansicht.SetzeDaten(&tabelle);
    for (int r = 0; r < 30; ++r)
      for (int s = 0; s < 6; ++s) benchmark::DoNotOptimize(modell.data(modell.index(r, s), Qt::DisplayRole));
    ansicht.SetzeDaten(nullptr);
  }
}
}  // namespace

BENCHMARK(Zufall20000_Kelvaro)->Name("20000 Zufallsreihen/Kelvaro")->Unit(benchmark::kMillisecond);
BENCHMARK(Zufall20000_Referenz)->Name("20000 Zufallsreihen/Referenz")->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(AlleReihen_Kelvaro)->Name("Alle 324632 Reihen/Kelvaro")->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
  QApplication app(argc, argv);  // the table view needs it
  return VergleichAusfuehren(argc, argv);
}
