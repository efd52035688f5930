// kelvaro-serverdateien: writes the files the update server holds under /downloads/.
//
//   kelvaro-serverdateien ziehungen <draws.txt> <GZ.535>
//       one draw per line: the date (dd.mm.yyyy) and its five numbers, separated by blanks,
//       commas, semicolons or tabs; empty lines and lines starting with # are skipped. Every line
//       is checked: a valid date, five different numbers from 1 to 35, dates not decreasing.
//   kelvaro-serverdateien version <version text> <verinfos.vdx>
//       one 24-byte version record (the date of today, the text of at most 15 characters).
#include <cstdio>

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QStringList>

#include "core/datei.h"
#include "core/datum.h"
#include "update/serverdaten.h"
#include "update/transfer.h"

namespace {
int Fehler(const QString& text) {
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  return 1;
}

int Ziehungen(const QString& quelle, const QString& ziel) {
  QFile datei(quelle);
  if (!datei.open(QIODevice::ReadOnly)) return Fehler(quelle + QStringLiteral(": ") + datei.errorString());
  const ServerZiehungen z = ServerZiehungenAusText(QString::fromUtf8(datei.readAll()));
  if (!z.fehler.isEmpty())
    return Fehler(z.fehler.startsWith(QStringLiteral("Zeile")) ? z.fehler : quelle + QStringLiteral(": ") + z.fehler);
  const Ergebnis e = DateiSicherSchreiben(ziel, z.datei);
  return e.ok() ? 0 : Fehler(e.fehler);
}
}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList a = app.arguments();
  if (a.size() == 4 && a[1] == QLatin1String("ziehungen")) return Ziehungen(a[2], a[3]);
  if (a.size() == 4 && a[1] == QLatin1String("version")) {
    if (a[2].isEmpty() || a[2].size() > 15) return Fehler(QStringLiteral("Der Versionstext hat 1 bis 15 Zeichen."));
    const Ergebnis e = DateiSicherSchreiben(a[3], VersionsSatz(a[2], QDateAlsDatum(QDate::currentDate())));
    return e.ok() ? 0 : Fehler(e.fehler);
  }
  return Fehler(
      QStringLiteral("Aufruf: kelvaro-serverdateien ziehungen <ziehungen.txt> <GZ.535>\n"
                     "        kelvaro-serverdateien version <Versionstext> <verinfos.vdx>"));
}
