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
#include <QRegularExpression>
#include <QStringList>

#include "core/datei.h"
#include "core/datum.h"
#include "core/var_def.h"
#include "update/transfer.h"

namespace {
int Fehler(const QString& text) {
  std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
  return 1;
}

int Ziehungen(const QString& quelle, const QString& ziel) {
  QFile datei(quelle);
  if (!datei.open(QIODevice::ReadOnly | QIODevice::Text)) return Fehler(quelle + QStringLiteral(": ") + datei.errorString());
  QByteArray ausgabe;
  int nr = 0;
  static const QRegularExpression trenner(QStringLiteral("[\\s,;]+"));
  while (!datei.atEnd()) {
    ++nr;
    const QString zeile = QString::fromUtf8(datei.readLine()).trimmed();
    if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#'))) continue;
    const QStringList teile = zeile.split(trenner, Qt::SkipEmptyParts);
    const QDate tag = QDate::fromString(teile.value(0), QStringLiteral("dd.MM.yyyy"));
    if (teile.size() != 6 || !tag.isValid())
      return Fehler(QStringLiteral("Zeile %1: erwartet werden ein Datum (TT.MM.JJJJ) und fünf Zahlen.").arg(nr));
    TGewZahlen z;
    z.datum = QDateAlsDatum(tag);
    for (int i = 0; i < 5; ++i) {
      bool ok = false;
      const int n = teile[i + 1].toInt(&ok);
      if (!ok || n < 1 || n > MaxZahl) return Fehler(QStringLiteral("Zeile %1: \"%2\" ist keine Zahl von 1 bis 35.").arg(nr).arg(teile[i + 1]));
      z.GZ[i] = static_cast<std::uint8_t>(n);
    }
    ausgabe.append(reinterpret_cast<const char*>(&z), sizeof z);
    if (const auto grund = ZiehungsdateiPruefen(ausgabe)) return Fehler(QStringLiteral("Zeile %1: ").arg(nr) + *grund);
  }
  if (ausgabe.isEmpty()) return Fehler(quelle + QStringLiteral(": keine Ziehung gefunden."));
  const Ergebnis e = DateiSicherSchreiben(ziel, ausgabe);
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
  return Fehler(QStringLiteral("Aufruf: kelvaro-serverdateien ziehungen <ziehungen.txt> <GZ.535>\n"
                               "        kelvaro-serverdateien version <Versionstext> <verinfos.vdx>"));
}
