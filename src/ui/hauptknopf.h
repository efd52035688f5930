// Return (and Enter) press the main button of the part of a window the focus is in: "Start" of a
// ticket's panel, "Viel Glück!", "Suche starten", "Reihen in Tabelle übertragen". Not in fields of
// several lines (there Return begins a new line) and not on another button.
#pragma once

class QAbstractButton;
class QWidget;

// Return anywhere inside bereich presses knopf while it can be pressed.
void HauptknopfSetzen(QWidget* bereich, QAbstractButton* knopf);
