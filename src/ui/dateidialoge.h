// The file-dialog service: open and save dialogs go through it, so tests can choose the files.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

struct DateiDialog {
  QString titel;
  QString filter;          // "Beschreibung|*.ext" pairs joined by '|', as the program writes them
  QString standardEndung;  // without the dot; added when the chosen name has no extension
  QString startOrdner;
  QString vorschlag;     // proposed file name (save)
  bool mehrere = false;  // several files (open)
};

class DateiDialogDienst {
 public:
  virtual ~DateiDialogDienst() = default;
  // The chosen files; empty when cancelled.
  virtual QStringList Oeffnen(const DateiDialog& dialog, QWidget* eltern) = 0;
  // The chosen file name; empty when cancelled.
  virtual QString Speichern(const DateiDialog& dialog, QWidget* eltern) = 0;
};

DateiDialogDienst& DateiDialoge();
DateiDialogDienst* DateiDialogDienstSetzen(DateiDialogDienst* dienst);  // nullptr: Qt dialogs again

// "Tippschein-Datei|*.vnds" → "Tippschein-Datei (*.vnds)" entries for Qt.
QStringList QtFilter(const QString& filter);
// Adds the default extension to a name without one.
QString MitEndung(const QString& pfad, const QString& endung);

// The open dialog of ticket files: "Tippschein-Datei einlesen", *.vnds, starting in the data folder.
DateiDialog TippscheinOeffnenDialog(bool mehrere);
