#include "tabellenexport.h"

#include "entry/tabellenkalkulation.h"
#include "platform/plattform.h"
#include "ui/hintergrund.h"
#include "ui/meldungen.h"

void ExcelExport(const TabellenDaten& raster, const QString& blattName, int letzteSpalte, QWidget* eltern) {
  if (!System().TabellenProgrammVorhanden()) {
    Information(QStringLiteral("Excel ist nicht auf Ihrem Rechner installiert, der Export daher nicht möglich.") + CRCR +
                    QStringLiteral("Ich breche ab."),
                eltern);
    return;
  }
  const QString pfad = NeueExportDatei();
  Arbeitsstand stand;
  const Ergebnis e = ImHintergrund<Ergebnis>(eltern, NurText(QStringLiteral("Die Tabelle wird exportiert …")), stand,
                                             [&] { return ExportSchreiben(raster, blattName, letzteSpalte, pfad, &stand); });
  if (!ErgebnisMelden(e, eltern)) return;
  if (!System().TabelleOeffnen(pfad))
    Fehler(QStringLiteral("Das Tabellenprogramm kann nicht gestartet werden.") + CRCR +
               QStringLiteral("Die Tippreihen stehen in %1.").arg(pfad),
           eltern);
}
