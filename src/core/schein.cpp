#include "schein.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

#include "datei.h"
#include "var_def.h"

Ergebnis ScheinLesen(Tabelle& reihen, QString& antGes, QString& antMeine, const QString& pfad) {
  reihen.DatenLeeren();
  reihen.SetzeZeilen(1);
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) return {LeseFehler(pfad, datei.errorString())};
  int k = 0;
  Ergebnis ergebnis;
  for (;;) {
    TNormalSchein satz;
    const qint64 n = datei.read(reinterpret_cast<char*>(&satz), sizeof satz);
    if (n < 0) {
      ergebnis = {LeseFehler(pfad, datei.errorString())};
      break;
    }
    if (n < static_cast<qint64>(sizeof satz)) break;  // a trailing part record is ignored
    ++k;
    if (k == 1) {
      antGes = QString::number(satz.AntGes);
      antMeine = QString::number(satz.Antmeine);
    }
    reihen.SetzeZelle(k, 0, QString::number(k));
    for (int s = 1; s <= ZahlenJeReihe; ++s) reihen.SetzeZelle(k, s, QString::number(satz.WZ[s - 1]));
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

Ergebnis ScheinSchreiben(const TabellenDaten& reihen, const QString& antGes, const QString& antMeine,
                         const QString& pfad) {
  QByteArray daten;
  const int n = reihen.Zeilen() - 1;
  daten.reserve(n > 0 ? n * static_cast<int>(sizeof(TNormalSchein)) : 0);
  for (int z = 1; z <= n; ++z) {
    TNormalSchein satz;
    for (int s = 1; s <= ZahlenJeReihe; ++s)
      satz.WZ[s - 1] = static_cast<std::uint8_t>(reihen.Zelle(z, s).trimmed().toInt());
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

Ergebnis CsvSchreiben(const TabellenDaten& reihen, const QString& pfad) {
  // The columns to write: from column 1 on while the cell in data row 1 is filled, at most 11.
  int spalten = 0;
  while (spalten < 11 && spalten + 1 < reihen.Spalten() && !reihen.Zelle(1, spalten + 1).isEmpty()) ++spalten;
  QString text;
  for (int z = 1; z < reihen.Zeilen(); ++z) {
    QStringList zellen;
    for (int s = 1; s <= spalten; ++s) zellen << reihen.Zelle(z, s);
    text += CsvZeile(zellen) + QLatin1String("\r\n");
  }
  QStringEncoder kodierer(QStringEncoder::System);
  const QByteArray daten = kodierer.encode(text);
  return DateiSicherSchreiben(pfad, daten);
}

int CsvLesen(Tabelle& reihen, const QString& pfad, Ergebnis* fehler) {
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
  while (anfang < text.size()) {
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
