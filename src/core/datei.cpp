#include "datei.h"

#include <cerrno>
#include <cstring>

#include <QSaveFile>

Ergebnis DateiSicherSchreiben(const QString& pfad, const QByteArray& daten) {
  QSaveFile datei(pfad);
  // Unbuffered, so that a short write is seen here and not lost in a later flush.
  if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return {SchreibFehler(pfad, datei.errorString())};
  qint64 geschrieben = 0;
  while (geschrieben < daten.size()) {
    const qint64 n = datei.write(daten.constData() + geschrieben, daten.size() - geschrieben);
    if (n <= 0) {
      const QString text = datei.errorString().isEmpty() ? QString::fromLocal8Bit(std::strerror(errno)) : datei.errorString();
      datei.cancelWriting();
      return {SchreibFehler(pfad, text)};
    }
    geschrieben += n;
  }
  if (!datei.commit()) return {SchreibFehler(pfad, datei.errorString())};
  return {};
}
