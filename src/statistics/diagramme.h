// The statistics window's charts: the counts of the period beside their expectation and the 95 %
// band of fair draws, the absence of each number beside its mean and 99 % point, the pair counts
// relative to their expectation as a heat map, and the fairness test's verdict. Each chart can be
// saved as PNG or SVG, printed and copied.
#pragma once

#include <array>
#include <vector>

#include <QWidget>

#include "statistics/fairness.h"

class QChart;
class QChartView;
class QLabel;
class QPrinter;
class QTabWidget;

// The pair counts as a 35 x 35 heat map with its colour scale: the colour of a cell says how far
// its count is from the expectation (blue below, white at, red above).
class PaarKarte : public QWidget {
  Q_OBJECT
 public:
  explicit PaarKarte(QWidget* eltern = nullptr);
  void Setzen(std::vector<std::array<int, MaxZahl>> paare, double erwartet);
  const std::vector<std::array<int, MaxZahl>>& Paare() const { return paare_; }
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* ereignis) override;
  bool event(QEvent* ereignis) override;  // the tool tip of the cell under the mouse

 private:
  QRect Feld() const;  // the area of the 35 x 35 cells
  std::vector<std::array<int, MaxZahl>> paare_;
  double erwartet_ = 0;
};

class TFDiagramme : public QWidget {
  Q_OBJECT
 public:
  explicit TFDiagramme(QWidget* eltern = nullptr);
  // A tab widget sizes itself from every page's hints: hidden, this page asks for nothing, so the
  // window keeps the size the other tabs give it; shown, it asks for room for a readable chart and
  // the window grows for it (within the screen).
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return {}; }

  // The period von..bis (indices of the draw list); drawn now when the page is shown, else when it
  // is shown next.
  void ZeitraumSetzen(int von, int bis);

  // What the charts show (for tests): the count, the absence of each number 1..35.
  std::vector<double> Haeufigkeiten() const;
  std::vector<double> Abwesenheiten() const;
  const PaarKarte* Karte() const { return karte_; }
  QString UrteilText() const;
  QTabWidget* Diagrammwahl() const { return wahl_; }

  // The chart shown, as a picture and on a printer.
  QImage Bild() const;
  bool SvgSchreiben(const QString& pfad) const;
  void DruckenAuf(QPrinter& drucker) const;

 protected:
  void showEvent(QShowEvent* ereignis) override;

 private:
  void Zeichnen();
  void HaeufigkeitenZeichnen(const Zaehlung& anzahl, int ziehungen);
  void AusbleibenZeichnen(const Zaehlung& abwesend);
  QWidget* Gezeigt() const;
  void SpeichernKlick();
  void DruckenKlick();
  void KopierenKlick();

  int von_ = 0, bis_ = -1;
  bool veraltet_ = true;
  QTabWidget* wahl_ = nullptr;
  QChartView* haeufigkeiten_ = nullptr;
  QChartView* ausbleiben_ = nullptr;
  PaarKarte* karte_ = nullptr;
  QLabel* urteil_ = nullptr;
  std::vector<double> zahlen_, abwesend_;
};
