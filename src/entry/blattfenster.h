// Reading a spreadsheet for a window: in the reader process, beside the window, with progress and
// "Abbrechen".
#pragma once

#include <QString>

#include "entry/tabellenkalkulation.h"

class QWidget;

Blatteinlesen BlattImHintergrundEinlesen(const QString& pfad, QWidget* eltern);
