// The window registry: every window is found by its name, and opened through one rule.
#pragma once

#include <functional>

#include <QString>

class QWidget;

// Registers a window under its name (its objectName); the newest registration is searched first.
void FensterRegistrieren(QWidget* fenster, const QString& name);

// True when an existing window (shown or hidden) carries exactly this name.
bool FormVorhanden(const QString& name);
QWidget* FensterFinden(const QString& name);

// Open by name: an existing window is restored to its normal state, otherwise a new one is made by
// erzeugen and registered. Then it is shown and brought to the front.
QWidget* NachNameOeffnen(const QString& name, const std::function<QWidget*()>& erzeugen);

// How each kind of window is made, under its window name; each window class registers itself.
void FensterArtRegistrieren(const QString& name, std::function<QWidget*()> erzeugen);
// Open by name with the registered kind. The ticket editor lives for the whole run: it is shown as
// it is (not restored), and made only when it does not exist yet.
QWidget* FensterOeffnen(const QString& name);

// Shows a window and brings it to the front.
void NachVorne(QWidget* fenster);

// Places a window centred on the main window ("FAuswertung"), where there is one.
void AmHauptfensterZentrieren(QWidget* fenster);
