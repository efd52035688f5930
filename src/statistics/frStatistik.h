// The statistics frame: period, number panel, absences, combination lists and the search.
#pragma once

#include <array>
#include <vector>

#include <QGroupBox>
#include <QPoint>

#include "core/tabelle.h"
#include "statistics/kombinationen.h"
#include "statistics/zahlenstatistik.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QToolButton;
class TabellenAnsicht;

// A ranking grid over a table's list: "Rang", "Kombi", "Anz.", texts made when shown.
class RanglistenTabelle : public TabellenDaten {
 public:
  int Zeilen() const override { return 1 + (liste ? static_cast<int>(liste->size()) : leereZeilen); }
  int Spalten() const override { return 3; }
  QString Zelle(int zeile, int spalte) const override;
  // The rank, a quadruple of two-digit numbers, a count.
  QString Muster(int spalte) const override {
    return spalte == 0 ? QStringLiteral("52360") : spalte == 1 ? QStringLiteral("30,31,32,33") : QStringLiteral("99999");
  }
  const KombiTabelle* tabelle = nullptr;
  const std::vector<std::uint32_t>* liste = nullptr;  // none: leereZeilen empty rows
  int leereZeilen = 49;
  QStringList kopf;
};

// The search result grid: "Nr.", "Datum", "mit...".
class SuchTabelle : public TabellenDaten {
 public:
  int Zeilen() const override { return 1 + datenZeilen; }
  int Spalten() const override { return 3; }
  QString Zelle(int zeile, int spalte) const override;
  QString Muster(int spalte) const override;
  std::vector<int> treffer;  // draw indices; rows beyond them are empty
  TZahlenMenge wahl;
  int datenZeilen = 49;
  QStringList kopf;
};

class TFfrStatistik : public QGroupBox {
  Q_OBJECT
 public:
  explicit TFfrStatistik(QWidget* eltern = nullptr);
  ~TFfrStatistik() override;

  // Creation steps after the frame exists: counts, lists, absences and pairs.
  void Aufbauen();

  void BStartClick();  // counts for the chosen period
  void ZeitraumGeaendert();
  void StatistikAbsteigend();  // the sort button
  void KombiStarten(int k);    // triples or quadruples
  void BNrClick(int n);        // a search number
  void BSucheClick();
  void BResetClick();

  bool Sortiert() const { return sortiert_; }
  QPoint Ecke(int platz) const { return eNrEcke_[static_cast<std::size_t>(platz)]; }
  // Where a count stands from its tile's corner: right beside the tile, sorted or not.
  QPoint ZaehlerVersatz() const { return zaehlerVersatz_; }
  QLabel* Kachel(int platz) const { return kacheln_[static_cast<std::size_t>(platz)]; }
  QLabel* ZaehlLabel(int n) const { return zaehler_[static_cast<std::size_t>(n)]; }
  QComboBox* Von() const { return von_; }
  class TFDiagramme* Diagramme() const {
    return diagramme_;
  }
  QComboBox* Bis() const { return bis_; }
  QLabel* AnzahlZiehungen() const { return anzahl_; }
  QLabel* Trefferzahl() const { return trefferzahl_; }
  const KombiAuswahl& Auswahl() const { return auswahl_; }
  TabellenAnsicht* Liste(int k, bool haeufigste) const;

 signals:
  // The player asked for the download of missing draws.
  void DownloadGewuenscht();

 private:
  QWidget* ZeitraumLeiste();
  QWidget* ZahlenPlatte();
  QWidget* SortierLeiste();
  QWidget* AbwesenheitsGruppe();
  QWidget* Reiter();
  class TFDiagramme* diagramme_ = nullptr;
  QWidget* KombiSeite(int k);
  QWidget* SuchSeite();
  TabellenAnsicht* Rangliste(int k, bool haeufigste, QWidget* eltern);
  void Einrichten(TabellenAnsicht* ansicht, const QList<int>& breiten);
  void ZaehlerZeigen(const Zaehlung& z);
  void AbwesenheitZeigen();
  void LaufSperren(bool sperren);
  bool KeineZiehungen() const;

  bool fensterFertig_ = false;
  bool sortiert_ = false;
  std::array<QPoint, MaxZahl + 1> eNrEcke_{};
  QPoint zaehlerVersatz_;
  std::array<QLabel*, MaxZahl + 1> kacheln_{};
  std::array<QLabel*, MaxZahl + 1> zaehler_{};
  std::array<QToolButton*, MaxZahl + 1> suchKnoepfe_{};
  KombiAuswahl auswahl_;

  QComboBox* von_ = nullptr;
  QComboBox* bis_ = nullptr;
  QToolButton* bStart_ = nullptr;
  QLabel* anzahl_ = nullptr;
  QToolButton* bSort_ = nullptr;
  TabellenAnsicht* abwesenheit_ = nullptr;
  Tabelle abwesenheitDaten_{2, MaxZahl + 1};
  QTabWidget* reiter_ = nullptr;
  std::array<Ranglisten, 5> listen_;               // by k
  std::array<RanglistenTabelle, 10> listenDaten_;  // [2k + (haeufigste ? 0 : 1)]
  std::array<TabellenAnsicht*, 10> listenAnsichten_{};
  std::array<QProgressBar*, 5> fortschritt_{};
  std::array<QToolButton*, 5> kombiStart_{};
  QPushButton* bSuche_ = nullptr;
  QToolButton* bReset_ = nullptr;
  QLabel* trefferzahl_ = nullptr;
  TabellenAnsicht* suche_ = nullptr;
  SuchTabelle sucheDaten_;
};
