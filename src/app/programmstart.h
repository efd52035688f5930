// Start-up and shutdown of the program.
#pragma once

#include <QPointer>
#include <QString>

class TFStart;
class TFAuswertung;

struct Programm {
  QPointer<TFStart> start;
  QPointer<TFAuswertung> haupt;
};

// The steps before the event loop: process-wide values, the start screen shown, the permanent
// windows created (a failure is reported and start-up goes on), InitializationDone set; the main
// window waits transparent until the start screen fades into it. datenBasis replaces the user's
// data location (tests).
Programm ProgrammVorbereiten(const QString& programmOrdner, const QString& datenBasis = QString());

// The whole program: start-up, event loop, end.
int ProgrammAusfuehren(int argc, char** argv);

// The sample ticket written into a newly created data folder.
void DemoScheinSchreiben(const QString& pfad);
