// The index of a combination of k numbers of 1..35 in lexicographic order ({1,2,...} first).
#pragma once

#include <cstdint>

#include "core/var_def.h"

class KombiIndex {
 public:
  explicit KombiIndex(int k);
  int K() const { return k_; }
  std::uint32_t Anzahl() const { return anzahl_; }  // 35 over k
  // The index of k ascending numbers of 1..35.
  std::uint32_t operator()(const int* zahlen) const {
    std::uint32_t index = 0;
    int vorher = 0;
    for (int i = 0; i < k_; ++i) {
      index += vor_[i][zahlen[i]] - vor_[i][vorher + 1];
      vorher = zahlen[i];
    }
    return index;
  }

 private:
  int k_;
  std::uint32_t anzahl_ = 0;
  // vor_[i][v]: combinations whose number at position i is below v, given the numbers before it
  // (the combinatorial number system).
  std::uint32_t vor_[ZahlenJeReihe][MaxZahl + 2] = {};
};
