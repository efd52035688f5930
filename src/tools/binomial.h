// n over k: how many k-number selections can be taken from n numbers.
#pragma once

#include <cstdint>

#include <QString>

// The cancelling algorithm with signed 64-bit products and an extended-precision division; exact
// for every n up to 51. k = 0 and k = n give 1, k > n gives 0.
std::int64_t NueberK(int n, int k);

// Exact for every n up to 99 (128-bit integers); 0 for k > n or negative arguments.
unsigned __int128 NueberKExakt(int n, int k);

// The value in decimal with the locale's thousands separators ("#," : 324.632).
QString GanzzahlGruppiert(unsigned __int128 wert);
