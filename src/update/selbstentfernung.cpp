#include "selbstentfernung.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryFile>

namespace {
#ifndef Q_OS_WIN
// A path as one shell word.
QString Wort(const QString& s) {
  QString q = s;
  q.replace(QLatin1String("'"), QLatin1String("'\\''"));
  return QLatin1Char('\'') + q + QLatin1Char('\'');
}
#endif
}  // namespace

QString SelbstentfernungsSkript(const QString& programmDatei, const QString& programmOrdner, const QString& skript) {
#ifdef Q_OS_WIN
  const QString datei = QDir::toNativeSeparators(programmDatei), ordner = QDir::toNativeSeparators(programmOrdner);
  return QStringLiteral(
             "set /a n=0\r\n:Label1\r\ndel \"%1\"\r\nset /a n+=1\r\nif %n% GEQ 60 goto Ende\r\n"
             "if Exist \"%1\" (timeout /t 1 /nobreak >nul & goto Label1)\r\n:Ende\r\nrmdir \"%2\"\r\ndel %3\r\n")
      .arg(datei, ordner, QDir::toNativeSeparators(skript));
#else
  QStringList z;
  z << QStringLiteral("#!/bin/sh") << QStringLiteral("# Kelvaro update: removes the old program file once the program has ended.")
    << QStringLiteral("n=0") << QStringLiteral("while [ -e %1 ] && [ $n -lt 60 ]; do").arg(Wort(programmDatei))
    << QStringLiteral("  rm -f %1").arg(Wort(programmDatei)) << QStringLiteral("  [ -e %1 ] && sleep 1").arg(Wort(programmDatei))
    << QStringLiteral("  n=$((n + 1))") << QStringLiteral("done") << QStringLiteral("rmdir %1 2>/dev/null").arg(Wort(programmOrdner))
    << QStringLiteral("rm -f %1").arg(Wort(skript));
  return z.join(QLatin1Char('\n')) + QLatin1Char('\n');
#endif
}

QString SelbstentfernungSchreiben(const QString& programmDatei, const QString& programmOrdner) {
#ifdef Q_OS_WIN
  QTemporaryFile datei(QDir::tempPath() + QStringLiteral("/uisXXXXXX.bat"));
#else
  QTemporaryFile datei(QDir::tempPath() + QStringLiteral("/uisXXXXXX.sh"));
#endif
  datei.setAutoRemove(false);
  if (!datei.open()) return {};
  const QString pfad = datei.fileName();
  QStringEncoder kodierer(QStringEncoder::System);
  const QByteArray text = kodierer.encode(SelbstentfernungsSkript(programmDatei, programmOrdner, pfad));
  if (datei.write(text) != text.size() || !datei.flush()) {
    datei.remove();
    return {};
  }
  return pfad;
}
