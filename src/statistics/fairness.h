// What pure chance gives, beside what the draws gave: the band of counts fair draws keep to, the
// expected absence, the expected pair counts, and a chi-squared test of the counts of a period
// against equal chances, with a verdict in plain German.
#pragma once

#include <array>
#include <vector>

#include <QString>

#include "statistics/zahlenstatistik.h"

// A number is drawn with p = 5/35 = 1/7 per draw.
inline constexpr double ZiehungsChance = 1.0 / 7.0;

// The expected count of a number over d draws and the range in which 95 % of its counts fall
// under fair draws (binomial with n = d, p = 1/7; the 2.5 % and 97.5 % points).
struct Haeufigkeitsband {
  double erwartet = 0;
  int unten = 0, oben = 0;
};
Haeufigkeitsband BandFuer(int ziehungen);

// Absence under fair draws: the mean (6 draws) and the number of draws that a number stays away
// for at least with a chance of only 1 % (the 99 % point of the geometric distribution).
inline constexpr double MittleresAusbleiben = (1.0 - ZiehungsChance) / ZiehungsChance;
int AusbleibenGrenze99();

// The expected count of each pair over d draws: d * 10/595 = d * 2/119.
inline double PaarErwartung(int ziehungen) { return ziehungen * 2.0 / 119.0; }
// The pair counts of the draws von..bis as a 35 x 35 matrix (symmetric, [a-1][b-1]; the diagonal 0).
std::vector<std::array<int, MaxZahl>> PaarMatrix(int von, int bis);

// The chi-squared test of the 35 counts of d draws against equal chances (34 degrees of freedom).
struct Fairnesstest {
  int ziehungen = 0;
  double statistik = 0;
  int freiheitsgrade = MaxZahl - 1;
  double p = 1;
  bool zuKurz = false;  // fewer than 35 draws: an expected count below 5, no verdict
};
Fairnesstest FairnessTesten(const Zaehlung& anzahl, int ziehungen);

// "Die Häufigkeiten sind mit fairen Ziehungen gut vereinbar (p = 0,43)." and the like, followed by
// the sentence that past counts do not change the chances of the next draw.
QString Urteil(const Fairnesstest& test);
// A p-value as the verdict writes it: two decimals, three below 0.01, "< 0,001" below that.
QString PText(double p);
