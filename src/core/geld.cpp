#include "geld.h"

#include <cmath>

#include <QLocale>

#include "programmwerte.h"

Geld Geld::AusZahl(long double einheiten) {
  // nearbyint rounds in the current mode, which is to-nearest-even unless someone changed it.
  return Geld{static_cast<std::int64_t>(std::nearbyintl(einheiten * 10000.0L))};
}

namespace {
// Cents of an amount, rounded half to even (amounts the program shows are whole cents anyway).
std::int64_t Cent(Geld betrag) {
  std::int64_t c = betrag.roh / 100, rest = betrag.roh % 100;
  if (rest > 50 || (rest == 50 && (c & 1))) ++c;
  if (rest < -50 || (rest == -50 && (c & 1))) --c;
  return c;
}

QString ZahlText(const QLocale& loc, Geld betrag) {
  const std::int64_t c = Cent(betrag);
  const std::int64_t ganz = c / 100, bruch = c < 0 ? -(c % 100) : c % 100;
  QString text = loc.toString(static_cast<qlonglong>(ganz < 0 ? -ganz : ganz));
  text += loc.decimalPoint() + QStringLiteral("%1").arg(bruch, 2, 10, QLatin1Char('0'));
  if (c < 0) text.prepend(loc.negativeSign());
  return text;
}
}  // namespace

QString GeldAlsZahl(Geld betrag) { return ZahlText(Werte().geldFormat, betrag); }

QString GeldAlsWaehrung(Geld betrag) {
  // The locale decides where the symbol goes; the number itself is formatted exactly from the
  // integer so that no amount passes through a binary fraction.
  const QLocale& loc = Werte().geldFormat;
  const QString muster = loc.toCurrencyString(1.0, QString(), 0);  // e.g. "1 €" or "€1"
  const QString eins = loc.toString(1);
  QString text = muster;
  text.replace(muster.indexOf(eins), eins.size(), ZahlText(loc, betrag < Geld{} ? Geld{-betrag.roh} : betrag));
  if (betrag < Geld{} && Cent(betrag) != 0) text.prepend(loc.negativeSign());
  text.replace(QChar(0x00A0), QLatin1Char(' '));
  return text;
}
