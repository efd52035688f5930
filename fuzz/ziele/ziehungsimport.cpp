// A draw history from elsewhere (a CSV or text file, pasted text): the separator, the format, the
// checks of every line and the merge into a small history. The first byte picks the order of day
// and month when the rows leave it open.
#include "core/ziehungsimport.h"
#include "../ziel.h"

KELVARO_FUZZ_ZIEL(ziehungsimport) {
  if (groesse == 0) return 0;
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(daten + 1), static_cast<qsizetype>(groesse - 1));
  const auto zeilen = TextZerlegen(text, TrennerErkennen(text));
  ImportFormat format = FormatErkennen(zeilen);
  if (!format.folge) format.folge = static_cast<DatumsFolge>(daten[0] % 3);
  const ImportPruefung p = ImportPruefen(zeilen, format);
  TGewZahlen z;
  z.datum = 43367;  // 24.09.2018
  const std::uint8_t zahlen[5] = {3, 11, 17, 24, 35};
  std::copy(std::begin(zahlen), std::end(zahlen), z.GZ);
  (void)Zusammenfuehren({z}, p.ziehungen, daten[0] & 0x80);
  return 0;
}
