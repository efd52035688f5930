// The settings file in any encoding: every kind of read, the price conversion (which writes), the
// remembered ticket files.
#include "core/einstellungen.h"
#include "../ziel.h"

KELVARO_FUZZ_ZIEL(einstellungen) {
  const QByteArray inhalt(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse));
  (void)EinstellungenGanzLesbar(inhalt);
  const Einstellungen e(ZielDatei(daten, groesse, ".ini"));
  (void)e.Text(QStringLiteral("Zufall"), QStringLiteral("Bankzahlen"));
  (void)e.Zahl(QStringLiteral("Position"), QStringLiteral("FAbbild-top"), 70);
  (void)e.Wahr(QStringLiteral("Spielscheine"), QStringLiteral("Merken"), false);
  (void)GemerkteDateien(e);
  (void)PreisJeReihe(e);
  return 0;
}
