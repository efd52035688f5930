#include "abbilddienst.h"

namespace {
AbbildFunktion& Dienst() {
  static AbbildFunktion dienst;
  return dienst;
}
}  // namespace

void AbbildDienstSetzen(AbbildFunktion funktion) { Dienst() = std::move(funktion); }

void AbbildAufnehmen(QWidget* panel, const QString& titel, int abschneiden) {
  if (Dienst()) Dienst()(panel, titel, abschneiden);
}
