// Workbooks (.xlsx, .xlsm, .ods, .xls) as the reader process reads them; the result must survive
// its way to the program unchanged.
#include <cstdlib>

#include "../ziel.h"
#include "entry/blattlesen.h"

KELVARO_FUZZ_ZIEL(tabelle) {
  const Blattergebnis ergebnis = BlattLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse));
  const auto zurueck = BlattDekodieren(BlattKodieren(ergebnis));
  if (!zurueck || zurueck->index() != ergebnis.index()) std::abort();
  if (const auto* blatt = std::get_if<Blattinhalt>(&ergebnis); blatt && !(std::get<Blattinhalt>(*zurueck) == *blatt)) std::abort();
  return 0;
}
