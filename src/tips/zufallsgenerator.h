// The random tip generator: distinct rows of five numbers under banker numbers (in every row),
// quota killers (in no row) and favourites (drawn with double weight).
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include <QString>

#include "core/meldung.h"
#include "core/var_def.h"

enum class Gruppe { Bank = 1, Killer = 2, Favorit = 3 };

// The player's selection; the three groups stay disjoint through the window.
class TZufallsAuswahl {
 public:
  enum class Wirkung { Hinzugefuegt, Entfernt, Abgelehnt };
  struct Ergebnis {
    Wirkung wirkung;
    std::optional<Meldung> meldung;  // with a refusal
  };
  // Toggles number n in a group; code = group * 100 + number (101..135, 201..235, 301..335).
  Ergebnis Umschalten(int code);
  Ergebnis Umschalten(Gruppe g, int n) { return Umschalten(static_cast<int>(g) * 100 + n); }
  // The members of a group in ascending order: clearing removes them one by one in this order.
  std::vector<int> Mitglieder(Gruppe g) const;
  const TZahlenMenge& Menge(Gruppe g) const;
  int Anzahl(Gruppe g) const { return Menge(g).Groesse(); }
  // The group a number belongs to, if any.
  std::optional<Gruppe> GruppeVon(int n) const;

 private:
  TZahlenMenge BZGewaehlt, KillGewaehlt, FavGewaehlt;
};

// The linear congruential generator: state * 134775813 + 1 (mod 2^32); a uniform integer in
// 0..m-1 is the upper 32 bits of state * m.
class TZufall {
 public:
  explicit TZufall(std::uint32_t saat = 0) : zustand_(saat) {}
  std::uint32_t Naechste(std::uint32_t m) {
    zustand_ = zustand_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(zustand_) * m) >> 32);
  }
  // A new seed from the high-resolution clock mixed with one output of the current state, or the
  // fixed seed a test has set.
  void NeuSaeen();

 private:
  std::uint32_t zustand_;
};

// Tests fix the seed of every run (nullopt: from the clock again).
void ZufallsSaatFestlegen(std::optional<std::uint32_t> saat);

struct ZufallsErgebnis {
  std::vector<std::array<std::uint8_t, ZahlenJeReihe>> Zufreihen;  // each ascending, in accepted order
  std::array<int, MaxZahl + 1> NrCount{};                          // rows containing each number
};

// Runs the generator for n rows. zwischendurch (about every 20 ms) reports the rows accepted so far
// and returns false to end the run. Returns the refusal for the player, or nothing; the result is
// replaced only by a run that completes.
struct ZufallsLauf {
  std::optional<Meldung> ablehnung;
  bool abgebrochen = false;
};
ZufallsLauf ZufallszahlenErmitteln(const TZufallsAuswahl& auswahl, std::int64_t n, TZufall& zufall, ZufallsErgebnis& ergebnis,
                                   const std::function<bool(std::int64_t)>& zwischendurch = {});

// The pool: the free numbers ascending, each favourite twice in a row.
std::vector<std::uint8_t> Topf(const TZufallsAuswahl& auswahl);

// A group as text ("3,17,22") and back through the toggle (messages of refused numbers returned).
QString AuswahlAlsText(const TZufallsAuswahl& auswahl, Gruppe g);
std::vector<Meldung> AuswahlAusText(TZufallsAuswahl& auswahl, const QString& bank, const QString& killer, const QString& favoriten,
                                    const std::function<void(Gruppe, int, const TZufallsAuswahl::Ergebnis&)>& angewendet = {});
