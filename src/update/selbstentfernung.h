// The script that removes the old program file once the program has ended for an update.
#pragma once

#include <QString>

// The script's text: repeat deleting the program file until it is gone (for about a minute at
// most), remove the program folder if it is empty, delete the script itself.
QString SelbstentfernungsSkript(const QString& programmDatei, const QString& programmOrdner, const QString& skript);

// Writes the script under a new name in the temporary folder (prefix "uis"); returns its path or
// nothing when it cannot be written.
QString SelbstentfernungSchreiben(const QString& programmDatei, const QString& programmOrdner);
