#include "zahltext.h"

#include <climits>

std::optional<int> TextAlsGanzzahl(const QString& roh) {
  QString text = roh.trimmed();
  bool negativ = false;
  if (text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+'))) {
    negativ = text.front() == QLatin1Char('-');
    text.remove(0, 1);
  }
  int basis = 10;
  if (text.startsWith(QLatin1Char('$'))) {
    basis = 16;
    text.remove(0, 1);
  } else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
    basis = 16;
    text.remove(0, 2);
  }
  if (text.isEmpty() || text.size() > 20) return std::nullopt;
  for (QChar c : text) {
    const bool ziffer = c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const bool hex = (c >= QLatin1Char('a') && c <= QLatin1Char('f')) || (c >= QLatin1Char('A') && c <= QLatin1Char('F'));
    if (!(ziffer || (basis == 16 && hex))) return std::nullopt;
  }
  bool ok = false;
  const qlonglong wert = text.toLongLong(&ok, basis);
  if (!ok) return std::nullopt;
  // Hexadecimal texts up to 32 bits are taken as their bit pattern ($FFFFFFFF is -1).
  if (basis == 16 && !negativ && wert <= 0xFFFFFFFFLL) return static_cast<int>(static_cast<quint32>(wert));
  const qlonglong mit = negativ ? -wert : wert;
  if (mit < INT_MIN || mit > INT_MAX) return std::nullopt;
  return static_cast<int>(mit);
}

QString KeinIntegerwert(const QString& text) { return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text); }
