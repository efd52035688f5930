#include "einstellungen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <SimpleIni.h>

#include "datei.h"
#include "programmwerte.h"
#include "schluessel.h"
#include "zahltext.h"

namespace {
// A settings file as text: UTF-8 with or without byte-order mark, UTF-16 LE/BE with byte-order mark
// (Windows editors save so), or Windows-1252 (files of the Windows program). A file that cannot be
// read whole (NUL bytes, a broken or cut-off encoding) is marked as such.
struct Gelesen {
  std::string utf8;
  bool ganz = true;
};

bool UnvollstaendigesUtf8Ende(const QByteArray& d) {
  // The last bytes begin a multi-byte character that the file does not finish.
  for (qsizetype i = d.size() - 1, zurueck = 0; i >= 0 && zurueck < 4; --i, ++zurueck) {
    const auto b = static_cast<unsigned char>(d[i]);
    if ((b & 0xC0) == 0x80) continue;
    const int laenge = (b & 0xE0) == 0xC0 ? 2 : (b & 0xF0) == 0xE0 ? 3 : (b & 0xF8) == 0xF0 ? 4 : 1;
    return laenge > zurueck + 1;
  }
  return false;
}

Gelesen Dekodieren(const QByteArray& roh) {
  Gelesen g;
  QString text;
  auto streng = [&](QStringDecoder::Encoding kodierung, QByteArrayView daten) {
    QStringDecoder d(kodierung, QStringDecoder::Flag::Stateless);
    text = d.decode(daten);
    return !d.hasError();
  };
  if (roh.startsWith("\xEF\xBB\xBF")) {
    g.ganz = streng(QStringDecoder::Utf8, QByteArrayView(roh).sliced(3));
  } else if (roh.startsWith("\xFF\xFE")) {
    g.ganz = roh.size() % 2 == 0 && streng(QStringDecoder::Utf16LE, QByteArrayView(roh).sliced(2));
  } else if (roh.startsWith("\xFE\xFF")) {
    g.ganz = roh.size() % 2 == 0 && streng(QStringDecoder::Utf16BE, QByteArrayView(roh).sliced(2));
  } else if (!streng(QStringDecoder::Utf8, roh)) {
    if (UnvollstaendigesUtf8Ende(roh) && streng(QStringDecoder::Utf8, QByteArrayView(roh).first(roh.size() - 1))) {
      g.ganz = false;  // cut off in the middle of a character
    } else {
      QStringDecoder cp1252("windows-1252");
      text = cp1252.isValid() ? cp1252.decode(roh) : QString::fromLatin1(roh);
    }
  }
  if (text.contains(QChar(u'\0'))) g.ganz = false;
  g.utf8 = text.toStdString();
  return g;
}

struct Ini {
  CSimpleIniA ini{true, false, false};  // UTF-8, one value per key, no multi-line values
  Ini() { ini.SetSpaces(false); }
};

// Files that cannot be read whole are reported once per run.
std::function<void(const QString&)>& Melder() {
  static std::function<void(const QString&)> melder;
  return melder;
}

QStringList& Gemeldet() {
  static QStringList gemeldet;
  return gemeldet;
}

void Beschaedigt(const QString& pfad) {
  if (Gemeldet().contains(pfad)) return;
  Gemeldet() << pfad;
  if (Melder()) Melder()(EinstellungenUnlesbar(pfad));
}

enum class Zustand { Fehlt, Gelesen, Beschaedigt };

Zustand Laden(const QString& pfad, Ini& i) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return Zustand::Fehlt;
  const QByteArray roh = datei.readAll();
  const Gelesen g = Dekodieren(roh);
  if (datei.error() != QFileDevice::NoError || !g.ganz || i.ini.LoadData(g.utf8) < 0) {
    // Nothing of a damaged file is used, and it is never rewritten from what could be read.
    i.ini.Reset();
    Beschaedigt(pfad);
    return Zustand::Beschaedigt;
  }
  return Zustand::Gelesen;
}

QByteArray U8(const QString& s) { return s.toUtf8(); }

Ergebnis Speichern(const QString& pfad, const Ini& i) {
  std::string text;
  if (i.ini.Save(text, false) < 0) return {EinstellungenSchreibFehler(pfad)};
  if (!DateiSicherSchreiben(pfad, QByteArray::fromStdString(text)).ok()) return {EinstellungenSchreibFehler(pfad)};
  return {};
}
}  // namespace

Einstellungen::Einstellungen() : pfad_(Werte().DatenDatei(QStringLiteral("Einstellungen.ini"))) {}

bool Einstellungen::Existiert() const { return QFileInfo(pfad_).isFile(); }

std::optional<QString> Einstellungen::Lesen(const QString& sektion, const QString& schluessel) const {
  Ini i;
  if (Laden(pfad_, i) != Zustand::Gelesen) return std::nullopt;
  const char* wert = i.ini.GetValue(U8(sektion).constData(), U8(schluessel).constData(), nullptr);
  if (!wert) return std::nullopt;
  return QString::fromUtf8(wert);
}

QList<Einstellungen::Eintrag> Einstellungen::Sektion(const QString& sektion) const {
  QList<Eintrag> eintraege;
  Ini i;
  if (Laden(pfad_, i) != Zustand::Gelesen) return eintraege;
  CSimpleIniA::TNamesDepend schluessel;
  if (!i.ini.GetAllKeys(U8(sektion).constData(), schluessel)) return eintraege;
  schluessel.sort(CSimpleIniA::Entry::LoadOrder());
  for (const auto& s : schluessel)
    eintraege << Eintrag{QString::fromUtf8(s.pItem), QString::fromUtf8(i.ini.GetValue(U8(sektion).constData(), s.pItem, ""))};
  return eintraege;
}

QString Einstellungen::Text(const QString& sektion, const QString& schluessel, const QString& vorgabe) const {
  return Lesen(sektion, schluessel).value_or(vorgabe);
}

int Einstellungen::Zahl(const QString& sektion, const QString& schluessel, int vorgabe) const {
  const auto text = Lesen(sektion, schluessel);
  if (!text) return vorgabe;
  return TextAlsGanzzahl(*text).value_or(vorgabe);
}

bool Einstellungen::Wahr(const QString& sektion, const QString& schluessel, bool vorgabe) const {
  return Zahl(sektion, schluessel, vorgabe ? 1 : 0) != 0;
}

Ergebnis Einstellungen::Schreiben(const QString& sektion, const QList<Eintrag>& eintraege) const {
  Ini i;
  if (Laden(pfad_, i) == Zustand::Beschaedigt) return {};  // kept as it is; reported once
  for (const auto& [schluessel, wert] : eintraege)
    i.ini.SetValue(U8(sektion).constData(), U8(schluessel).constData(), U8(wert).constData());
  return Speichern(pfad_, i);
}

Ergebnis Einstellungen::SektionErsetzen(const QString& sektion, const QList<Eintrag>& eintraege) const {
  Ini i;
  if (Laden(pfad_, i) == Zustand::Beschaedigt) return {};  // kept as it is; reported once
  i.ini.Delete(U8(sektion).constData(), nullptr, true);
  for (const auto& [schluessel, wert] : eintraege)
    i.ini.SetValue(U8(sektion).constData(), U8(schluessel).constData(), U8(wert).constData());
  return Speichern(pfad_, i);
}

QString EinstellungenUnlesbar(const QString& pfad) {
  return QStringLiteral("Die Einstellungsdatei %1 kann nicht vollständig gelesen werden.").arg(QDir::toNativeSeparators(pfad)) + CRCR +
         QStringLiteral("Sie bleibt unverändert; bis sie repariert oder gelöscht ist, arbeitet das Programm mit den Voreinstellungen.");
}

void EinstellungenMelderSetzen(std::function<void(const QString&)> melder) {
  Melder() = std::move(melder);
  Gemeldet().clear();  // a new reporter hears of every damaged file once
}

bool EinstellungenGanzLesbar(const QByteArray& inhalt) {
  CSimpleIniA ini(true, false, false);
  const Gelesen g = Dekodieren(inhalt);
  return g.ganz && ini.LoadData(g.utf8) >= 0;
}

QString EinstellungenSchreibFehler(const QString& pfad) {
  return QStringLiteral("In %1 kann nicht geschrieben werden").arg(QDir::toNativeSeparators(pfad));
}

float PreisJeReihe(const Einstellungen& einstellungen, Ergebnis* fehler) {
  constexpr float Vorgabe = 0.50f;
  if (!einstellungen.Existiert()) return Vorgabe;
  const QString text = Schluessel::Preis.Lesen(einstellungen).trimmed();
  // A decimal number with a comma as the decimal separator; a point is not accepted.
  bool ok = !text.contains(QLatin1Char('.'));
  double wert = 0;
  if (ok) {
    QString c = text;
    c.replace(QLatin1Char(','), QLatin1Char('.'));
    wert = QLocale::c().toDouble(c, &ok);
  }
  if (!ok) return Vorgabe;
  if (wert == 50.0) {
    Ergebnis e = Schluessel::Preis.Schreiben(einstellungen, QStringLiteral("0,50"));
    if (fehler) *fehler = e;
    return Vorgabe;
  }
  return static_cast<float>(wert);
}

Ergebnis DateienMerken(const Einstellungen& einstellungen, const QStringList& pfade) {
  QList<Einstellungen::Eintrag> eintraege;
  eintraege << Schluessel::Dateienanzahl.Wert(static_cast<int>(pfade.size()));
  for (int i = 0; i < pfade.size(); ++i) eintraege << Einstellungen::Eintrag{Schluessel::DateiName(i + 1), pfade[i]};
  return einstellungen.SektionErsetzen(Schluessel::Dateienanzahl.Sektion(), eintraege);
}

QStringList GemerkteDateien(const Einstellungen& einstellungen) {
  // One read of the section; a hand-edited count larger than the keys present stops at the keys.
  const auto eintraege = einstellungen.Sektion(Schluessel::Dateienanzahl.Sektion());
  auto wert = [&](const QString& schluessel) -> std::optional<QString> {
    for (const auto& [s, w] : eintraege)
      if (s.compare(schluessel, Qt::CaseInsensitive) == 0) return w;
    return std::nullopt;
  };
  const int anzahl =
      TextAlsGanzzahl(wert(Schluessel::Dateienanzahl.Name()).value_or(QString())).value_or(Schluessel::Dateienanzahl.vorgabe);
  QStringList pfade;
  for (int i = 1; i <= anzahl && i <= eintraege.size(); ++i) pfade << wert(Schluessel::DateiName(i)).value_or(QString());
  return pfade;
}
