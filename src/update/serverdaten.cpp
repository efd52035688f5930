#include "serverdaten.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include "core/datum.h"
#include "core/var_def.h"
#include "update/transfer.h"

ServerZiehungen ServerZiehungenAusText(const QString& text) {
  ServerZiehungen ergebnis;
  static const QRegularExpression trenner(QStringLiteral("[\\s,;]+"));
  const QStringList zeilen = text.split(QLatin1Char('\n'));
  for (int nr = 1; nr <= zeilen.size(); ++nr) {
    const QString zeile = zeilen[nr - 1].trimmed();
    if (zeile.isEmpty() || zeile.startsWith(QLatin1Char('#'))) continue;
    const QStringList teile = zeile.split(trenner, Qt::SkipEmptyParts);
    const QDate tag = QDate::fromString(teile.value(0), QStringLiteral("dd.MM.yyyy"));
    if (teile.size() != 6 || !tag.isValid()) {
      ergebnis.fehler = QStringLiteral("Zeile %1: erwartet werden ein Datum (TT.MM.JJJJ) und fünf Zahlen.").arg(nr);
      return ergebnis;
    }
    TGewZahlen z;
    z.datum = QDateAlsDatum(tag);
    for (int i = 0; i < 5; ++i) {
      bool ok = false;
      const int n = teile[i + 1].toInt(&ok);
      if (!ok || n < 1 || n > MaxZahl) {
        ergebnis.fehler = QStringLiteral("Zeile %1: \"%2\" ist keine Zahl von 1 bis 35.").arg(nr).arg(teile[i + 1]);
        return ergebnis;
      }
      z.GZ[i] = static_cast<std::uint8_t>(n);
    }
    ergebnis.datei.append(reinterpret_cast<const char*>(&z), sizeof z);
    if (const auto grund = ZiehungsdateiPruefen(ergebnis.datei)) {
      ergebnis.fehler = QStringLiteral("Zeile %1: ").arg(nr) + *grund;
      return ergebnis;
    }
  }
  if (ergebnis.datei.isEmpty()) ergebnis.fehler = QStringLiteral("keine Ziehung gefunden.");
  return ergebnis;
}
