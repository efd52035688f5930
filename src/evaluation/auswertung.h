// The main window: the draws (selector, number field, draws grid) on the left, the tickets on the
// right, the tool bar and menus that lead to every other window.
#pragma once

#include <array>

#include <QMainWindow>
#include <QPointer>

#include "core/tabelle.h"
#include "core/var_def.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTabWidget;
class TFFrScheineN;
class QPushButton;
class QToolButton;
class QToolBar;
class TabellenAnsicht;

// The navigation targets every window's tool bar offers (the main window's handlers).
enum class Navi { Eingabe, Zufall, Statistik, Update, NueberK, Kalender, Rechner };

// The draws grid over the draw list: newest draw in data row 1, texts made when shown.
class ZiehungenTabelle : public TabellenDaten {
 public:
  int Zeilen() const override;
  int Spalten() const override { return 6; }
  QString Zelle(int zeile, int spalte) const override;
  QStringList kopf;  // header texts (centred)
};

class TFAuswertung : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFAuswertung(QWidget* eltern = nullptr);
  ~TFAuswertung() override;

  // Creation steps that may fail (loading the draw history); failures are reported, creation goes on.
  void Erzeugen();

  // Draws side.
  void BLotAuswerten(int n);  // toggle number n
  void BDelClick();           // clear the selection
  void Combo1Change();
  void BHinzuClick();
  void BSaveClick();
  void BCopyClick();
  void GZinG1Einlesen();      // refill the draws grid and the count label
  // After the draw history file was replaced: selector, list, newest draw, grid, statistics.
  void ZiehungenNeuLaden();

  // Tickets side.
  // Show-time work: remembered ticket files, the ticket files named on the command line, the sample
  // ticket, the question about a missing draw history. Runs once.
  void Anzeigen(const QStringList& befehlszeile = {});
  void BOpenClick();          // "Öffnen...": one or more ticket files
  QWidget* DateienEinlesen(const QString& pfad);  // a new tab with a result panel
  void TabSchliessenClick();
  void AlleTabsSchliessenClick();
  void BMaklerClick();        // the broker's page of current numbers
  void LogoClick();           // the maker's home page
  QList<TFFrScheineN*> Panels() const;
  QTabWidget* Tabs() const { return tabs_; }
  QCheckBox* CbMerken() const { return cbMerken_; }

  // Navigation.
  void BEingabeNClick();
  void BZufallClick();
  void BStatistikClick();
  void BNoverKClick();
  void BUpdateClick();
  void BKalClick();
  void BCalcClick();
  void ProgrammInfo1Click();
  // Adds the buttons of these targets to another window's tool bar, in this order.
  void NaviKnoepfe(QToolBar* leiste, std::initializer_list<Navi> ziele);
  void BCloseClick();

  // State, for the windows and the tests.
  const TZahlenMenge& Gewaehlt() const { return gewaehlt_; }
  int GewaehltAnzahl() const { return gewaehltAnzahl_; }
  bool ZiehungNeu() const { return ziehungNeu_; }
  float PreisJeReihe() const { return preis_; }
  QString DatumsZeile() const { return datumsZeile_; }
  QComboBox* Combo1() const { return combo1_; }

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  void Aufbauen();
  QWidget* LinkeSpalte();
  QWidget* RechterTeil();
  void NummerAnzeigen(int n);
  void HinzuKnopfZeigen(bool abbrechen);
  void DatumsZeileSetzen(const QString& datum);
  void DrawSelectorFuellen();
  void DownloadAnbieten();

  TZahlenMenge gewaehlt_;
  int gewaehltAnzahl_ = 0;
  bool ziehungNeu_ = false;
  float preis_ = 0.5f;
  QString datumsZeile_;
  int tabZaehler_ = 0;
  bool angezeigt_ = false;

  QComboBox* combo1_ = nullptr;
  QPushButton* bHinzu_ = nullptr;
  QPushButton* bSave_ = nullptr;
  QToolButton* bDel_ = nullptr;
  QPushButton* bCopy_ = nullptr;
  QLabel* lDatum_ = nullptr;
  QLabel* lAnzahl_ = nullptr;
  std::array<QToolButton*, MaxZahl + 1> nummern_{};
  TabellenAnsicht* g1_ = nullptr;
  QCheckBox* cbMerken_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  ZiehungenTabelle g1Daten_;
};
