// Ticket files (10-byte records): read into a row table, evaluated, written back.
#include "../ziel.h"
#include "core/schein.h"
#include "evaluation/gewinnauswertung.h"

KELVARO_FUZZ_ZIEL(scheindatei) {
  Tabelle t = Tabelle::Reihentabelle();
  QString gesamt = QStringLiteral("1"), meine = QStringLiteral("1");
  ScheinLesen(t, gesamt, meine, ZielDatei(daten, groesse));
  const auto reihen = ReihenAusTabelle(t);
  std::vector<TGewZahlen> ziehung(1);
  ziehung[0].datum = 45000;
  for (int i = 0; i < 5; ++i) ziehung[0].GZ[i] = static_cast<std::uint8_t>(i * 7 + 1);
  AuswertungsEingabe e;
  e.ziehungen = &ziehung;
  e.ende = 0;
  e.reihen = reihen;
  e.antGes = gesamt.toInt();
  e.antMeine = meine.toInt();
  (void)ScheinAuswerten(e);
  return 0;
}
