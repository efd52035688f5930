// Free text from the ticket editor: the clean-up (with each answer to the blank question, chosen by
// the first byte) and the conversion into checked rows.
#include "../ziel.h"
#include "entry/textimport.h"

KELVARO_FUZZ_ZIEL(freitext) {
  if (groesse == 0) return 0;
  const int antwort = daten[0] % 3;  // Ja, Nein, Abbrechen
  const bool praefix = daten[0] & 0x80;
  QStringList zeilen =
      QString::fromUtf8(reinterpret_cast<const char*>(daten + 1), static_cast<qsizetype>(groesse - 1)).split(QLatin1Char('\n'));
  TextfeldBereinigen(zeilen, praefix, [antwort]() -> std::optional<bool> {
    if (antwort == 2) return std::nullopt;
    return antwort == 0;
  });
  (void)ReihenAusText(zeilen);
  return 0;
}
