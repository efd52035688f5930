#include "fairness.h"

#include <algorithm>
#include <cmath>

#include <QLocale>
#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/chi_squared.hpp>

Haeufigkeitsband BandFuer(int ziehungen) {
  Haeufigkeitsband b;
  if (ziehungen <= 0) return b;
  b.erwartet = ziehungen * ZiehungsChance;
  // The smallest counts whose cumulative probability reaches 2.5 % and 97.5 %: fewer than unten
  // and more than oben each happen with at most 2.5 %, so at least 95 % lie within.
  const boost::math::binomial_distribution<double> verteilung(ziehungen, ZiehungsChance);
  auto punkt = [&](double anteil) {
    int k = static_cast<int>(std::floor(boost::math::quantile(verteilung, anteil)));
    while (k > 0 && boost::math::cdf(verteilung, k - 1) >= anteil) --k;
    while (k < ziehungen && boost::math::cdf(verteilung, k) < anteil) ++k;
    return k;
  };
  b.unten = punkt(0.025);
  b.oben = punkt(0.975);
  return b;
}

int AusbleibenGrenze99() {
  // P(absence >= k) = (6/7)^k; the smallest k with at most 1 %.
  return static_cast<int>(std::ceil(std::log(0.01) / std::log(1.0 - ZiehungsChance)));
}

std::vector<std::array<int, MaxZahl>> PaarMatrix(int von, int bis) {
  std::vector<std::array<int, MaxZahl>> matrix(MaxZahl);
  const auto& mengen = GZMengen();
  const int n = static_cast<int>(mengen.size());
  for (int d = std::max(0, von); d <= bis && d < n; ++d) {
    int zahlen[MaxZahl];
    int k = 0;
    for (int z = 1; z <= MaxZahl; ++z)
      if (mengen[static_cast<std::size_t>(d)].Enthaelt(z)) zahlen[k++] = z - 1;
    for (int i = 0; i < k; ++i)
      for (int j = i + 1; j < k; ++j) {
        ++matrix[static_cast<std::size_t>(zahlen[i])][static_cast<std::size_t>(zahlen[j])];
        ++matrix[static_cast<std::size_t>(zahlen[j])][static_cast<std::size_t>(zahlen[i])];
      }
  }
  return matrix;
}

Fairnesstest FairnessTesten(const Zaehlung& anzahl, int ziehungen) {
  Fairnesstest t;
  t.ziehungen = ziehungen;
  if (ziehungen < MaxZahl) {
    t.zuKurz = true;
    return t;
  }
  const double erwartet = ziehungen * ZiehungsChance;
  for (int n = 1; n <= MaxZahl; ++n) {
    const double d = anzahl[static_cast<std::size_t>(n)] - erwartet;
    t.statistik += d * d / erwartet;
  }
  const boost::math::chi_squared_distribution<double> verteilung(t.freiheitsgrade);
  t.p = boost::math::cdf(boost::math::complement(verteilung, t.statistik));
  return t;
}

QString PText(double p) {
  const QLocale de(QLocale::German, QLocale::Germany);
  if (p < 0.001) return QStringLiteral("< ") + de.toString(0.001, 'f', 3);
  return de.toString(p, 'f', p < 0.01 ? 3 : 2);
}

QString Urteil(const Fairnesstest& t) {
  const QString chancen = QStringLiteral(
      " Vergangene Häufigkeiten ändern nichts an den Chancen der nächsten Ziehung: jede Zahl kommt "
      "wieder mit der Wahrscheinlichkeit 1/7.");
  if (t.zuKurz)
    return QStringLiteral("Der Zeitraum ist mit %1 Ziehungen zu kurz für ein verlässliches Urteil; dafür braucht der Test mindestens 35.")
               .arg(t.ziehungen) +
           chancen;
  const QString p = QStringLiteral("p = ") + PText(t.p);
  QString urteil;
  if (t.p < 0.01)
    urteil = QStringLiteral("Die Häufigkeiten weichen auffällig von fairen Ziehungen ab (%1).").arg(p);
  else if (t.p < 0.05)
    urteil = QStringLiteral("Die Häufigkeiten weichen etwas von fairen Ziehungen ab, noch im Rahmen des Zufalls (%1).").arg(p);
  else
    urteil = QStringLiteral("Die Häufigkeiten sind mit fairen Ziehungen gut vereinbar (%1).").arg(p);
  return urteil + chancen;
}
