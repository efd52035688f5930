// The draw history file "GZ.535": loading, date texts, statistics, combination counts, a search
// and an evaluation over every draw, whatever the records hold (NaN or huge dates, numbers 0..255).
#include "../ziel.h"
#include "core/datum.h"
#include "core/ziehungen.h"
#include "evaluation/gewinnauswertung.h"
#include "statistics/kombinationen.h"
#include "statistics/zahlenstatistik.h"

KELVARO_FUZZ_ZIEL(ziehungsdatei) {
  Ziehungen().NeuLaden(ZielDatei(daten, groesse));
  const int n = Ziehungen().Anzahl();
  StatistikStart();
  TeilStatistik(0, n - 1);
  AusgebliebenReihenfolge(Ausgeblieben(0, n - 1));
  for (int k = 2; k <= 4; ++k) {
    Kombis(k).Zaehlen(0, n - 1);
    RanglistenBilden(Kombis(k));
  }
  KombisSuchen(TZahlenMenge::Aus({3, 17}), 0, n - 1);
  (void)Ziehungen().DatumsTexte();
  (void)DatumAlsText(Ziehungen().NeuesDatum());
  AuswertungsEingabe e;
  e.ziehungen = &Ziehungen().Liste();
  e.ende = n - 1;
  e.anfang = 0;
  e.zeitraum = true;
  e.reihen = {TZahlenMenge::Aus({1, 2, 3, 4, 5}), TZahlenMenge::Aus({3, 11, 17, 24, 35})};
  const Auswertung a = ScheinAuswerten(e);
  ErgebnisTabelle t;
  t.ergebnis = &a.ergebnis;
  for (int z = 1; z < std::min(t.Zeilen(), 64); ++z)
    for (int s = 0; s < 5; ++s) (void)t.Zelle(z, s);
  (void)a.ergebnis.QuoteText();
  return 0;
}
