// Importing draws: the preview dialog (the first lines as read, the format found, changeable, the
// problems of every line and the conflicts with the history, what the import will do) and the
// main window's import and export of the draw history.
#pragma once

#include <optional>
#include <vector>

#include <QDialog>
#include <QStringList>

#include "core/ziehungsimport.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TabellenAnsicht;
class Tabelle;

class TFZiehungsImport : public QDialog {
  Q_OBJECT
 public:
  // text: the source as text (a file or the clipboard; the separator can be changed), or empty for
  // the lines of a sheet.
  TFZiehungsImport(const QString& quelle, const QString& text, std::vector<QStringList> zeilen, QWidget* eltern = nullptr);
  ~TFZiehungsImport() override;

  const ImportFormat& Format() const { return format_; }
  const ImportPruefung& Pruefung() const { return pruefung_; }
  const Zusammenfuehrung& Ergebnis() const { return ergebnis_; }
  QComboBox* Folge() const { return folge_; }
  QPushButton* Importieren() const { return importieren_; }
  QRadioButton* DateiGewinnt() const { return dateiGewinnt_; }
  QSpinBox* Kopfzeilen() const { return kopfzeilen_; }

  // Writes the merged history (GZ.bak kept) and reloads the store; reports a failure and stays.
  void ImportierenKlick();

 private:
  void FormatZeigen();
  void Neuberechnen();
  void VorschauFuellen();

  QString text_;
  std::vector<QStringList> zeilen_;
  ImportFormat format_;
  ImportPruefung pruefung_;
  Zusammenfuehrung ergebnis_;
  bool zeigt_ = false;  // controls being set from the format: no recalculation

  QComboBox* trenner_ = nullptr;
  QSpinBox* kopfzeilen_ = nullptr;
  QComboBox* datumsArt_ = nullptr;
  QSpinBox* datumSpalte_ = nullptr;
  QComboBox* folge_ = nullptr;
  QSpinBox* zahlen_[5] = {};
  TabellenAnsicht* vorschau_ = nullptr;
  Tabelle* vorschauDaten_ = nullptr;
  QLabel* zusammenfassung_ = nullptr;
  QListWidget* probleme_ = nullptr;
  QRadioButton* historieBleibt_ = nullptr;
  QRadioButton* dateiGewinnt_ = nullptr;
  QPushButton* importieren_ = nullptr;
};

// The text of a draw file (UTF-8, else Windows-1252), or the lines of a spreadsheet (read in the
// reader process beside the window); nothing when cancelled or unreadable (reported).
struct ImportQuelle {
  QString text;
  std::vector<QStringList> zeilen;
};
std::optional<ImportQuelle> ImportQuelleLesen(const QString& pfad, QWidget* eltern);

// "Ziehungen importieren...": a file chosen; "aus der Zwischenablage": the clipboard's text.
void ZiehungenImportierenKlick(QWidget* eltern);
void ZiehungenEinfuegenKlick(QWidget* eltern);
// "Ziehungen exportieren...": the history as CSV or as a spreadsheet.
void ZiehungenExportierenKlick(QWidget* eltern);
