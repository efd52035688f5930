// The evaluation engine: a ticket's rows against one draw or a range of draws.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

#include <QString>

#include "core/arbeitsstand.h"
#include "core/meldung.h"
#include "core/tabelle.h"
#include "core/var_def.h"

// The player's part of an amount, truncated to whole cents, computed in extended precision as
// x = (100 * A * M) / T / 10000 with A in ten-thousandths. No part exists when T is 0.
std::optional<Geld> AnteilBerechnen(Geld betrag, int antGes, int antMeine);

struct AuswertungsEingabe {
  const std::vector<TGewZahlen>* ziehungen = nullptr;
  int ende = -1;                     // the draw to evaluate, or the last draw of the range
  int anfang = -1;                   // the first draw of the range
  bool zeitraum = false;             // range mode
  std::vector<TZahlenMenge> reihen;  // the ticket rows as sets, in ticket order
  int antGes = 1;
  int antMeine = 1;
  float preis = 0.5f;  // price of one row
  // The most memory the result rows may take; an evaluation that could need more is refused
  // before it begins. 0: half of the memory the system has free.
  std::size_t speicherGrenze = 0;
  Arbeitsstand* stand = nullptr;  // progress in draws and the cancel request (optional)
};

// One row of the result table as it is read.
struct ErgebnisZeile {
  std::int32_t ziehung;  // index into GewAuswListe
  std::int32_t reihe;    // ticket row (1..R) of a win
  int klasse;            // 3..5 a win, 0 "---", -1 nothing evaluated (a ticket without rows)
  bool datum;            // the first row of its draw shows the date
};

// The result rows, kept in 4 bytes each (row and class) in blocks of 2 MiB, plus where each draw's
// rows begin: growing never copies what is there, and never needs twice the room. Only the pages
// written to take memory.
class ErgebnisZeilen {
 public:
  static constexpr std::size_t BlockBits = 19, Block = std::size_t{1} << BlockBits;
  static constexpr std::int32_t GroessteReihe = (1 << 28) - 1;
  std::size_t size() const { return anzahl_; }
  bool empty() const { return anzahl_ == 0; }
  ErgebnisZeile operator[](std::size_t i) const;
  ErgebnisZeile back() const { return (*this)[anzahl_ - 1]; }
  // At most this many rows of that many draws to come; with many rows the blocks are asked for in
  // large pages (far fewer page faults).
  void Erwartet(std::size_t zeilen, std::size_t ziehungen);
  // The rows that follow belong to the next draw.
  void ZiehungBeginnen() { anfang_.push_back(static_cast<std::uint32_t>(anzahl_)); }
  void Anhaengen(std::int32_t reihe, int klasse) {
    if ((anzahl_ & (Block - 1)) == 0 && (anzahl_ >> BlockBits) == bloecke_.size()) NeuerBlock();
    bloecke_[anzahl_ >> BlockBits][anzahl_ & (Block - 1)] = static_cast<std::uint32_t>(reihe) << 4 | static_cast<std::uint32_t>(klasse + 1);
    ++anzahl_;
  }
  // Bytes held for the rows.
  std::size_t Bytes() const { return bloecke_.size() * Block * sizeof(std::uint32_t) + anfang_.capacity() * sizeof(std::uint32_t); }

  struct Iterator {
    const ErgebnisZeilen* zeilen;
    std::size_t i;
    ErgebnisZeile operator*() const { return (*zeilen)[i]; }
    Iterator& operator++() {
      ++i;
      return *this;
    }
    bool operator!=(const Iterator& o) const { return i != o.i; }
  };
  Iterator begin() const { return {this, 0}; }
  Iterator end() const { return {this, anzahl_}; }

 private:
  struct Freigeben {
    void operator()(std::uint32_t* p) const;
  };
  void NeuerBlock();
  std::vector<std::unique_ptr<std::uint32_t[], Freigeben>> bloecke_;
  std::size_t anzahl_ = 0;
  std::vector<std::uint32_t> anfang_;  // the first row of each draw
  bool grosseSeiten_ = false;
};

struct AuswertungsErgebnis {
  std::vector<TGewAusw> GewAuswListe;
  ErgebnisZeilen zeilen;                      // result rows 1..n
  std::array<int, 6> klassenAnzahl{};         // by hits; only 3..5 are used
  std::array<std::optional<Geld>, 6> anteil;  // the player's part of each class's prize
  Geld gesamt;
  std::optional<Geld> gesamtAnteil;  // none when the total share count is 0
  // The return rate in ten-thousandths of a percent (4 decimals, rounded ties to even); none when
  // draws * rows * price is 0. Shown with 2 decimals, rounded half away from zero from this count.
  std::optional<std::int64_t> quote;
  Geld hoechstGewinn;
  QString hoechstDatum;  // empty when nothing was won
  int hoechstZeile = 0;  // result row of the highest win, 0 when none

  QString GesamtText() const;        // "116,00 €"
  QString GesamtAnteilText() const;  // "2,66 €" or "---"
  QString QuoteText() const;         // "37,50 %" or "---"; 4761,9050 shows 4761,91, 0,1250 shows 0,13
  QString HoechstText() const;       // "0,00 €" when nothing was won
  // "-" for 0, else the count (the panel centres it).
  QString KlassenText(int treffer) const;
};

// The result table over a result: "Datum", "Richtige", "in Reihe", "Gewinn", "Anteil"; the texts
// are made when a row is shown.
// Cells are bold on white, the row of the highest win (markiert) light blue; "Gewinn" and "Anteil"
// right-aligned.
class ErgebnisTabelle : public TabellenDaten {
 public:
  int Zeilen() const override;
  int Spalten() const override { return 5; }
  QString Zelle(int zeile, int spalte) const override;
  Zellbild Bild(int zeile, int spalte) const override;
  QString Muster(int spalte) const override;
  bool KopfZentriert(int spalte) const override { return spalte != 1 && spalte != 2; }  // "Richtige", "in Reihe" as they are
  const AuswertungsErgebnis* ergebnis = nullptr;
  QStringList kopf;
  int markiert = 0;  // the result row of the highest win, 0 for none
};

// A ticket's rows as numbers, texts made when shown ("Reihe", "Z1".."Z5"): bold cells on the
// table's cell colour; after a single-draw evaluation the drawn numbers light green, empty cells
// white.
class ScheinTabelle : public TabellenDaten {
 public:
  int Zeilen() const override { return 1 + static_cast<int>(reihen.size()); }
  int Spalten() const override { return 6; }
  QString Zelle(int zeile, int spalte) const override;
  Zellbild Bild(int zeile, int spalte) const override;
  QString Muster(int spalte) const override;
  std::vector<std::array<std::uint8_t, 5>> reihen;
  QStringList kopf;
  std::optional<TZahlenMenge> gezogen;  // the evaluated draw of a single-draw result
};

// The colours of the result panel's tables.
namespace Farbe {
inline constexpr std::uint32_t Weiss = 0xFFFFFF;
inline constexpr std::uint32_t Hellgruen = 0xC1FFC1;  // a hit (193, 255, 193)
inline constexpr std::uint32_t Hellblau = 0xB9F1FD;   // the highest win (185, 241, 253)
inline constexpr std::uint32_t Zelle = 0xF3F6F9;      // the ticket table's normal cell colour
}  // namespace Farbe

// Evaluates the rows or refuses with the message for the player (and changes nothing).
struct Auswertung {
  std::optional<Meldung> ablehnung;
  bool abgebrochen = false;  // cancelled through the work state: the result is incomplete
  AuswertungsErgebnis ergebnis;
};
Auswertung ScheinAuswerten(const AuswertungsEingabe& eingabe);

// The ticket rows of a row table (data rows 1..R, columns 1..5) as sets: decimal cells 0..255
// become members, other values are left out.
std::vector<TZahlenMenge> ReihenAusTabelle(const TabellenDaten& tabelle);
// The same from a ticket's numbers (values above 255 cannot occur in a byte).
std::vector<TZahlenMenge> ReihenAlsMengen(const std::vector<std::array<std::uint8_t, 5>>& reihen);

// The messages of a refused evaluation.
QString ZeitraumFehler();
QString KeineGewinnzahlen();
QString ZuGrossFehler(std::size_t zeilen);

// Half of the memory the system has free now (what an evaluation may take for its rows).
std::size_t FreierSpeicherFuerErgebnisse();
