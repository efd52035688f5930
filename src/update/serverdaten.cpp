#include "serverdaten.h"

#include <QDate>
#include <QRegularExpression>
#include <QStringList>

#include "core/datum.h"
#include "core/var_def.h"
#include "core/ziehungsimport.h"
#include "update/transfer.h"

ServerZiehungen ServerZiehungenAusText(const QString& text) {
  ServerZiehungen ergebnis;
  // The program's import reader and checks, with the list's fixed layout: comments become empty
  // lines (the line numbers stay), every separator a blank.
  static const QRegularExpression trenner(QStringLiteral("[,;\\t]"));
  QStringList zeilen = text.split(QLatin1Char('\n'));
  for (QString& z : zeilen) {
    if (z.trimmed().startsWith(QLatin1Char('#'))) z.clear();
    z.replace(trenner, QStringLiteral(" "));
  }
  const std::vector<QStringList> zellen = TextZerlegen(zeilen.join(QLatin1Char('\n')), QLatin1Char(' '));
  for (std::size_t i = 0; i < zellen.size(); ++i)
    if (!zellen[i].isEmpty() && zellen[i].size() != 6) {
      ergebnis.fehler = QStringLiteral("Zeile %1: erwartet werden ein Datum (TT.MM.JJJJ) und fünf Zahlen.").arg(i + 1);
      return ergebnis;
    }
  ImportFormat format;
  format.folge = DatumsFolge::TagMonatJahr;
  format.zahlSpalten = {1, 2, 3, 4, 5};
  const ImportPruefung p = ImportPruefen(zellen, format);
  if (!p.probleme.empty()) {
    ergebnis.fehler = p.probleme.front().text;
    return ergebnis;
  }
  for (const ImportZiehung& z : p.ziehungen) {
    TGewZahlen g;
    g.datum = z.datum;
    std::copy(z.zahlen.begin(), z.zahlen.end(), g.GZ);
    ergebnis.datei.append(reinterpret_cast<const char*>(&g), sizeof g);
    if (const auto grund = ZiehungsdateiPruefen(ergebnis.datei)) {
      ergebnis.fehler = QStringLiteral("Zeile %1: ").arg(z.zeile) + *grund;
      return ergebnis;
    }
  }
  if (ergebnis.datei.isEmpty()) ergebnis.fehler = QStringLiteral("keine Ziehung gefunden.");
  return ergebnis;
}
