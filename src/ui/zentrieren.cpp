#include "zentrieren.h"

#include <cmath>

#include <QFont>
#include <QFontMetrics>

int ZentrierBlanks(int textBreite, int spaltenBreite, int blankBreite) {
  if (blankBreite <= 0) return 0;
  const double innen = std::nearbyint(0.8 * spaltenBreite);
  const double n = std::nearbyint((innen - textBreite) / (2.0 * blankBreite));
  return n > 0 ? static_cast<int>(n) : 0;
}

QString Zentriert(const QString& text, int spaltenBreite, const QFont& schrift) {
  const QFontMetrics fm(schrift);
  const int n = ZentrierBlanks(fm.horizontalAdvance(text), spaltenBreite, fm.horizontalAdvance(QLatin1Char(' ')));
  return QString(n, QLatin1Char(' ')) + text;
}
