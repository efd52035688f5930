#include "vergleich.h"

#include <sys/resource.h>

#include <cstdio>
#include <map>
#include <string>

#include <benchmark/benchmark.h>
#include <QLocale>

#include "core/programmwerte.h"

namespace {
class Sammler : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& laeufe) override {
    for (const auto& l : laeufe)
      if (!l.error_occurred && l.run_type == Run::RT_Iteration) zeiten[l.benchmark_name()] = l.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(laeufe);
  }
  std::map<std::string, double> zeiten;  // in the benchmark's time unit (ms here)
};
}  // namespace

std::size_t SpeicherSpitze() {
  rusage r{};
  getrusage(RUSAGE_SELF, &r);
  return static_cast<std::size_t>(r.ru_maxrss) * 1024;
}

int VergleichAusfuehren(int argc, char** argv) {
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Werte().geldFormat = QLocale();
  benchmark::Initialize(&argc, argv);
  Sammler sammler;
  benchmark::RunSpecifiedBenchmarks(&sammler);
  std::printf("\n%-40s %14s %14s %10s\n", "workload", "Kelvaro (ms)", "plain (ms)", "ratio");
  for (const auto& [name, zeit] : sammler.zeiten) {
    const auto pos = name.find("/Kelvaro");
    if (pos == std::string::npos) continue;
    const std::string basis = name.substr(0, pos);
    // The reference's name may carry arguments after it ("/Referenz/4/iterations:1").
    auto ref = sammler.zeiten.lower_bound(basis + "/Referenz");
    if (ref != sammler.zeiten.end() && ref->first.rfind(basis + "/Referenz", 0) != 0) ref = sammler.zeiten.end();
    if (ref == sammler.zeiten.end()) {
      std::printf("%-40s %14.3f\n", basis.c_str(), zeit);
      continue;
    }
    std::printf("%-40s %14.3f %14.3f %9.1fx\n", basis.c_str(), zeit, ref->second, ref->second / zeit);
  }
  benchmark::Shutdown();
  return 0;
}
