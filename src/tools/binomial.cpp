#include "binomial.h"

#include <cmath>
#include <vector>

#include <QLocale>

std::int64_t NueberK(int n, int k) {
  if (k > n) return 0;
  if (k == n || k == 0) return 1;
  if (k < 0 || n < 0) return 0;
  const int m = std::min(k, n - k);
  std::vector<std::int32_t> zaehler, nenner;
  for (int i = 0; i < m; ++i) zaehler.push_back(n - i);
  for (int d = m; d >= 2; --d) nenner.push_back(d);
  // Each denominator factor divides the last numerator factor it divides, if any.
  for (auto& d : nenner)
    for (auto z = zaehler.rbegin(); z != zaehler.rend(); ++z)
      if (*z % d == 0) {
        *z /= d;
        d = 1;
      }
  // Signed 64-bit products, wrapping like the original's beyond n = 51.
  std::uint64_t p = 1, q = 1;
  for (auto z : zaehler) p *= static_cast<std::uint64_t>(z);
  for (auto d : nenner) q *= static_cast<std::uint64_t>(d);
  const long double r = static_cast<long double>(static_cast<std::int64_t>(p)) / static_cast<long double>(static_cast<std::int64_t>(q));
  return static_cast<std::int64_t>(std::nearbyintl(r));
}

unsigned __int128 NueberKExakt(int n, int k) {
  if (n < 0 || k < 0 || k > n) return 0;
  k = std::min(k, n - k);
  unsigned __int128 r = 1;
  for (int i = 0; i < k; ++i) r = r * static_cast<unsigned>(n - i) / static_cast<unsigned>(i + 1);
  return r;
}

QString GanzzahlGruppiert(unsigned __int128 wert) {
  QString ziffern;
  do {
    ziffern.prepend(QChar(u'0' + static_cast<char16_t>(wert % 10)));
    wert /= 10;
  } while (wert);
  const QString trenner = QLocale().groupSeparator();
  for (qsizetype i = ziffern.size() - 3; i > 0; i -= 3) ziffern.insert(i, trenner);
  return ziffern;
}
