// The result panel of one ticket: its rows and shares, the draw choice, "Start" and the result.
#pragma once

#include <QWidget>

#include "core/tabelle.h"
#include "evaluation/gewinnauswertung.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TabellenAnsicht;

class TFFrScheineN : public QWidget {
  Q_OBJECT
 public:
  // preis: the price of one row, passed to every evaluation.
  explicit TFFrScheineN(float preis, QWidget* eltern = nullptr);
  ~TFFrScheineN() override;

  // Reads the ticket file; both draw selectors show the draw dates (oldest first) and the date of a
  // draw being entered in the main window (neuesDatum, when not empty), the last and the one before
  // it selected.
  void Fuellen(const QString& pfad, const QString& neuesDatum = {});
  // The order of Tab once the panel is in its window (a move to another window loses it).
  void TabFolgeSetzen();
  // After a saved draw or a reload: Combo1 selects the newest draw.
  void ZiehungenAktualisieren();

  // Evaluates beside the window; a second start while one runs does nothing.
  void BStartClick();
  bool LaeuftGerade() const { return laeuft_; }
  void BZeigClick();
  void BFotoClick();

  QString Pfad() const { return pfad_; }
  int HoechstZeile() const { return hoechstZeile_; }
  bool EinzelZiehung() const { return einzelZiehung_; }
  QWidget* RechterTeil() const { return rechts_; }  // the area a snapshot captures
  QComboBox* Combo1() const { return combo1_; }
  QComboBox* Combo2() const { return combo2_; }
  QCheckBox* CbBack() const { return cbBack_; }
  TabellenAnsicht* G3() const { return g3_; }
  TabellenAnsicht* G3a() const { return g3a_; }
  TabellenAnsicht* G5() const { return g5_; }

 private:
  QWidget* LinkerTeil();
  QWidget* RechterTeilAufbauen();
  void KlassenZeigen();

  float preis_;
  QString pfad_;
  int hoechstZeile_ = 0;
  bool einzelZiehung_ = false;

  ScheinTabelle schein_;              // the ticket's rows as numbers
  std::vector<TZahlenMenge> mengen_;  // the same as sets, for every "Start"
  AuswertungsErgebnis ergebnis_;
  ErgebnisTabelle g3aDaten_;
  Tabelle uebersicht_{2, 4};

  QLineEdit* lDatei_ = nullptr;
  QLineEdit* lReihen_ = nullptr;
  QLineEdit* eAntGes_ = nullptr;
  QLineEdit* eAntmeine_ = nullptr;
  TabellenAnsicht* g3_ = nullptr;
  QWidget* rechts_ = nullptr;
  QComboBox* combo1_ = nullptr;
  QComboBox* combo2_ = nullptr;
  QCheckBox* cbBack_ = nullptr;
  QPushButton* bStart_ = nullptr;
  TabellenAnsicht* g3a_ = nullptr;
  QLineEdit* lHGew_ = nullptr;
  QLineEdit* lHGewWann_ = nullptr;
  QToolButton* bZeig_ = nullptr;
  QLineEdit* lGesGewinn_ = nullptr;
  QLineEdit* lGesGewinnAnt_ = nullptr;
  QLineEdit* lRL_ = nullptr;
  TabellenAnsicht* g5_ = nullptr;
  class DatumsModell* ende_ = nullptr;    // Combo1: the store's dates
  class DatumsModell* anfang_ = nullptr;  // combo2: the dates when the panel was opened
  bool laeuft_ = false;                   // an evaluation runs
};
