// The draw dates for every date selector: one list model over the draw list's store whose texts
// are made when shown (no copy of the dates per selector, nothing measured per item), or over a
// copy of the dates taken once, for a window that keeps its dates while it is open.
#pragma once

#include <memory>
#include <vector>

#include <QAbstractListModel>

class QComboBox;

class DatumsModell : public QAbstractListModel {
  Q_OBJECT
 public:
  enum class Quelle {
    Laufend,  // follows the store: saved draws appear, a reload starts afresh
    Stand,    // the dates when it was made
  };
  explicit DatumsModell(Quelle quelle, QObject* eltern = nullptr);

  int rowCount(const QModelIndex& eltern = {}) const override;
  QVariant data(const QModelIndex& index, int rolle) const override;

  // An entry after the draws' dates: the date of a draw being entered. When that draw is saved, the
  // entry stands for it (the number of entries stays).
  void ZusatzSetzen(const QString& datum);
  void ZusatzEntfernen();
  bool HatZusatz() const { return zusatz_; }

 private:
  void Gespeichert(int index, bool neu);
  void NeuGeladen();

  Quelle quelle_;
  int anzahl_ = 0;                                    // draws shown (the store may be ahead while it announces a change)
  std::shared_ptr<const std::vector<double>> stand_;  // the dates of a Stand model
  bool zusatz_ = false;
  QString zusatzText_;
};

// A date selector on a model: sized from the width of one date, never by measuring its entries,
// its list laid out as rows of one height.
void DatumsAuswahlEinrichten(QComboBox* auswahl, DatumsModell* modell, int mindestens = 0);
