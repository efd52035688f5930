#include "var_def.h"

namespace {
constexpr std::uint8_t NibbleBits[16] = {0, 1, 1, 2, 1, 2, 2, 3, 1, 2, 2, 3, 2, 3, 3, 4};

const Gewinnklasse Klassen[] = {
    {5, "5", "5 Ri.", 1, Geld::AusEinheiten(50000)},
    {4, "4", "4 Ri.", 2, Geld::AusEinheiten(100)},
    {3, "3", "3 Ri.", 3, Geld::AusEinheiten(8)},
};
}  // namespace

int BitsZaehlen(const void* block, std::size_t laenge) {
  const auto* b = static_cast<const std::uint8_t*>(block);
  int anzahl = 0;
  for (std::size_t i = 0; i < laenge; ++i) anzahl += NibbleBits[b[i] & 0x0F] + NibbleBits[b[i] >> 4];
  return anzahl;
}

std::vector<std::uint8_t> MengeAlsReihe(const TZahlenMenge& menge, int k, int hoechste) {
  std::vector<std::uint8_t> reihe(k > 0 ? k : 0, 0);
  int pos = 0;
  for (int n = 1; n <= hoechste && n <= 255 && pos < k; ++n)
    if (menge.Enthaelt(n)) reihe[pos++] = static_cast<std::uint8_t>(n);
  return reihe;
}

const Gewinnklasse* GewinnklasseFuer(int treffer) {
  for (const auto& k : Klassen)
    if (k.treffer == treffer) return &k;
  return nullptr;
}
