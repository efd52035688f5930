// The maker's list of draws that kelvaro-serverdateien turns into the server's draw history.
#include "../ziel.h"
#include "update/serverdaten.h"

KELVARO_FUZZ_ZIEL(serverdateien) {
  (void)ServerZiehungenAusText(QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
  return 0;
}
