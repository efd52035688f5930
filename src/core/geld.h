// Money: a signed 64-bit count of ten-thousandths of the money unit.
#pragma once

#include <compare>
#include <cstdint>

#include <QString>

struct Geld {
  std::int64_t roh = 0;  // ten-thousandths

  static constexpr Geld AusEinheiten(std::int64_t einheiten) { return Geld{einheiten * 10000}; }
  // From a floating-point amount in money units, rounded to the nearest ten-thousandth, ties to even.
  static Geld AusZahl(long double einheiten);

  constexpr Geld operator+(Geld o) const { return Geld{roh + o.roh}; }
  constexpr Geld& operator+=(Geld o) {
    roh += o.roh;
    return *this;
  }
  constexpr auto operator<=>(const Geld&) const = default;
  long double AlsZahl() const { return static_cast<long double>(roh) / 10000.0L; }
};

// "50.000,00": plain number with two decimals and the locale's separators.
QString GeldAlsZahl(Geld betrag);
// "116,00 €": the money format settings taken at start-up, two decimals.
QString GeldAlsWaehrung(Geld betrag);
