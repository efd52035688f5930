// Combination statistics: pairs, triples and quadruples of 1..35 ranked by how often they were
// drawn together, and the search for the draws that contain a chosen combination.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

#include <QString>

#include "core/kombiindex.h"
#include "core/meldung.h"
#include "core/var_def.h"

// Every combination of k numbers of 1..35 once, in lexicographic order ({1,2}, {1,3}, ... {34,35}),
// with the number of draws that contain all its numbers (from the last count).
class KombiTabelle {
 public:
  explicit KombiTabelle(int k);
  std::size_t Groesse() const { return mengen_.size(); }
  const TZahlenMenge& Menge(std::size_t i) const { return mengen_[i]; }
  std::uint32_t Anzahl(std::size_t i) const { return anzahl_[i]; }
  const std::uint32_t* Anzahlen() const { return anzahl_.data(); }  // Groesse() counts
  // The table index of k ascending numbers of 1..35.
  std::uint32_t Index(const int* zahlen) const { return index_(zahlen); }

  // Counts every combination over the draws von..bis (clamped to GZMengen), from the draws: each
  // draw adds one to each combination it holds, found in the draw's row of combination indices.
  void Zaehlen(int von, int bis);
  void ZaehlerLeeren() { std::fill(anzahl_.begin(), anzahl_.end(), 0u); }

 private:
  // Per draw the indices of the combinations it holds (a fixed number of slots per draw; a draw
  // with fewer numbers fills the rest with the index of a spare counter), made again whenever the
  // statistics base has changed.
  void IndizesAufbauen();

  int k_;
  std::vector<TZahlenMenge> mengen_;
  std::vector<std::uint32_t> anzahl_;  // one more than there are combinations: the spare counter
  KombiIndex index_;
  std::vector<std::uint16_t> indizes_;
  std::size_t plaetze_ = 0;  // slots per draw: 5 over k
  // The counts at checkpoints every stuetzAbstand_ draws: a period's counts are the difference of
  // two checkpoints and the few draws beside them.
  std::vector<std::uint32_t> stuetzen_;
  std::size_t stuetzAbstand_ = 256;
  int stand_ = -1;
};

// The three process-wide tables (k = 2, 3, 4).
KombiTabelle& Kombis(int k);
// Resets the counts of all three tables.
void KombisAufbauen();

// The most and least frequent combinations as table indices in display order: groups of equal
// counts, highest (lowest) first, table order within a group, until more than 100 rows are written
// (always whole groups).
struct Ranglisten {
  std::vector<std::uint32_t> haeufigste;
  std::vector<std::uint32_t> seltenste;
};
Ranglisten RanglistenBilden(const KombiTabelle& tabelle);

// The draws of von..bis (clamped to GZMengen) that contain every number of wahl, in list order.
std::vector<int> KombisSuchen(const TZahlenMenge& wahl, int von, int bis);

// The numbers picked for the search: at most five.
class KombiAuswahl {
 public:
  // Adds or removes n; refuses a sixth number with the message for the player.
  std::optional<Meldung> Umschalten(int n);
  void AufNull() {
    wahl_.Leeren();
    anzahl_ = 0;
  }
  const TZahlenMenge& Wahl() const { return wahl_; }
  int Anzahl() const { return anzahl_; }
  bool SucheMoeglich() const { return anzahl_ >= 2; }

 private:
  TZahlenMenge wahl_;
  int anzahl_ = 0;
};

// The members 1..hoechste ascending, as decimals joined by trenner: {3, 17, 22} → "3,17,22".
QString MengeAlsText(const TZahlenMenge& menge, int hoechste = MaxZahl, const QString& trenner = QStringLiteral(","));
