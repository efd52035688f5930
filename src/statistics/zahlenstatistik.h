// Number statistics of the draw history: the per-draw number sets, hit counts and absences.
#pragma once

#include <array>
#include <vector>

#include "core/var_def.h"

using Zaehlung = std::array<int, MaxZahl + 1>;  // indexed by number 1..35; [0] unused

// The five winning numbers of every draw as a set, in draw-list order.
const std::vector<TZahlenMenge>& GZMengen();
// The hit counts of the last count (whole list after StatistikStart, a period after TeilStatistik).
Zaehlung& Haeufigkeit();

// Rebuilds GZMengen and the hit counts from the whole draw list.
void StatistikStart();
// Counts the rebuilds: tables made from GZMengen are made again when it has changed.
int StatistikStand();
// Lets the statistics base follow the draw list's store: StatistikStart after every change.
void StatistikAnmelden();

// Hit counts over the draws von..bis (inclusive), clamped to the draw list; none when bis < von.
// Stores them as the current counts and returns them.
const Zaehlung& TeilStatistik(int von, int bis);

// Draws since each number was last drawn, counted back from bis; the whole period for a number
// not drawn in it; 0 for every number in an empty period. The period is clamped to the list.
Zaehlung Ausgeblieben(int von, int bis);

// The numbers by descending absence, ties by ascending number: (number, absence) pairs.
std::vector<std::pair<int, int>> AusgebliebenReihenfolge(const Zaehlung& abwesend);

// The numbers in ascending order of their count, ties by ascending number.
std::array<int, MaxZahl> ZaehlReihenfolge(const Zaehlung& zaehlung);

// A draw period clamped to the list of n draws: first and last index, last < first when empty.
std::pair<int, int> Zeitraum(int von, int bis, int n);
