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

// Shows a window and brings it to the front.
void NachVorne(QWidget* fenster);
