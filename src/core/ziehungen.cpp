#include "ziehungen.h"

#include <cstring>

#include <QFile>

#include "datei.h"
#include "datum.h"
#include "programmwerte.h"

TZiehungsListe& Ziehungen() {
  static TZiehungsListe liste;
  return liste;
}

QString TZiehungsListe::DateiPfad() { return Werte().DatenDatei(QStringLiteral("GZ.535")); }

Ergebnis TZiehungsListe::Laden(const QString& pfad) {
  const Ergebnis e = Einlesen(pfad);
  ++stand_;
  emit NeuGeladen();
  emit Geaendert();
  return e;
}

Ergebnis TZiehungsListe::Einlesen(const QString& pfad) {
  QFile datei(pfad);
  if (!datei.exists()) return {};
  if (!datei.open(QIODevice::ReadOnly)) return {LeseFehler(pfad, datei.errorString())};
  constexpr qint64 Block = 4096 * sizeof(TGewZahlen);
  QByteArray puffer;
  qsizetype rest = 0;  // bytes of a record begun in the previous block
  for (;;) {
    puffer.resize(rest + Block);
    const qint64 gelesen = datei.read(puffer.data() + rest, Block);
    if (gelesen < 0) return {LeseFehler(pfad, datei.errorString())};
    if (gelesen == 0) break;  // a trailing part record is not a draw
    const qsizetype vorhanden = rest + gelesen;
    const qsizetype ganze = vorhanden / static_cast<qsizetype>(sizeof(TGewZahlen));
    if (ganze > 0) {
      const std::size_t alt = liste_.size();
      liste_.resize(alt + static_cast<std::size_t>(ganze));
      std::memcpy(liste_.data() + alt, puffer.constData(), static_cast<std::size_t>(ganze) * sizeof(TGewZahlen));
    }
    rest = vorhanden - ganze * static_cast<qsizetype>(sizeof(TGewZahlen));
    std::memmove(puffer.data(), puffer.constData() + ganze * sizeof(TGewZahlen), static_cast<std::size_t>(rest));
  }
  return {};
}

std::vector<TGewZahlen> TZiehungsListe::AusBytes(QByteArrayView daten) {
  std::vector<TGewZahlen> liste(static_cast<std::size_t>(daten.size()) / sizeof(TGewZahlen));
  if (!liste.empty()) std::memcpy(liste.data(), daten.data(), liste.size() * sizeof(TGewZahlen));
  return liste;
}

Ergebnis TZiehungsListe::NeuLaden(const QString& pfad) {
  liste_.clear();
  ++stand_;
  return Laden(pfad);
}

Ergebnis TZiehungsListe::Schreiben(const std::vector<TGewZahlen>& liste, const QString& pfad) {
  return DateiSicherSchreiben(
      pfad, QByteArray(reinterpret_cast<const char*>(liste.data()), static_cast<qsizetype>(liste.size() * sizeof(TGewZahlen))));
}

Ergebnis TZiehungsListe::AnhaengenUndSpeichern(double datum, const std::uint8_t (&zahlen)[5], const QString& pfad) {
  std::vector<TGewZahlen> neu = liste_;
  TGewZahlen z;
  z.datum = datum;
  std::memcpy(z.GZ, zahlen, sizeof z.GZ);
  neu.push_back(z);
  Ergebnis e = Schreiben(neu, pfad);
  if (!e.ok()) return e;
  liste_ = std::move(neu);
  ++stand_;
  emit ZiehungGespeichert(Neueste(), true);
  emit Geaendert();
  return e;
}

Ergebnis TZiehungsListe::ErsetzenUndSpeichern(int i, double datum, const std::uint8_t (&zahlen)[5], const QString& pfad) {
  if (i < 0 || i >= Anzahl()) return {};
  std::vector<TGewZahlen> neu = liste_;
  neu[static_cast<std::size_t>(i)].datum = datum;
  std::memcpy(neu[static_cast<std::size_t>(i)].GZ, zahlen, sizeof zahlen);
  Ergebnis e = Schreiben(neu, pfad);
  if (!e.ok()) return e;
  liste_ = std::move(neu);
  ++stand_;
  emit ZiehungGespeichert(i, false);
  emit Geaendert();
  return e;
}

QStringList TZiehungsListe::DatumsTexte() const {
  QStringList texte;
  texte.reserve(Anzahl());
  for (const auto& z : liste_) texte << DatumAlsText(z.datum);
  return texte;
}

double TZiehungsListe::NeuesDatum() const { return liste_.empty() ? Heute() : liste_.back().datum + 1; }
