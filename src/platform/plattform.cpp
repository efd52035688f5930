#include "plattform.h"

#include <cstdlib>

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QNetworkInterface>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace {
class Desktop : public Plattform {
 public:
  bool IstOnline() override {
    for (const QNetworkInterface& n : QNetworkInterface::allInterfaces()) {
      const auto f = n.flags();
      if (!(f & QNetworkInterface::IsUp) || (f & QNetworkInterface::IsLoopBack)) continue;
      if (!n.addressEntries().isEmpty()) return true;
    }
    return false;
  }
  bool UrlOeffnen(const QUrl& adresse) override { return QDesktopServices::openUrl(adresse); }

  bool TabellenProgrammVorhanden() override {
#ifdef Q_OS_WIN
    if (QSettings(QStringLiteral("HKEY_CLASSES_ROOT\\.xlsx"), QSettings::NativeFormat).contains(QStringLiteral("."))) return true;
#else
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (!xdgMime.isEmpty()) {
      QProcess p;
      p.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"), QString::fromLatin1(XlsxTyp)});
      if (p.waitForFinished(3000) && !p.readAllStandardOutput().trimmed().isEmpty()) return true;
    }
#endif
    return !BekanntesProgramm().isEmpty();
  }

  bool TabelleOeffnen(const QString& datei) override {
    const QString programm = BekanntesProgramm();
    const QString name = QFileInfo(programm).fileName();
    // LibreOffice opens the file as a template: a new, untitled workbook.
    if (name == QLatin1String("libreoffice") || name == QLatin1String("soffice") || name == QLatin1String("localc"))
      return QProcess::startDetached(programm, {QStringLiteral("-n"), datei});
    if (!programm.isEmpty() && QProcess::startDetached(programm, {datei})) return true;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(datei));
  }

  bool InstallerStarten(const QString& datei) override {
    QFile f(datei);
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
    return QProcess::startDetached(datei, {}, QFileInfo(datei).absolutePath());
  }

  bool SkriptStarten(const QString& skript, const QString& ordner) override {
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("cmd.exe"), {QStringLiteral("/c"), skript}, ordner);
#else
    return QProcess::startDetached(QStringLiteral("/bin/sh"), {skript}, ordner);
#endif
  }

  void SofortBeenden() override { std::_Exit(0); }

  bool RechnerStarten() override {
#ifdef Q_OS_WIN
    return QProcess::startDetached(QStringLiteral("calc.exe"), {});
#else
    for (const char* p : {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk", "xcalc"})
      if (const QString pfad = QStandardPaths::findExecutable(QString::fromLatin1(p)); !pfad.isEmpty())
        return QProcess::startDetached(pfad, {});
    return false;
#endif
  }

 private:
  static constexpr const char* XlsxTyp = "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
  static QString BekanntesProgramm() {
    for (const char* p : {"libreoffice", "soffice", "localc", "gnumeric", "onlyoffice-desktopeditors", "calligrasheets", "et"})
      if (const QString pfad = QStandardPaths::findExecutable(QString::fromLatin1(p)); !pfad.isEmpty()) return pfad;
    return {};
  }
};

Desktop desktop;
Plattform* aktuell = &desktop;
}  // namespace

Plattform& System() { return *aktuell; }

Plattform* PlattformSetzen(Plattform* plattform) {
  Plattform* vorher = aktuell;
  aktuell = plattform ? plattform : &desktop;
  return vorher;
}
