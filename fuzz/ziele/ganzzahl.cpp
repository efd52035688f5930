// Integer texts as the program reads them (settings, pasted draw numbers, typed rows).
#include "../ziel.h"
#include "core/zahltext.h"

KELVARO_FUZZ_ZIEL(ganzzahl) {
  (void)TextAlsGanzzahl(QString::fromUtf8(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
  return 0;
}
