// What the program reads from the reader process: any bytes are refused or give a sheet whose
// every index is in range.
#include <cstdlib>

#include "../ziel.h"
#include "entry/blattlesen.h"

KELVARO_FUZZ_ZIEL(blattdaten) {
  const auto ergebnis = BlattDekodieren(QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
  if (!ergebnis) return 0;
  if (const auto* blatt = std::get_if<Blattinhalt>(&*ergebnis))
    for (const auto& c : blatt->zellen)
      if (c.zeile >= blatt->zeilen || c.spalte >= blatt->spalten || (c.art == Blattinhalt::Art::Text && c.text >= blatt->texte.size()))
        std::abort();
  return 0;
}
