// The snapshot of a panel as the result panel's photo button asks for it; the snapshot windows
// install what takes it.
#pragma once

#include <functional>

#include <QString>

class QWidget;

using AbbildFunktion = std::function<void(QWidget* panel, const QString& titel, int abschneiden)>;
void AbbildDienstSetzen(AbbildFunktion funktion);
// Takes the picture of the panel (nothing when no snapshot window kind is installed).
void AbbildAufnehmen(QWidget* panel, const QString& titel, int abschneiden);
