#include "tabellenexport.h"

#include <QApplication>

#include "entry/tabellenkalkulation.h"
#include "platform/plattform.h"
#include "ui/meldungen.h"

void ExcelExport(const TabellenDaten& raster, const QString& blattName, int letzteSpalte, QWidget* eltern) {
  if (!System().TabellenProgrammVorhanden()) {
    Information(QStringLiteral("Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.") + CRCR +
                    QStringLiteral("Ich breche ab."),
                eltern);
    return;
  }
  const QString pfad = NeueExportDatei();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const Ergebnis e = ExportSchreiben(raster, blattName, letzteSpalte, pfad);
  QApplication::restoreOverrideCursor();
  if (!ErgebnisMelden(e, eltern)) return;
  if (!System().TabelleOeffnen(pfad))
    Fehler(QStringLiteral("Das Tabellenprogramm kann nicht gestartet werden.") + CRCR +
               QStringLiteral("Die Tippreihen stehen in %1.").arg(pfad),
           eltern);
}
