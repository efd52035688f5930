#include "zahlenstatistik.h"

#include <algorithm>

#include "core/ziehungen.h"

namespace {
std::vector<TZahlenMenge>& Mengen() {
  static std::vector<TZahlenMenge> mengen;
  return mengen;
}
bool Gueltig(int n) { return n >= 1 && n <= MaxZahl; }
}  // namespace

const std::vector<TZahlenMenge>& GZMengen() { return Mengen(); }

Zaehlung& Haeufigkeit() {
  static Zaehlung zaehlung{};
  return zaehlung;
}

std::pair<int, int> Zeitraum(int von, int bis, int n) { return {std::max(von, 0), std::min(bis, n - 1)}; }

void StatistikAnmelden() {
  static const bool angemeldet = [] {
    QObject::connect(&Ziehungen(), &TZiehungsListe::Geaendert, &Ziehungen(), &StatistikStart);
    return true;
  }();
  (void)angemeldet;
}

namespace {
int& Stand() {
  static int stand = 0;
  return stand;
}
}  // namespace

int StatistikStand() { return Stand(); }

void StatistikStart() {
  ++Stand();
  const auto& liste = Ziehungen().Liste();
  auto& mengen = Mengen();
  Zaehlung& h = Haeufigkeit();
  h.fill(0);
  mengen.assign(liste.size(), TZahlenMenge{});
  for (std::size_t i = 0; i < liste.size(); ++i)
    for (std::uint8_t n : liste[i].GZ) {
      mengen[i].Einschliessen(n);
      if (Gueltig(n)) ++h[n];  // stored records are not validated
    }
}

const Zaehlung& TeilStatistik(int von, int bis) {
  const auto& liste = Ziehungen().Liste();
  Zaehlung& h = Haeufigkeit();
  h.fill(0);
  const auto [a, b] = Zeitraum(von, bis, static_cast<int>(liste.size()));
  for (int d = a; d <= b; ++d)
    for (std::uint8_t n : liste[static_cast<std::size_t>(d)].GZ)
      if (Gueltig(n)) ++h[n];
  return h;
}

Zaehlung Ausgeblieben(int von, int bis) {
  const auto& mengen = Mengen();
  Zaehlung abwesend{};
  const auto [a, b] = Zeitraum(von, bis, static_cast<int>(mengen.size()));
  for (int n = 1; n <= MaxZahl; ++n) {
    int zaehler = 0;
    for (int d = b; d >= a && !mengen[static_cast<std::size_t>(d)].Enthaelt(n); --d) ++zaehler;
    abwesend[n] = zaehler;
  }
  return abwesend;
}

std::vector<std::pair<int, int>> AusgebliebenReihenfolge(const Zaehlung& abwesend) {
  std::vector<std::pair<int, int>> folge;
  for (int n = 1; n <= MaxZahl; ++n) folge.emplace_back(n, abwesend[n]);
  std::stable_sort(folge.begin(), folge.end(), [](const auto& x, const auto& y) { return x.second > y.second; });
  return folge;
}

std::array<int, MaxZahl> ZaehlReihenfolge(const Zaehlung& zaehlung) {
  std::array<int, MaxZahl> folge;
  for (int n = 1; n <= MaxZahl; ++n) folge[static_cast<std::size_t>(n - 1)] = n;
  std::stable_sort(folge.begin(), folge.end(), [&](int x, int y) { return zaehlung[x] < zaehlung[y]; });
  return folge;
}
