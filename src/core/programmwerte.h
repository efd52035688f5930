// Process-wide values: computed once at start-up, read everywhere.
#pragma once

#include <QLocale>
#include <QString>

#include "kelvaro_version.h"

struct Programmwerte {
  QString titel = QStringLiteral("Kelvaro");
  QString version = QStringLiteral(KELVARO_VERSION);
  // Folders end with '/'.
  QString programmOrdner;
  QString datenOrdner;
  QString testDatei;     // temporary file of every download, in a folder only the player can enter
  QString hilfeDatei;    // the help file: beside the program (build tree) or in share/kelvaro/
  QString helferOrdner;  // the helper programs: beside the program or in libexec/kelvaro/
  QLocale geldFormat;    // the locale's number and currency format, taken once

  QString FensterTitel() const { return titel + QLatin1Char(' ') + version; }
  QString DatenDatei(const QString& name) const { return datenOrdner + name; }
};

Programmwerte& Werte();

// Uses German formats where the system locale is C/POSIX: this is a German program.
void GebietsschemaFestlegen();

struct DatenOrdnerErgebnis {
  bool neuAngelegt = false;  // the data folder did not exist and was created now
  QString fehler;            // empty when the folder exists
};

// Computes the paths in the order program folder, test file, data folder (created when missing),
// help file, helper folder, then takes the money format. The data folder is the user's data location followed by
// "Kelvaro/" unless datenBasis names another base (tests).
DatenOrdnerErgebnis WerteErmitteln(const QString& programmOrdner, const QString& datenBasis = QString());

// A folder of this run that only the player can enter (created on first use, removed at the end),
// for the temporary files of downloads; another user can neither read nor replace them.
QString PrivaterTempOrdner();

// Where a file of the program's own lies: beside the program (the build tree), else in the folder
// the installation gives relative to the program's folder. Ends with '/'.
QString ProgrammDatenOrdner(const QString& programmOrdner, const QString& datei, const QString& relativ);
