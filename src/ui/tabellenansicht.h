// The row table of the program: a model over a grid of texts whose roles say how each cell looks,
// a view that lets the player select and copy cells, and one cell painter that paints what the
// roles say.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <QTableView>

#include "core/tabelle.h"

// How a data cell is painted, as the model's roles give it (with the palette's base colour where
// the model names none).
struct ZellStil {
  enum class Ausrichtung { Zentriert, Rechts };
  QColor hintergrund;
  bool fett = false;
  Ausrichtung ausrichtung = Ausrichtung::Zentriert;
};

// A grid of more than Grenze data rows is shown through a window of Fenster rows that moves with
// the view: Qt's views keep bookkeeping for every row (about 12 bytes and a pass at each reset),
// which for tens of millions of result rows would cost hundreds of megabytes and seconds.
class TabellenModell : public QAbstractTableModel {
  Q_OBJECT
 public:
  static constexpr int Grenze = 100000;
  static constexpr int Fenster = 50000;

  explicit TabellenModell(class TabellenAnsicht* ansicht);
  void SetzeDaten(const TabellenDaten* daten);
  const TabellenDaten* Daten() const { return daten_; }
  // The grid changed (rows, columns or texts): the view asks again, from the first row.
  void Neu();

  int DatenZeilen() const;  // all data rows of the grid
  bool Gefenstert() const { return DatenZeilen() > Grenze; }
  int Versatz() const { return versatz_; }  // model row r is data row Versatz() + r (0-based)
  void VersatzSetzen(int versatz);
  // A role of a grid cell (row >= 1), whether or not it is in the window.
  QVariant Rolle(int zeile, int spalte, int rolle) const;

  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  // Display text; background, bold and alignment of data cells; column 0 is the row header.
  QVariant data(const QModelIndex& index, int rolle) const override;
  // Header texts centred by blanks to the column's width in the header's font; with a fixed header
  // column the texts of column 0 stand in the vertical header.
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

 private:
  const TabellenDaten* daten_ = nullptr;
  class TabellenAnsicht* ansicht_;
  int versatz_ = 0;
};

// Grid rows and columns as the program counts them: row 0 is the header, data rows from 1;
// column 0 is the row header.
class TabellenAnsicht : public QTableView {
  Q_OBJECT
 public:
  explicit TabellenAnsicht(QWidget* eltern = nullptr);

  // The grid must outlive the view, or be taken away (nullptr) before it goes.
  void SetzeDaten(const TabellenDaten* daten) { modell_.SetzeDaten(daten); }
  const TabellenDaten* Daten() const { return modell_.Daten(); }
  void Neu();

  // The columns' widths at the small font they were made for: a column is as wide as given, or as
  // its header, its widest text and its first rows need in the font in use, whichever is more.
  void SetzeSpaltenBreiten(const QList<int>& breiten);
  // Row height: as given, or as the font needs.
  void SetzeZeilenHoehe(int hoehe);
  // Column 0 as a header that stays while the other columns scroll sideways.
  void FesteKopfspalte();
  // Width and height of all columns and rows (a table that never scrolls).
  QSize Inhaltsgroesse() const;
  // As wide as all columns (and the scroll bar) need, unless it has a fixed header column; as high
  // as Qt's tables ask for.
  QSize sizeHint() const override;

  // The look of a data cell (row >= 1, column >= 1) from the model's roles.
  ZellStil Stil(int zeile, int spalte) const;

  int ErsteSichtbareZeile() const;  // grid row of the first visible data row (1..)
  int VollSichtbareZeilen() const;  // how many data rows are fully visible
  void ZuErsterZeile(int zeile);    // scroll so that this data row is the first visible one
  void Neuzeichnen() { viewport()->update(); }

  // The selected cells as text: rows as lines, cells separated by tabs, blanks around them removed.
  QString AuswahlAlsText() const;
  // Puts the selected cells on the clipboard (Ctrl+C and the context menu "Kopieren").
  void Kopieren();

 protected:
  void keyPressEvent(QKeyEvent* ereignis) override;
  void updateGeometries() override;
  void contextMenuEvent(QContextMenuEvent* ereignis) override;
  QModelIndex moveCursor(CursorAction aktion, Qt::KeyboardModifiers tasten) override;

 private:
  // The window of a large grid: its own scroll bar over all rows stands over the view's, which
  // scrolls within the window; the window moves when the view comes near its ends.
  void FensterEinrichten();
  void InnenGescrollt();
  void LeisteAbgleichen();
  void AussenGescrollt(int erste);
  void FensterVerschieben(int erste);
  int Sichtbar() const;

  TabellenModell modell_;
  class QScrollBar* leiste_ = nullptr;  // all data rows of a windowed grid
  bool verschiebt_ = false;
  QList<int> spaltenBreiten_;
  int kopfspalte_ = 0;            // the given width of a fixed header column
  class QLabel* ecke_ = nullptr;  // the header of a fixed header column, above it
};

// Paints the cells: data cells in the look their roles give (2 pixels below the top, clipped,
// centred or right-aligned 3 pixels from the edge), selected cells highlighted, column 0 as a
// header.
class ZellenMaler : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
