// The installed program: `cmake --install` into a temporary DESTDIR puts every file in its place,
// the installed program starts from there and finds its help file, helpers and Qt's German texts.
#include <gtest/gtest.h>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "app/programmstart.h"
#include "core/programmwerte.h"
#include "testumgebung.h"

namespace {
QString Installieren(const QTemporaryDir& ziel) {
  QProcess cmake;
  QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
  umgebung.insert(QStringLiteral("DESTDIR"), ziel.path());
  cmake.setProcessEnvironment(umgebung);
  cmake.start(QStringLiteral(CMAKE_PROGRAMM),
              {QStringLiteral("--install"), QStringLiteral(BAUORDNER), QStringLiteral("--prefix"), QStringLiteral("/usr")});
  if (!cmake.waitForFinished(120000) || cmake.exitCode() != 0) return QString::fromLocal8Bit(cmake.readAllStandardError());
  return {};
}
}  // namespace

TEST(Installation, InstalliertesProgrammStartetUndFindetSeineDateien) {
  QTemporaryDir ziel;
  ASSERT_TRUE(ziel.isValid());
  const QString fehler = Installieren(ziel);
  ASSERT_TRUE(fehler.isEmpty()) << fehler.toStdString();
  const QString usr = ziel.path() + QStringLiteral("/usr/");
  for (const char* datei :
       {"bin/kelvaro", "share/kelvaro/Kelvaro.qch", "share/applications/de.kelvaro.Kelvaro.desktop",
        "share/metainfo/de.kelvaro.Kelvaro.metainfo.xml", "share/mime/packages/de.kelvaro.Kelvaro.xml",
        "share/icons/hicolor/scalable/apps/de.kelvaro.Kelvaro.svg", "share/icons/hicolor/48x48/apps/de.kelvaro.Kelvaro.png",
        "share/icons/hicolor/scalable/mimetypes/application-x-kelvaro-tippschein.svg"})
    EXPECT_TRUE(QFileInfo::exists(usr + QString::fromLatin1(datei))) << datei;
  EXPECT_TRUE(QFileInfo(usr + QStringLiteral("bin/kelvaro")).isExecutable());

  // Started from there in a fresh home: it runs, creates its data folder and the sample ticket.
  const QString heim = ziel.path() + QStringLiteral("/heim");
  QProcess programm;
  QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) umgebung.remove(QString::fromLatin1(v));
  umgebung.insert(QStringLiteral("HOME"), heim);
  umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  programm.setProcessEnvironment(umgebung);
  programm.start(usr + QStringLiteral("bin/kelvaro"));
  ASSERT_TRUE(programm.waitForStarted(10000));
  const QString demo = heim + QStringLiteral("/.local/share/Kelvaro/Demo-Tippschein.vnds");
  EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(demo); }, 30000));
  QTest::qWait(1500);
  EXPECT_EQ(programm.state(), QProcess::Running) << programm.readAllStandardError().toStdString();
  programm.kill();
  programm.waitForFinished(10000);

  // Its help file and helpers as the installed program looks for them, from its own folder.
  const Programmwerte vorher = Werte();
  WerteErmitteln(usr + QStringLiteral("bin"), ziel.path() + QStringLiteral("/daten"));
  EXPECT_EQ(Werte().hilfeDatei, usr + QStringLiteral("share/kelvaro/Kelvaro.qch"));
  Werte() = vorher;
  // From the build tree the help lies beside the program.
  EXPECT_EQ(ProgrammDatenOrdner(QStringLiteral(BAUORDNER "/bin"), QStringLiteral("Kelvaro.qch"), QStringLiteral(KELVARO_DATEN_RELATIV)),
            QStringLiteral(BAUORDNER "/bin/"));
}

TEST(Installation, QtTexteAufDeutsch) {
  // Qt's own widgets (file dialogs, the help viewer's search) speak German.
  const QStringList geladen = QtUebersetzungenLaden();
  EXPECT_TRUE(geladen.contains(QStringLiteral("qt_de")));
  EXPECT_TRUE(geladen.contains(QStringLiteral("qt_help_de")));
  EXPECT_EQ(QCoreApplication::translate("QHelpSearchQueryWidget", "Search"), QStringLiteral("Suche"));
}
