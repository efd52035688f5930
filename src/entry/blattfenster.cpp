#include "blattfenster.h"

#include <QFileInfo>

#include "ui/hintergrund.h"

Blatteinlesen BlattImHintergrundEinlesen(const QString& pfad, QWidget* eltern) {
  Arbeitsstand stand;
  return ImHintergrund<Blatteinlesen>(eltern, NurText(QStringLiteral("Die Tabelle %1 wird gelesen.").arg(QFileInfo(pfad).fileName())),
                                      stand, [&] { return BlattEinlesen(pfad, &stand.abbrechen); });
}
