// The game model: constants, the number set and the records every part of the program counts with.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

#include <QString>

#include "geld.h"

inline constexpr int MaxZahl = 35;       // numbers run from 1 to MaxZahl
inline constexpr int ZahlenJeReihe = 5;  // numbers per draw and per tip row

// Number set over 0..255, one bit each: number n is bit (n mod 8) of byte (n div 8).
// Stored as four little-endian 64-bit words, which is the same 32-byte layout.
struct TZahlenMenge {
  std::array<std::uint64_t, 4> w{};

  static TZahlenMenge Aus(std::initializer_list<int> zahlen) {
    TZahlenMenge m;
    for (int n : zahlen) m.Einschliessen(n);
    return m;
  }
  void Leeren() { w = {}; }
  void Einschliessen(int n) {
    if (n >= 0 && n <= 255) w[n >> 6] |= std::uint64_t{1} << (n & 63);
  }
  void Ausschliessen(int n) {
    if (n >= 0 && n <= 255) w[n >> 6] &= ~(std::uint64_t{1} << (n & 63));
  }
  bool Enthaelt(int n) const { return n >= 0 && n <= 255 && (w[n >> 6] >> (n & 63) & 1u) != 0; }
  TZahlenMenge operator&(const TZahlenMenge& o) const { return {{w[0] & o.w[0], w[1] & o.w[1], w[2] & o.w[2], w[3] & o.w[3]}}; }
  // The members of this set that are not in o.
  TZahlenMenge Ohne(const TZahlenMenge& o) const { return {{w[0] & ~o.w[0], w[1] & ~o.w[1], w[2] & ~o.w[2], w[3] & ~o.w[3]}}; }
  bool operator==(const TZahlenMenge&) const = default;
  // Number of members (hardware bit count; equals BitsZaehlen over the 32 bytes).
  int Groesse() const { return std::popcount(w[0]) + std::popcount(w[1]) + std::popcount(w[2]) + std::popcount(w[3]); }
  const std::uint8_t* Bytes() const { return reinterpret_cast<const std::uint8_t*>(w.data()); }
};
static_assert(sizeof(TZahlenMenge) == 32);

// Number of set bits in a byte block, counted per nibble from a 16-entry table.
int BitsZaehlen(const void* block, std::size_t laenge);
inline int BitsZaehlen(const TZahlenMenge& m) { return BitsZaehlen(m.Bytes(), sizeof m); }

// The members of a set in ascending order: walks 1..hoechste and fills k positions; unfilled ones stay 0.
std::vector<std::uint8_t> MengeAlsReihe(const TZahlenMenge& menge, int k, int hoechste);

#pragma pack(push, 1)
// One draw: the 16-byte record of the draw history file.
struct TGewZahlen {
  double datum = 0;                 // days since 30 December 1899
  std::uint8_t GZ[5] = {};          // the five winning numbers
  std::uint8_t reserviert[3] = {};  // kept as read, 0 in new records
};
// One tip row of a ticket: the 10-byte record of the ticket file.
struct TNormalSchein {
  std::uint8_t WZ[6] = {};  // five numbers, position 6 reserved (0)
  std::uint16_t AntGes = 1;
  std::uint16_t Antmeine = 1;
};
#pragma pack(pop)
static_assert(sizeof(TGewZahlen) == 16);
static_assert(sizeof(TNormalSchein) == 10);

// One evaluated draw.
// An evaluated draw: its date (the text is made when shown) and its numbers.
struct TGewAusw {
  double dat = 0;
  TZahlenMenge GZA;
};

// A prize class: a row's class is its number of hits.
struct Gewinnklasse {
  int treffer;
  const char* text;  // "5", "4", "3" in result rows
  const char* kurz;  // "5 Ri." ... in the summary
  int spalte;        // summary column 1..3
  Geld betrag;       // fixed prize amount
};

// The class of a row with this many hits, or nullptr below 3 hits (and above 5).
const Gewinnklasse* GewinnklasseFuer(int treffer);
