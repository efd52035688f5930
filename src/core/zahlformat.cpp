#include "zahlformat.h"

CZahlenformat::CZahlenformat()
    : c_(newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(nullptr))), vorher_(c_ ? uselocale(c_) : nullptr) {}

CZahlenformat::~CZahlenformat() {
  if (!c_) return;
  uselocale(vorher_);
  freelocale(c_);
}
