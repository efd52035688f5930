// Writing whole files safely.
#pragma once

#include <QByteArray>
#include <QString>

#include "meldung.h"

// Writes a whole file beside the old one and replaces it only when every byte was written, so a
// failed write (disk full, no permission) keeps the previous file.
Ergebnis DateiSicherSchreiben(const QString& pfad, const QByteArray& daten);
