// The program's grids: cells of text, row 0 the header row, column 0 the row header.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include <QString>
#include <QStringList>

// How a data cell (row >= 1, column >= 1) looks; the table models serve it as their roles.
struct Zellbild {
  enum class Ausrichtung : std::uint8_t { Zentriert, Rechts };
  std::optional<std::uint32_t> hintergrund;  // 0xRRGGBB; none: the table's base colour
  bool fett = false;
  Ausrichtung ausrichtung = Ausrichtung::Zentriert;
};

// Read access to a grid, so that a view can show large results whose texts are made when shown.
class TabellenDaten {
 public:
  virtual ~TabellenDaten() = default;
  virtual int Zeilen() const = 0;   // including the header row
  virtual int Spalten() const = 0;  // visible columns, including column 0
  virtual QString Zelle(int zeile, int spalte) const = 0;
  virtual Zellbild Bild(int /*zeile*/, int /*spalte*/) const { return {}; }
  // The widest text a column may hold (its width is never smaller than this text needs).
  virtual QString Muster(int /*spalte*/) const { return {}; }
  // Whether a header text is centred by blanks in front (the centring rule for table texts).
  virtual bool KopfZentriert(int /*spalte*/) const { return true; }
};

// A grid of texts. Cells beyond the visible columns (or rows) are kept, so that an import can hold
// more parts per line than the table shows.
class Tabelle : public TabellenDaten {
 public:
  explicit Tabelle(int zeilen = 2, int spalten = 6) : zeilen_(zeilen), spalten_(spalten) {}

  int Zeilen() const override { return zeilen_; }
  int Spalten() const override { return spalten_; }
  QString Zelle(int zeile, int spalte) const override;
  Zellbild Bild(int, int) const override { return bild; }
  QString Muster(int spalte) const override { return muster.value(spalte); }
  Zellbild bild;       // the look of every data cell
  QStringList muster;  // the widest text of each column

  void SetzeZeilen(int n) { zeilen_ = n < 1 ? 1 : n; }
  void SetzeSpalten(int n) { spalten_ = n < 1 ? 1 : n; }
  void SetzeZelle(int zeile, int spalte, const QString& text);
  // The stored parts of a row, also those beyond the visible columns.
  int GespeicherteSpalten(int zeile) const;
  // Empties every cell of the data rows (row >= 1), also hidden ones; with ohneSpalte0 the row
  // header column keeps its texts.
  void DatenLeeren(bool ohneSpalte0 = false);

  // The row table layout: column 0 "Reihe", columns 1..5 "Z1".."Z5", one empty data row.
  static Tabelle Reihentabelle();

 private:
  int zeilen_;
  int spalten_;
  std::vector<QStringList> zellen_;  // by row
};
