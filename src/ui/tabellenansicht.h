// The row table of the program: a model over a grid of texts, a view, and one cell painter.
#pragma once

#include <functional>

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <QTableView>

#include "core/tabelle.h"

// How a data cell (row >= 1, column >= 1) is painted.
struct ZellStil {
  enum class Ausrichtung { Zentriert, Rechts };
  QColor hintergrund = Qt::white;
  bool fett = false;
  Ausrichtung ausrichtung = Ausrichtung::Zentriert;
};

class TabellenModell : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TabellenModell(QObject* eltern = nullptr) : QAbstractTableModel(eltern) {}
  void SetzeDaten(const TabellenDaten* daten);
  const TabellenDaten* Daten() const { return daten_; }
  // The grid changed (rows, columns or texts): the view asks again.
  void Neu();

  int rowCount(const QModelIndex& eltern = {}) const override;
  int columnCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;
  QVariant headerData(int abschnitt, Qt::Orientation richtung, int rolle) const override;

 private:
  const TabellenDaten* daten_ = nullptr;
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
  void Neu() { modell_.Neu(); }

  void SetzeSpaltenBreiten(const QList<int>& breiten);
  void SetzeZeilenHoehe(int hoehe);
  // Style of data cells; without one they are white, normal weight, centred.
  void SetzeMaler(std::function<ZellStil(int zeile, int spalte)> maler) { maler_ = std::move(maler); }
  ZellStil Stil(int zeile, int spalte) const { return maler_ ? maler_(zeile, spalte) : ZellStil{}; }

  int ErsteSichtbareZeile() const;  // grid row of the first visible data row (1..)
  int VollSichtbareZeilen() const;  // how many data rows are fully visible
  void ZuErsterZeile(int zeile);     // scroll so that this data row is the first visible one
  void Neuzeichnen() { viewport()->update(); }

 private:
  TabellenModell modell_;
  QList<int> spaltenBreiten_;
  std::function<ZellStil(int, int)> maler_;
};

// Paints the cells: data cells in their style, 2 pixels below the top, clipped; column 0 as a header.
class ZellenMaler : public QStyledItemDelegate {
 public:
  explicit ZellenMaler(TabellenAnsicht* ansicht) : QStyledItemDelegate(ansicht), ansicht_(ansicht) {}
  void paint(QPainter* maler, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  TabellenAnsicht* ansicht_;
};
