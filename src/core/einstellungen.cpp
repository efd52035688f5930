#include "einstellungen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <SimpleIni.h>

#include "datei.h"
#include "programmwerte.h"
#include "zahltext.h"

namespace {
// Windows-1252 characters 0x80..0x9F; the rest of the code page equals Latin-1.
constexpr char16_t Cp1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// The file's text as UTF-8: files made by the Windows program are in Windows-1252.
std::string AlsUtf8(const QByteArray& roh) {
  QByteArray daten = roh;
  if (daten.startsWith("\xEF\xBB\xBF")) daten.remove(0, 3);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(daten);
  if (utf8.hasError()) {
    text.clear();
    text.reserve(daten.size());
    for (char c : daten) {
      const auto b = static_cast<unsigned char>(c);
      text += (b >= 0x80 && b < 0xA0) ? QChar(Cp1252[b - 0x80]) : QChar(b);
    }
  }
  return text.toStdString();
}

struct Ini {
  CSimpleIniA ini{true, false, false};  // UTF-8, one value per key, no multi-line values
  Ini() { ini.SetSpaces(false); }
};

bool Laden(const QString& pfad, Ini& i) {
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return false;
  const std::string text = AlsUtf8(datei.readAll());
  return i.ini.LoadData(text) >= 0;
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
  if (!Laden(pfad_, i)) return std::nullopt;
  const char* wert = i.ini.GetValue(U8(sektion).constData(), U8(schluessel).constData(), nullptr);
  if (!wert) return std::nullopt;
  return QString::fromUtf8(wert);
}

QList<Einstellungen::Eintrag> Einstellungen::Sektion(const QString& sektion) const {
  QList<Eintrag> eintraege;
  Ini i;
  if (!Laden(pfad_, i)) return eintraege;
  CSimpleIniA::TNamesDepend schluessel;
  if (!i.ini.GetAllKeys(U8(sektion).constData(), schluessel)) return eintraege;
  schluessel.sort(CSimpleIniA::Entry::LoadOrder());
  for (const auto& s : schluessel)
    eintraege << Eintrag{QString::fromUtf8(s.pItem),
                         QString::fromUtf8(i.ini.GetValue(U8(sektion).constData(), s.pItem, ""))};
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
  Laden(pfad_, i);
  for (const auto& [schluessel, wert] : eintraege)
    i.ini.SetValue(U8(sektion).constData(), U8(schluessel).constData(), U8(wert).constData());
  return Speichern(pfad_, i);
}

Ergebnis Einstellungen::SektionErsetzen(const QString& sektion, const QList<Eintrag>& eintraege) const {
  Ini i;
  Laden(pfad_, i);
  i.ini.Delete(U8(sektion).constData(), nullptr, true);
  for (const auto& [schluessel, wert] : eintraege)
    i.ini.SetValue(U8(sektion).constData(), U8(schluessel).constData(), U8(wert).constData());
  return Speichern(pfad_, i);
}

QString EinstellungenSchreibFehler(const QString& pfad) {
  return QStringLiteral("In %1 kann nicht geschrieben werden").arg(QDir::toNativeSeparators(pfad));
}

float PreisJeReihe(const Einstellungen& einstellungen, Ergebnis* fehler) {
  constexpr float Vorgabe = 0.50f;
  if (!einstellungen.Existiert()) return Vorgabe;
  const QString text =
      einstellungen.Text(QStringLiteral("Abrechnung"), QStringLiteral("Preis"), QStringLiteral("50,00")).trimmed();
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
    Ergebnis e = einstellungen.SchreibeText(QStringLiteral("Abrechnung"), QStringLiteral("Preis"), QStringLiteral("0,50"));
    if (fehler) *fehler = e;
    return Vorgabe;
  }
  return static_cast<float>(wert);
}

Ergebnis DateienMerken(const Einstellungen& einstellungen, const QStringList& pfade) {
  QList<Einstellungen::Eintrag> eintraege;
  eintraege << Einstellungen::Eintrag{QStringLiteral("Dateienanzahl"), QString::number(pfade.size())};
  for (int i = 0; i < pfade.size(); ++i)
    eintraege << Einstellungen::Eintrag{QStringLiteral("Datei%1").arg(i + 1), pfade[i]};
  return einstellungen.SektionErsetzen(QStringLiteral("Spielscheine"), eintraege);
}

QStringList GemerkteDateien(const Einstellungen& einstellungen) {
  // One read of the section; a hand-edited count larger than the keys present stops at the keys.
  const auto eintraege = einstellungen.Sektion(QStringLiteral("Spielscheine"));
  auto wert = [&](const QString& schluessel) -> std::optional<QString> {
    for (const auto& [s, w] : eintraege)
      if (s.compare(schluessel, Qt::CaseInsensitive) == 0) return w;
    return std::nullopt;
  };
  const int anzahl = TextAlsGanzzahl(wert(QStringLiteral("Dateienanzahl")).value_or(QString())).value_or(0);
  QStringList pfade;
  for (int i = 1; i <= anzahl && i <= eintraege.size(); ++i)
    pfade << wert(QStringLiteral("Datei%1").arg(i)).value_or(QString());
  return pfade;
}
