// Start-up and shutdown of the program.
#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>

class TFStart;
class TFAuswertung;

struct Programm {
  QPointer<TFStart> start;
  QPointer<TFAuswertung> haupt;
};

// The steps before the event loop: process-wide values, the start screen shown, the permanent
// windows created (a failure is reported and start-up goes on), InitializationDone set; the main
// window waits transparent until the start screen fades into it. datenBasis replaces the user's
// data location (tests). scheine: ticket files named on the command line, opened in tabs when the
// main window is first shown.
Programm ProgrammVorbereiten(const QString& programmOrdner, const QString& datenBasis = QString(), const QStringList& scheine = {});

// How every kind of window is made, under its window name; the statistics base follows the store.
void FensterArtenRegistrieren();

// Qt's own German texts (dialogs, context menus, the help viewer's search); the catalogues loaded.
QStringList QtUebersetzungenLaden();

// The whole program: start-up, event loop, end.
int ProgrammAusfuehren(int argc, char** argv);

// The sample ticket written into a newly created data folder.
void DemoScheinSchreiben(const QString& pfad);
