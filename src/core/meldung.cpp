#include "meldung.h"

#include <QDir>

QString LeseFehler(const QString& pfad, const QString& systemText) {
  return QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(QDir::toNativeSeparators(pfad)) + CRCR + systemText;
}

QString SchreibFehler(const QString& pfad, const QString& systemText) {
  return QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(QDir::toNativeSeparators(pfad)) + CRCR + systemText;
}
