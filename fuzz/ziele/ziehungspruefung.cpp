// The check of a downloaded draw history before it replaces anything.
#include "../ziel.h"
#include "update/transfer.h"

KELVARO_FUZZ_ZIEL(ziehungspruefung) {
  (void)ZiehungsdateiPruefen(QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
  return 0;
}
