#include "tabelle.h"

QString Tabelle::Zelle(int zeile, int spalte) const {
  if (zeile < 0 || spalte < 0 || zeile >= static_cast<int>(zellen_.size())) return {};
  const QStringList& z = zellen_[static_cast<std::size_t>(zeile)];
  return spalte < z.size() ? z[spalte] : QString();
}

void Tabelle::SetzeZelle(int zeile, int spalte, const QString& text) {
  if (zeile < 0 || spalte < 0) return;
  if (zeile >= static_cast<int>(zellen_.size())) {
    if (text.isEmpty()) return;
    zellen_.resize(static_cast<std::size_t>(zeile) + 1);
  }
  QStringList& z = zellen_[static_cast<std::size_t>(zeile)];
  if (spalte >= z.size()) {
    if (text.isEmpty()) return;
    z.resize(spalte + 1);
  }
  z[spalte] = text;
}

int Tabelle::GespeicherteSpalten(int zeile) const {
  if (zeile < 0 || zeile >= static_cast<int>(zellen_.size())) return 0;
  const QStringList& z = zellen_[static_cast<std::size_t>(zeile)];
  int n = static_cast<int>(z.size());
  while (n > 0 && z[n - 1].isEmpty()) --n;
  return n;
}

void Tabelle::DatenLeeren(bool ohneSpalte0) {
  if (!ohneSpalte0) {
    if (zellen_.size() > 1) zellen_.resize(1);
    return;
  }
  for (std::size_t z = 1; z < zellen_.size(); ++z)
    if (zellen_[z].size() > 1) zellen_[z].resize(1);
}

Tabelle Tabelle::Reihentabelle() {
  Tabelle t(2, 6);
  t.SetzeZelle(0, 0, QStringLiteral("Reihe"));
  for (int s = 1; s <= 5; ++s) t.SetzeZelle(0, s, QStringLiteral("Z%1").arg(s));
  return t;
}
