// The ticket editor: rows typed, clicked or pasted into a text field, or read from a ticket, CSV
// or spreadsheet file, checked into the ticket table and saved as a ticket, CSV or spreadsheet.
#pragma once

#include <QMainWindow>

#include "core/tabelle.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class TabellenAnsicht;

class TFEingabe : public QMainWindow {
  Q_OBJECT
 public:
  TFEingabe();
  // Registers how the window is made under its name "FEingabe".
  static void Registrieren();
  ~TFEingabe() override;

  void BLot50EUrClick(int n);  // keypad
  void TextfeldLoeschenClick();
  void UebertragenClick();  // "Reihen in Tabelle übertragen"
  void ReihenLoeschenClick();
  void BSaveClick();  // as a ticket file
  void BCsvSaveClick();
  void BExcelExportClick();
  void BScheinOeffnenClick();  // file tab: ticket file into the file table
  void BCsvOeffnenClick();
  void BExcelImportClick();
  void InsTextfeldClick();  // file table into the text field

  QPlainTextEdit* M1() const { return m1_; }
  const Tabelle& G1() const { return g1Daten_; }
  const Tabelle& G2() const { return g2Daten_; }
  QString Zeilenzahl() const;

 protected:
  void showEvent(QShowEvent* ereignis) override;
  void closeEvent(QCloseEvent* ereignis) override;

 private:
  QWidget* LinkerTeil();
  QWidget* Mitte();
  QWidget* RechterTeil();
  void ZeilenZaehlen();
  void DateiGelesen(const QString& pfad);

  QPlainTextEdit* m1_ = nullptr;
  QLabel* zeilen_ = nullptr;
  QCheckBox* cbPlus_ = nullptr;
  QRadioButton* rg1a_ = nullptr;
  QRadioButton* rg1b_ = nullptr;
  QSpinBox* schrift_ = nullptr;
  QLineEdit* eAntGes_ = nullptr;
  QLineEdit* eAntmeine_ = nullptr;
  QLabel* lDatei_ = nullptr;   // right: the saved file
  QLabel* lDatei2_ = nullptr;  // file tab: the file read
  TabellenAnsicht* g1_ = nullptr;
  TabellenAnsicht* g2_ = nullptr;
  Tabelle g1Daten_{50, 6};
  Tabelle g2Daten_{50, 6};
};
