// The version records "verinfos.vdx" as the server sends them.
#include "../ziel.h"
#include "update/transfer.h"

KELVARO_FUZZ_ZIEL(versionsdatei) {
  (void)VerfuegbareVersion(QByteArray(reinterpret_cast<const char*>(daten), static_cast<qsizetype>(groesse)));
  return 0;
}
