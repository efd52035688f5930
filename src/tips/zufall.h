// The random tip window: banker numbers, quota killers and favourites, the generated rows, their
// distribution, and saving them as a ticket or CSV file.
#pragma once

#include <array>

#include <QMainWindow>
#include <QPoint>

#include "core/tabelle.h"
#include "tips/zufallsgenerator.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TabellenAnsicht;

// The result grid over the last result: "Reihe", "Z1".."Z5"; 20 empty rows before the first run.
class ZufallsTabelle : public TabellenDaten {
 public:
  int Zeilen() const override { return 1 + (ergebnis ? static_cast<int>(ergebnis->Zufreihen.size()) : 20); }
  int Spalten() const override { return 6; }
  QString Zelle(int zeile, int spalte) const override;
  // Banker numbers light green (179, 255, 179), favourites blue (40, 184, 255), others white.
  Zellbild Bild(int zeile, int spalte) const override;
  QString Muster(int spalte) const override { return spalte == 0 ? QStringLiteral("324632") : QStringLiteral("35"); }
  const ZufallsErgebnis* ergebnis = nullptr;
  const TZufallsAuswahl* auswahl = nullptr;
  QStringList kopf;
};

class TFZufall : public QMainWindow {
  Q_OBJECT
 public:
  TFZufall();
  // Registers how the window is made under its name "FZufall".
  static void Registrieren();
  ~TFZufall() override;

  void BLotUrClick(int tag);    // a number button: group * 100 + number
  void GruppeLeeren(Gruppe g);  // a clear button
  void BGlueckClick();          // "Viel Glück!"
  void BSortClick();
  void BSaveClick();  // as a ticket file
  void BCsvClick();
  void BExcelClick();
  void LogoClick();

  const TZufallsAuswahl& Auswahl() const { return auswahl_; }
  bool Sortiert() const { return sortiert_; }
  bool LaeuftGerade() const { return laeuft_; }
  QPoint Ecke(int n) const { return eNrEcke_[static_cast<std::size_t>(n)]; }
  QPushButton* Knopf(int tag) const;
  QLabel* Zaehler(int n) const { return zaehler_[static_cast<std::size_t>(n)]; }
  QLabel* Nummer(int platz) const { return nummern_[static_cast<std::size_t>(platz)]; }
  TabellenAnsicht* Raster() const { return raster_; }

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  QWidget* AnzahlPanel();
  QWidget* AuswahlPanel(Gruppe g, const QString& titel);
  QWidget* ErgebnisPanel();
  QWidget* RechteSpalte();
  QWidget* Verteilung();
  void KnopfZeigen(Gruppe g, int n, bool gewaehlt);
  void ZaehlerZeigen();
  void Sperren(bool sperren);

  TZufallsAuswahl auswahl_;
  TZufall zufall_;
  ZufallsErgebnis ergebnis_;
  bool hatErgebnis_ = false;
  bool sortiert_ = false;
  bool gelesen_ = false;
  bool laeuft_ = false;
  std::array<QPoint, MaxZahl + 1> eNrEcke_{};
  std::array<std::array<QPushButton*, MaxZahl + 1>, 4> knoepfe_{};  // by group 1..3
  std::array<QToolButton*, 4> leeren_{};
  std::array<QLabel*, MaxZahl + 1> nummern_{};
  std::array<QLabel*, MaxZahl + 1> zaehler_{};
  QLineEdit* anzahl_ = nullptr;
  QPushButton* bGlueck_ = nullptr;
  QPushButton* bSave_ = nullptr;
  QPushButton* bCsv_ = nullptr;
  QPushButton* bExcel_ = nullptr;
  QPushButton* bSort_ = nullptr;
  QLabel* lDatei_ = nullptr;
  QLabel* lReihen_ = nullptr;
  QLineEdit* eAntGes_ = nullptr;
  QLineEdit* eAntmeine_ = nullptr;
  TabellenAnsicht* raster_ = nullptr;
  ZufallsTabelle rasterDaten_;
};
