#include "programmwerte.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {
QString MitTrenner(QString pfad) {
  pfad = QDir::fromNativeSeparators(pfad);
  if (!pfad.endsWith(QLatin1Char('/'))) pfad += QLatin1Char('/');
  return pfad;
}
}  // namespace

QString PrivaterTempOrdner() {
  // mkdtemp: a new folder that only this user can enter; removed when the program ends.
  static QTemporaryDir ordner(MitTrenner(QDir::tempPath()) + QStringLiteral("kelvaro-XXXXXX"));
  if (ordner.isValid()) return MitTrenner(ordner.path());
  return MitTrenner(QDir::homePath());  // no private temporary folder: the player's own home
}

Programmwerte& Werte() {
  static Programmwerte werte;
  return werte;
}

void GebietsschemaFestlegen() {
  const QLocale sys = QLocale::system();
  if (sys.language() == QLocale::C) QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}

namespace {

QString DatenBasis() {
#ifdef Q_OS_WIN
  // The roaming application-data folder.
  const QString roaming = qEnvironmentVariable("APPDATA");
  if (!roaming.isEmpty()) return roaming;
#endif
  // XDG data home (~/.local/share unless XDG_DATA_HOME says otherwise).
  return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}
}  // namespace

DatenOrdnerErgebnis WerteErmitteln(const QString& programmOrdner, const QString& datenBasis) {
  Programmwerte& w = Werte();
  w.programmOrdner = MitTrenner(programmOrdner);
  w.testDatei = PrivaterTempOrdner() + QStringLiteral("tmp.tmp");

  DatenOrdnerErgebnis ergebnis;
  const QString basis = MitTrenner(datenBasis.isEmpty() ? DatenBasis() : datenBasis);
  w.datenOrdner = basis + QStringLiteral("Kelvaro/");
  if (!QDir(w.datenOrdner).exists()) {
    // The folder itself is created one level deep; a missing XDG base folder (a new account) is
    // created first, as the XDG rules ask.
    QDir d;
    if (!d.exists(basis)) d.mkpath(basis);
    if (d.mkdir(w.datenOrdner))
      ergebnis.neuAngelegt = true;
    else
      ergebnis.fehler = QStringLiteral("Der Datenordner %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(w.datenOrdner));
  }
  w.hilfeDatei = ProgrammDatenOrdner(w.programmOrdner, QStringLiteral("Kelvaro.qch"), QStringLiteral(KELVARO_DATEN_RELATIV)) +
                 QStringLiteral("Kelvaro.qch");
  w.helferOrdner = ProgrammDatenOrdner(w.programmOrdner, QStringLiteral("kelvaro-tabellenleser"), QStringLiteral(KELVARO_HELFER_RELATIV));
  w.geldFormat = QLocale();
  return ergebnis;
}

QString ProgrammDatenOrdner(const QString& programmOrdner, const QString& datei, const QString& relativ) {
  const QString ordner = MitTrenner(programmOrdner);
  if (QFileInfo::exists(ordner + datei)) return ordner;
  const QString installiert = MitTrenner(QDir::cleanPath(ordner + relativ));
  return QFileInfo::exists(installiert + datei) ? installiert : ordner;
}
