#include "schein.h"

#include <cstring>

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "datei.h"
#include "var_def.h"

Ergebnis ScheinSaetzeLesen(const QString& pfad, Scheindatei& schein) {
  schein.reihen.clear();
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return {LeseFehler(pfad, datei.errorString())};
  // Read in blocks of whole records; a trailing part record is ignored.
  constexpr qint64 Block = 4096 * sizeof(TNormalSchein);
  QByteArray puffer(Block, Qt::Uninitialized);
  qsizetype rest = 0;
  for (;;) {
    const qint64 gelesen = datei.read(puffer.data() + rest, Block - rest);
    if (gelesen < 0) return {LeseFehler(pfad, datei.errorString())};
    if (gelesen == 0) break;
    const qsizetype vorhanden = rest + gelesen;
    const qsizetype ganze = vorhanden / static_cast<qsizetype>(sizeof(TNormalSchein));
    for (qsizetype i = 0; i < ganze; ++i) {
      TNormalSchein satz;
      std::memcpy(&satz, puffer.constData() + i * static_cast<qsizetype>(sizeof satz), sizeof satz);
      if (schein.reihen.empty()) {
        schein.antGes = satz.AntGes;
        schein.antMeine = satz.Antmeine;
      }
      schein.reihen.push_back({satz.WZ[0], satz.WZ[1], satz.WZ[2], satz.WZ[3], satz.WZ[4]});
    }
    rest = vorhanden - ganze * static_cast<qsizetype>(sizeof(TNormalSchein));
    std::memmove(puffer.data(), puffer.constData() + ganze * static_cast<qsizetype>(sizeof(TNormalSchein)), static_cast<std::size_t>(rest));
  }
  return {};
}

Ergebnis ScheinLesen(Tabelle& reihen, QString& antGes, QString& antMeine, const QString& pfad, Arbeitsstand* stand) {
  reihen.DatenLeeren();
  reihen.SetzeZeilen(1);
  Scheindatei schein;
  const Ergebnis ergebnis = ScheinSaetzeLesen(pfad, schein);
  if (!schein.reihen.empty()) {
    antGes = QString::number(schein.antGes);
    antMeine = QString::number(schein.antMeine);
  }
  int k = 0;
  if (stand) stand->gesamt = static_cast<std::int64_t>(schein.reihen.size());
  for (const auto& r : schein.reihen) {
    ++k;
    if (stand && !ArbeitWeiter(*stand, k)) return {{}, true};
    reihen.SetzeZelle(k, 0, QString::number(k));
    for (int s = 1; s <= ZahlenJeReihe; ++s) reihen.SetzeZelle(k, s, QString::number(r[static_cast<std::size_t>(s - 1)]));
  }
  reihen.SetzeZeilen(k + 1);
  return ergebnis;
}

namespace {
std::uint16_t Anteil(const QString& text) {
  if (text.trimmed().isEmpty()) return 1;
  return static_cast<std::uint16_t>(text.trimmed().toUInt());
}
}  // namespace

Ergebnis ScheinSchreiben(const TabellenDaten& reihen, const QString& antGes, const QString& antMeine, const QString& pfad,
                         Arbeitsstand* stand) {
  QByteArray daten;
  const int n = reihen.Zeilen() - 1;
  daten.reserve(n > 0 ? n * static_cast<int>(sizeof(TNormalSchein)) : 0);
  if (stand) stand->gesamt = n;
  for (int z = 1; z <= n; ++z) {
    if (stand && !ArbeitWeiter(*stand, z)) return {{}, true};
    TNormalSchein satz;
    for (int s = 1; s <= ZahlenJeReihe; ++s) satz.WZ[s - 1] = static_cast<std::uint8_t>(reihen.Zelle(z, s).trimmed().toInt());
    satz.AntGes = Anteil(antGes);
    satz.Antmeine = Anteil(antMeine);
    daten.append(reinterpret_cast<const char*>(&satz), sizeof satz);
  }
  return DateiSicherSchreiben(pfad, daten);
}

QString CsvZeile(const QStringList& zellen) {
  if (zellen.size() == 1 && zellen.front().isEmpty()) return QStringLiteral("\"\"");
  QStringList teile;
  teile.reserve(zellen.size());
  for (const QString& z : zellen) {
    bool quoten = false;
    for (QChar c : z)
      if (c == QLatin1Char(' ') || c == QLatin1Char(',') || c == QLatin1Char('"') || c.unicode() < 0x20) {
        quoten = true;
        break;
      }
    if (quoten) {
      QString q = z;
      q.replace(QLatin1String("\""), QLatin1String("\"\""));
      teile << QLatin1Char('"') + q + QLatin1Char('"');
    } else {
      teile << z;
    }
  }
  return teile.join(QLatin1Char(','));
}

Ergebnis CsvSchreiben(const TabellenDaten& reihen, const QString& pfad, Arbeitsstand* stand) {
  // The columns to write: from column 1 on while the cell in data row 1 is filled, at most 11.
  int spalten = 0;
  while (spalten < 11 && spalten + 1 < reihen.Spalten() && !reihen.Zelle(1, spalten + 1).isEmpty()) ++spalten;
  QString text;
  if (stand) stand->gesamt = reihen.Zeilen() - 1;
  for (int z = 1; z < reihen.Zeilen(); ++z) {
    if (stand && !ArbeitWeiter(*stand, z)) return {{}, true};
    QStringList zellen;
    for (int s = 1; s <= spalten; ++s) zellen << reihen.Zelle(z, s);
    text += CsvZeile(zellen) + QLatin1String("\r\n");
  }
  QStringEncoder kodierer(QStringEncoder::System);
  const QByteArray daten = kodierer.encode(text);
  return DateiSicherSchreiben(pfad, daten);
}

int CsvLesen(Tabelle& reihen, const QString& pfad, Ergebnis* fehler, Arbeitsstand* stand) {
  // Every cell outside the header row and the row-number column is emptied; one data row stays.
  reihen.DatenLeeren(true);
  reihen.SetzeZeilen(2);
  QFile datei(pfad);
  QByteArray daten;
  if (!datei.open(QIODevice::ReadOnly)) {
    if (fehler) *fehler = {LeseFehler(pfad, datei.errorString())};
    return 0;
  }
  daten = datei.readAll();
  if (datei.error() != QFileDevice::NoError && fehler) *fehler = {LeseFehler(pfad, datei.errorString())};
  datei.close();

  QStringDecoder dekodierer(QStringDecoder::System);
  const QString text = dekodierer.decode(daten);
  int c = 0;
  qsizetype anfang = 0;
  if (stand) stand->gesamt = text.size();
  while (anfang < text.size()) {
    if (stand && !ArbeitWeiter(*stand, anfang)) {
      if (fehler) *fehler = {{}, true};
      return c;
    }
    qsizetype ende = anfang;
    while (ende < text.size() && text[ende] != QLatin1Char('\n') && text[ende] != QLatin1Char('\r')) ++ende;
    const QString zeile = text.mid(anfang, ende - anfang);
    anfang = ende;
    if (anfang < text.size() && text[anfang] == QLatin1Char('\r')) ++anfang;
    if (anfang < text.size() && text[anfang] == QLatin1Char('\n')) ++anfang;

    if (zeile.isEmpty() || zeile == QLatin1String("\"\"")) continue;
    QStringList teile = zeile.split(QLatin1Char(','));
    if (zeile.endsWith(QLatin1Char(','))) teile.removeLast();
    ++c;
    reihen.SetzeZelle(c, 0, QString::number(c));
    reihen.SetzeZeilen(c + 1);
    for (int i = 0; i < teile.size(); ++i) reihen.SetzeZelle(c, 1 + i, teile[i]);
  }
  return c;
}
