// The draws side of the main window: the draw selector, the number field that shows and edits the
// numbers of a draw, adding, correcting and saving draws, the paste of numbers, and the draws grid.
// It writes the draw list only through its store and follows the store's announcements.
#pragma once

#include <array>

#include <QWidget>

#include "core/tabelle.h"
#include "core/var_def.h"

class QComboBox;
class QLabel;
class QPushButton;
class QToolButton;
class TabellenAnsicht;
class Zahlenfeld;

// The draws grid over the draw list: newest draw in data row 1, texts made when shown.
class ZiehungenTabelle : public TabellenDaten {
 public:
  int Zeilen() const override;
  int Spalten() const override { return 6; }
  QString Zelle(int zeile, int spalte) const override;
  QString Muster(int spalte) const override;
  QStringList kopf;
};

class TFfrZiehungen : public QWidget {
  Q_OBJECT
 public:
  // The order of Tab once the column is in its window (a move to another window loses it).
  void TabFolgeSetzen();
  explicit TFfrZiehungen(QWidget* eltern = nullptr);
  ~TFfrZiehungen() override;

  void BLotAuswerten(int n);  // toggle number n
  void BDelClick();           // clear the selection
  void Combo1Change();
  void BHinzuClick();
  void BSaveClick();
  void BCopyClick();
  void BMaklerClick();    // the broker's page of current numbers
  void GZinG1Einlesen();  // refill the draws grid and the count label

  int GewaehltAnzahl() const { return gewaehltAnzahl_; }
  bool ZiehungNeu() const { return ziehungNeu_; }
  QString DatumsZeile() const { return datumsZeile_; }
  QComboBox* Combo1() const { return combo1_; }
  // The date of the draw being entered; empty when none is.
  QString NeuesDatum() const;

 private:
  void NummerAnzeigen(int n);
  void HinzuKnopfZeigen(bool abbrechen);
  void DatumsZeileSetzen(const QString& datum);
  void DrawSelectorFuellen();
  void NeuGeladen();

  TZahlenMenge gewaehlt_;
  int gewaehltAnzahl_ = 0;
  bool ziehungNeu_ = false;
  QString datumsZeile_;

  QComboBox* combo1_ = nullptr;
  class DatumsModell* daten_ = nullptr;  // the selector's dates
  QPushButton* bHinzu_ = nullptr;
  QPushButton* bSave_ = nullptr;
  QPushButton* bCopy_ = nullptr;
  QLabel* lDatum_ = nullptr;
  QLabel* lAnzahl_ = nullptr;
  Zahlenfeld* feld_ = nullptr;
  TabellenAnsicht* g1_ = nullptr;
  ZiehungenTabelle g1Daten_;
  std::array<QWidget*, 2> makler_{};  // the links to the lottery's website
};

// Asks whether the missing draw history is to be downloaded; on Yes the update window opens and
// downloads at once.
void DownloadAnbieten(QWidget* eltern);
