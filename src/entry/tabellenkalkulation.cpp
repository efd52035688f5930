#include "tabellenkalkulation.h"

#include <cmath>
#include <limits>
#include <vector>

#include <sys/resource.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QTime>

#include <xlsxwriter.h>

#include "core/datum.h"
#include "core/programmwerte.h"
#include "core/zahlformat.h"

QString ImportFehler(const QString& pfad, const QString& grund) {
  return QStringLiteral("Die Tabelle %1 kann nicht eingelesen werden.").arg(QDir::toNativeSeparators(pfad)) + CRCR + grund;
}

namespace {
const QChar NBSP(0x00A0);

// A number as the spreadsheet shows it by default: whole numbers without decimals.
QString ZahlText(double v) {
  if (std::isfinite(v) && v == std::trunc(v) && std::fabs(v) < 9.0e15) return QString::number(static_cast<qlonglong>(v));
  return QLocale().toString(v, 'g', 15);
}
}  // namespace

QString CellRef(int zeile, int spalte) {
  QString buchstaben;
  if (spalte <= 26) {
    buchstaben = QChar(u'A' + (spalte - 1));
  } else {
    buchstaben = QString(QChar(u'A' + ((spalte - 1) / 26 - 1))) + QChar(u'A' + ((spalte - 1) % 26));
  }
  return buchstaben + QString::number(zeile);
}

QString NeueExportDatei() {
  const QString ordner = Werte().DatenDatei(QStringLiteral("Export/"));
  QDir().mkpath(ordner);
  const QString stamm = ordner + QStringLiteral("Tippreihen-") + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  QString pfad = stamm + QStringLiteral(".xlsx");
  for (int i = 2; QFileInfo::exists(pfad); ++i) pfad = stamm + QStringLiteral("-%1.xlsx").arg(i);
  return pfad;
}

Ergebnis ExportSchreiben(const TabellenDaten& raster, const QString& blattName, int letzteSpalte, const QString& pfad,
                         Arbeitsstand* stand) {
  const CZahlenformat cZahlen;  // libxlsxwriter writes the column widths with printf
  const int r = raster.Zeilen(), spalten = std::min(letzteSpalte, raster.Spalten());
  // Shared strings (not the constant-memory mode's inline strings): every spreadsheet program and
  // our own import read them; even all 324,632 possible rows stay near 250 MB for a moment.
  const QByteArray datei = QFile::encodeName(pfad);
  lxw_workbook* mappe = workbook_new(datei.constData());
  if (!mappe) return {SchreibFehler(pfad, QStringLiteral("Die Arbeitsmappe kann nicht angelegt werden."))};
  lxw_worksheet* blatt = workbook_add_worksheet(mappe, blattName.toUtf8().constData());
  std::vector<int> breite(static_cast<std::size_t>(std::max(spalten, 0)), 0);
  if (stand) stand->gesamt = r - 1;
  for (int z = 1; z < r; ++z) {
    if (stand && !ArbeitWeiter(*stand, z)) {
      lxw_workbook_free(mappe);  // nothing has been written yet
      return {{}, true};
    }
    for (int c = 1; c <= spalten; ++c) {
      const QString text = NBSP + raster.Zelle(z, c);
      worksheet_write_string(blatt, static_cast<lxw_row_t>(z - 1), static_cast<lxw_col_t>(c - 1), text.toUtf8().constData(), nullptr);
      breite[static_cast<std::size_t>(c - 1)] = std::max(breite[static_cast<std::size_t>(c - 1)], static_cast<int>(text.size()));
    }
  }
  for (int c = 0; c < spalten; ++c)
    worksheet_set_column(blatt, static_cast<lxw_col_t>(c), static_cast<lxw_col_t>(c), breite[static_cast<std::size_t>(c)] + 1.5, nullptr);
  const lxw_error fehler = workbook_close(mappe);
  if (fehler != LXW_NO_ERROR) return {SchreibFehler(pfad, QString::fromUtf8(lxw_strerror(fehler)))};
  return {};
}

void BlattInTabelle(const Blattinhalt& blatt, Tabelle& raster) {
  // An empty sheet counts its cell A1.
  const int l = std::max<int>(1, static_cast<int>(blatt.zeilen)), k = std::max<int>(1, static_cast<int>(blatt.spalten));
  raster.SetzeZeilen(l + 1);
  raster.SetzeSpalten(k + 1);
  for (int r = 1; r <= l; ++r) raster.SetzeZelle(r, 0, QString::number(r));
  // Each text once: cells with the same text share it.
  std::vector<QString> texte;
  texte.reserve(blatt.texte.size());
  for (const std::string& t : blatt.texte) texte.push_back(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
  for (const auto& c : blatt.zellen) raster.SetzeZelle(static_cast<int>(c.zeile) + 1, static_cast<int>(c.spalte) + 1, ZellText(c, texte));
}

QString ZellText(const Blattinhalt::Zelle& zelle, const std::vector<QString>& texte) {
  switch (zelle.art) {
    case Blattinhalt::Art::Text: return zelle.text < texte.size() ? texte[zelle.text] : QString();
    case Blattinhalt::Art::Zahl: return ZahlText(zelle.zahl);
    case Blattinhalt::Art::Wahrheitswert: return zelle.zahl != 0 ? QStringLiteral("WAHR") : QStringLiteral("FALSCH");
    case Blattinhalt::Art::Datum: {
      if (!std::isfinite(zelle.zahl)) return {};
      const double tag = std::floor(zelle.zahl);
      QString text = DatumAlsText(tag);
      const int sekunden = static_cast<int>(std::lround((zelle.zahl - tag) * 86400.0));
      if (sekunden > 0 && sekunden < 86400) text += QLatin1Char(' ') + QTime(0, 0).addSecs(sekunden).toString(QStringLiteral("HH:mm:ss"));
      return text;
    }
  }
  return {};
}

QString TabellenLeser() { return Werte().helferOrdner + QStringLiteral("kelvaro-tabellenleser"); }

Blatteinlesen BlattEinlesen(const QString& pfad, const std::atomic<bool>* abbrechen) {
  Blatteinlesen e;
  const QString leser = TabellenLeser();
  if (!QFileInfo(leser).isExecutable()) {
    e.grund = QStringLiteral("Das Leseprogramm %1 fehlt; bitte installieren Sie Kelvaro neu.").arg(QDir::toNativeSeparators(leser));
    return e;
  }
  QProcess prozess;
  prozess.setProgram(leser);
  prozess.setArguments({pfad});
  prozess.setProcessChannelMode(QProcess::SeparateChannels);
  prozess.setStandardInputFile(QProcess::nullDevice());
  prozess.setStandardErrorFile(QProcess::nullDevice());
  prozess.setChildProcessModifier([] {
    // A crafted file must not take the machine's memory or run for ever.
    rlimit zeit{Tabellenleser::CpuSekunden, Tabellenleser::CpuSekunden + 1};
    setrlimit(RLIMIT_CPU, &zeit);
#ifndef KELVARO_SANITIZE  // the sanitizers' shadow memory needs an unlimited address space
    rlimit speicher{Tabellenleser::Speicher, Tabellenleser::Speicher};
    setrlimit(RLIMIT_AS, &speicher);
#endif
  });
  prozess.start();
  if (!prozess.waitForStarted(10000)) {
    e.grund = QStringLiteral("Das Leseprogramm kann nicht gestartet werden (%1).").arg(prozess.errorString());
    return e;
  }
  QByteArray ausgabe;
  QElapsedTimer uhr;
  uhr.start();
  while (prozess.state() != QProcess::NotRunning) {
    if (abbrechen && *abbrechen) {
      prozess.kill();
      prozess.waitForFinished(5000);
      e.abgebrochen = true;
      return e;
    }
    if (uhr.elapsed() > Tabellenleser::Millisekunden) {
      prozess.kill();
      prozess.waitForFinished(5000);
      e.grund = QStringLiteral("Das Lesen der Datei dauert zu lange; sie ist vermutlich beschädigt oder zu groß.");
      return e;
    }
    prozess.waitForReadyRead(50);
    ausgabe += prozess.readAllStandardOutput();
  }
  ausgabe += prozess.readAllStandardOutput();
  if (prozess.exitStatus() != QProcess::NormalExit || prozess.exitCode() != 0) {
    e.grund = QStringLiteral("Die Datei bringt das Leseprogramm zum Absturz; sie ist vermutlich beschädigt.");
    return e;
  }
  auto ergebnis = BlattDekodieren(ausgabe);
  if (!ergebnis) {
    e.grund = QStringLiteral("Das Leseprogramm hat kein lesbares Ergebnis geliefert.");
    return e;
  }
  if (const QString* grund = std::get_if<QString>(&*ergebnis))
    e.grund = *grund;
  else
    e.blatt = std::move(std::get<Blattinhalt>(*ergebnis));
  return e;
}

Ergebnis ExcelImport(Tabelle& raster, const QString& pfad, const std::atomic<bool>* abbrechen) {
  Blatteinlesen e = BlattEinlesen(pfad, abbrechen);
  if (e.abgebrochen) return {};
  if (!e.blatt) return {ImportFehler(pfad, e.grund)};
  BlattInTabelle(*e.blatt, raster);
  return {};
}

std::vector<QStringList> BlattZeilen(const Blattinhalt& blatt) {
  std::vector<QStringList> zeilen(blatt.zeilen);
  std::vector<QString> texte;
  texte.reserve(blatt.texte.size());
  for (const std::string& t : blatt.texte) texte.push_back(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
  for (const auto& c : blatt.zellen) {
    QStringList& zeile = zeilen[c.zeile];
    while (zeile.size() <= static_cast<qsizetype>(c.spalte)) zeile << QString();
    zeile[c.spalte] = ZellText(c, texte).trimmed();
  }
  return zeilen;
}

Ergebnis ZiehungenXlsxSchreiben(const std::vector<TGewZahlen>& liste, const QString& pfad) {
  const CZahlenformat cZahlen;  // libxlsxwriter writes numbers with printf
  const QByteArray datei = QFile::encodeName(pfad);
  lxw_workbook* mappe = workbook_new(datei.constData());
  if (!mappe) return {SchreibFehler(pfad, QStringLiteral("Die Arbeitsmappe kann nicht angelegt werden."))};
  lxw_worksheet* blatt = workbook_add_worksheet(mappe, "Ziehungen");
  lxw_format* datum = workbook_add_format(mappe);
  format_set_num_format(datum, "dd.mm.yyyy");
  const char* kopf[] = {"Datum", "Z1", "Z2", "Z3", "Z4", "Z5"};
  for (lxw_col_t s = 0; s < 6; ++s) worksheet_write_string(blatt, 0, s, kopf[s], nullptr);
  worksheet_set_column(blatt, 0, 0, 12, nullptr);
  lxw_row_t z = 1;
  for (const TGewZahlen& g : liste) {
    // Excel's day numbers count from the same day as the program's (for every date after 1900).
    worksheet_write_number(blatt, z, 0, g.datum, datum);
    for (lxw_col_t s = 0; s < 5; ++s) worksheet_write_number(blatt, z, s + 1, g.GZ[s], nullptr);
    ++z;
  }
  const lxw_error fehler = workbook_close(mappe);
  if (fehler != LXW_NO_ERROR) return {SchreibFehler(pfad, QString::fromUtf8(lxw_strerror(fehler)))};
  return {};
}
