// The main window: the draws (their frame) on the left, the tickets on the right, the tool bar and
// menus that lead to every other window through the program's actions.
#pragma once

#include <QMainWindow>

#include "evaluation/frZiehungen.h"

class QCheckBox;
class QComboBox;
class QTabWidget;
class TFFrScheineN;

class TFAuswertung : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFAuswertung(QWidget* eltern = nullptr);

  // Creation steps that may fail (loading the draw history); failures are reported, creation goes on.
  void Erzeugen();
  // Show-time work: remembered ticket files, the ticket files named on the command line, the sample
  // ticket, the question about a missing draw history. Runs once.
  void Anzeigen(const QStringList& befehlszeile = {});

  void BOpenClick();                              // "Öffnen...": one or more ticket files
  QWidget* DateienEinlesen(const QString& pfad);  // a new tab with a result panel
  void TabSchliessenClick();
  void AlleTabsSchliessenClick();
  void LogoClick();  // the maker's home page
  void BCloseClick() { close(); }

  TFfrZiehungen* Ziehungsseite() const { return ziehungen_; }
  QList<TFFrScheineN*> Panels() const;
  QTabWidget* Tabs() const { return tabs_; }
  QCheckBox* CbMerken() const { return cbMerken_; }
  float PreisJeReihe() const { return preis_; }
  // The draws side, as the tests and the panels know it.
  QComboBox* Combo1() const { return ziehungen_->Combo1(); }
  int GewaehltAnzahl() const { return ziehungen_->GewaehltAnzahl(); }
  bool ZiehungNeu() const { return ziehungen_->ZiehungNeu(); }
  QString DatumsZeile() const { return ziehungen_->DatumsZeile(); }

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void Menues();
  QWidget* RechterTeil();

  float preis_ = 0.5f;
  int tabZaehler_ = 0;
  bool angezeigt_ = false;
  TFfrZiehungen* ziehungen_ = nullptr;
  QCheckBox* cbMerken_ = nullptr;
  QTabWidget* tabs_ = nullptr;
};
