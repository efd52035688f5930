// Row text files (CSV) read into the file table, also with more parts than columns.
#include "../ziel.h"
#include "core/schein.h"

KELVARO_FUZZ_ZIEL(csv) {
  Tabelle t = Tabelle::Reihentabelle();
  Ergebnis fehler;
  const int zeilen = CsvLesen(t, ZielDatei(daten, groesse, ".csv"), &fehler);
  for (int z = 1; z <= zeilen && z < 64; ++z)
    for (int s = 0; s < t.GespeicherteSpalten(z); ++s) (void)t.Zelle(z, s);
  return 0;
}
