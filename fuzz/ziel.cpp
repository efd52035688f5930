#include "ziel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "core/programmwerte.h"

QString ZielDatei(const std::uint8_t* daten, std::size_t groesse, const char* endung) {
  const QString pfad = Werte().datenOrdner + QStringLiteral("eingabe") + QString::fromLatin1(endung);
  QFile datei(pfad);
  if (datei.open(QIODevice::WriteOnly | QIODevice::Truncate))
    datei.write(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  return pfad;
}

void ZielVorbereiten() {
  static QTemporaryDir ordner;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  Werte().datenOrdner = ordner.path() + QLatin1Char('/');
  Werte().testDatei = ordner.path() + QStringLiteral("/tmp.tmp");
  Werte().geldFormat = QLocale();
}
