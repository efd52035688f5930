#include "kombiindex.h"

namespace {
std::uint32_t Ueber(int n, int k) {
  if (k < 0 || k > n) return 0;
  std::uint64_t r = 1;
  for (int i = 1; i <= k; ++i) r = r * static_cast<std::uint64_t>(n - k + i) / static_cast<std::uint64_t>(i);
  return static_cast<std::uint32_t>(r);
}
}  // namespace

KombiIndex::KombiIndex(int k) : k_(k < 1 ? 1 : k > ZahlenJeReihe ? ZahlenJeReihe : k) {
  anzahl_ = Ueber(MaxZahl, k_);
  for (int i = 0; i < k_; ++i)
    for (int v = 1; v <= MaxZahl + 1; ++v) vor_[i][v] = vor_[i][v - 1] + Ueber(MaxZahl - (v - 1), k_ - 1 - i);
}
