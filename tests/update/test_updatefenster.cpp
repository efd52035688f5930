// The update window against a real HTTP server on 127.0.0.1: the first start without draws, the
// failures that keep the player's file, the version check, the installer download and start.
#include <gtest/gtest.h>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/navigation.h"
#include "core/datum.h"
#include "core/programmwerte.h"
#include "core/ziehungen.h"
#include "evaluation/auswertung.h"
#include "statistics/frStatistik.h"
#include "statistics/statistik.h"
#include "testserver.h"
#include "testumgebung.h"
#include "update/transfer.h"
#include "update/update.h"

namespace {
class Updatefenster : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    UpdateServerSetzen(server.Adresse());
    gz = ZiehungsSatz("01.03.2024", {1, 2, 3, 4, 5}) + ZiehungsSatz("08.03.2024", {6, 7, 8, 9, 10});
    server.Setzen("/downloads/GZ.535", gz);
  }
  void TearDown() override {
    for (const char* name : {"FUpdate", "FStatistik"}) delete FensterFinden(name);
    haupt.reset();
    DatenOrdnerTest::TearDown();
  }
  void Starten() {
    haupt = std::make_unique<TFAuswertung>();
    haupt->Erzeugen();
  }
  TFUpdate* Update() { return qobject_cast<TFUpdate*>(FensterFinden("FUpdate")); }
  // The update window over a draw history of two draws, after its show-time check.
  TFUpdate* MitHistorieOeffnen() {
    Datei(gz);
    Starten();
    Ausloesen(AktionsId::Update);
    Warten();
    return Update();
  }
  // Lets the window's show-time check and its transfers run.
  void Warten() {
    QTest::qWait(50);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QApplication::activeModalWidget(); }, 10000));
  }
  void Datei(const QByteArray& inhalt) {
    QFile f(Pfad("GZ.535"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
  }

  TestServer server;
  QByteArray gz;
  std::unique_ptr<TFAuswertung> haupt;
};
}  // namespace

TEST_F(Updatefenster, ErsterStartOhneGewinnzahlenLaedtSieNachJa) {
  Starten();
  meldungen.antworten = {Antwort::Ja};
  haupt->Anzeigen();
  ASSERT_TRUE(Update());
  EXPECT_TRUE(QTest::qWaitFor([] { return Ziehungen().Anzahl() == 2; }, 10000));
  EXPECT_EQ(meldungen.Texte(), QStringList{"Es fehlen jegliche Gewinnreihen.\r\rSoll ich deren Download gleich starten?"});  // asked once
  EXPECT_FALSE(DownloadFragen);
  EXPECT_EQ(DateiInhalt("GZ.535"), gz);
  EXPECT_EQ(haupt->Combo1()->count(), 2);
  EXPECT_EQ(haupt->Combo1()->currentText(), QStringLiteral("08.03.2024"));
  EXPECT_EQ(haupt->DatumsZeile(), QStringLiteral("Gewinnzahlen vom 08.03.2024"));
  // Shown again with draws: no question, no transfer.
  Update()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  Ausloesen(AktionsId::Update);
  Warten();
  EXPECT_EQ(server.Anfragen("/downloads/GZ.535"), 1);
  EXPECT_EQ(meldungen.meldungen.size(), 1u);
}

TEST_F(Updatefenster, FehlschlaegeBehaltenDieAlteDatei) {
  const QString gescheitert = DownloadGescheitert();
  struct Fall {
    const char* name;
    std::function<void()> vorbereiten;
    QString grund;  // the sentence that tells the player why, after the failure message
  };
  const Fall faelle[] = {
      {"3 Bytes", [&] { server.Setzen("/downloads/GZ.535", "abc"); }, "Der Server hat keine Datei geliefert."},
      {"404", [&] { server.Setzen("/downloads/GZ.535", "weg", 404); }, "Der Server hat die Datei nicht geliefert (HTTP-Status 404)."},
      {"unvollständig", [&] { server.Setzen("/downloads/GZ.535", gz + "12345"); }, "Die Datei der Gewinnzahlen ist unvollständig."},
      {"kaputter Satz",
       [&] {
         server.Setzen("/downloads/GZ.535", gz + ZiehungsSatz("09.03.2024", {1, 2, 3, 4, 99}));
       },
       "Die Datei der Gewinnzahlen enthält eine ungültige Ziehung (Satz 3)."},
      {"abgewiesen", [&] { UpdateServerSetzen(TestServer::FreieAdresse()); }, "Der Server ist nicht erreichbar."},
  };
  Datei("part");  // a history file without a whole record: no draws
  Starten();
  for (const auto& f : faelle) {
    f.vorbereiten();
    meldungen.meldungen.clear();
    DownloadFragen = false;
    Ausloesen(AktionsId::Update);
    Warten();
    EXPECT_EQ(meldungen.Texte(), (QStringList{gescheitert + "\r\r" + f.grund, gescheitert})) << f.name;
    EXPECT_EQ(DateiInhalt("GZ.535"), QByteArray("part")) << f.name;
    EXPECT_EQ(Ziehungen().Anzahl(), 0) << f.name;
    delete Update();
  }
  EXPECT_EQ(DateiInhalt("GZ.bak"), QByteArray("part"));

  // Offline: the connection message, then the failure.
  plattform.online = false;
  meldungen.meldungen.clear();
  Ausloesen(AktionsId::Update);
  Warten();
  EXPECT_EQ(meldungen.Texte(),
            (QStringList{"Für die Aktualisierung muss eine Verbindung zum Internet bestehen.\r\rIch breche ab.", gescheitert}));
}

TEST_F(Updatefenster, FrageUndAbbruchOhneDownload) {
  Starten();
  meldungen.antworten = {Antwort::Abbrechen};
  Ausloesen(AktionsId::Update);
  Warten();
  EXPECT_EQ(meldungen.meldungen.size(), 1u);
  EXPECT_EQ(server.Anfragen("/downloads/GZ.535"), 0);
  EXPECT_TRUE(DownloadFragen);
  // "Ziehung hinzufügen" with no draws asks the same question; Yes downloads.
  delete Update();
  meldungen.antworten = {Antwort::Ja};
  QTest::mouseClick(haupt->findChild<QAbstractButton*>("BHinzu"), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([] { return Ziehungen().Anzahl() == 2; }, 10000));
  // The reload ends the new draw begun before the download: the selector holds the downloaded draws.
  EXPECT_FALSE(haupt->ZiehungNeu());
  EXPECT_EQ(haupt->Combo1()->count(), 2);
}

TEST_F(Updatefenster, StatistikFragtUndSchliesstSich) {
  Starten();
  Ausloesen(AktionsId::Statistik);
  QPointer<QWidget> statistik = FensterFinden("FStatistik");
  ASSERT_TRUE(statistik);
  meldungen.antworten = {Antwort::Ja};
  QTest::mouseClick(statistik->findChild<QAbstractButton*>("BStart"), Qt::LeftButton);
  EXPECT_TRUE(QTest::qWaitFor([] { return Ziehungen().Anzahl() == 2; }, 10000));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(statistik.isNull());
  EXPECT_EQ(meldungen.meldungen.size(), 1u);  // no second question in the update window
}

TEST_F(Updatefenster, VersionspruefungUndInstallation) {
  TFUpdate* u = MitHistorieOeffnen();
  ASSERT_TRUE(u);
  EXPECT_TRUE(meldungen.meldungen.empty());
  auto pruefen = [&](const QByteArray& datei) {
    server.Setzen("/downloads/verinfos.vdx", datei);
    QTest::mouseClick(u->findChild<QPushButton*>("BPruefen"), Qt::LeftButton);
  };
  pruefen(VersionsSatz("1.2.2.1", 0));
  EXPECT_EQ(u->Verfuegbar()->text(), QStringLiteral("1.2.2.1"));
  EXPECT_FALSE(u->Download()->isEnabled());
  pruefen(VersionsSatz("1.2.2.0", 0));
  EXPECT_TRUE(u->Download()->isEnabled());  // any difference, also a lower version
  pruefen(VersionsSatz("1.2.3.0", 0) + VersionsSatz("1.2.3.1", 0));
  EXPECT_EQ(u->Verfuegbar()->text(), QStringLiteral("1.2.3.1"));
  pruefen(VersionsSatz("1.2.3.0", 0) + VersionsSatz("1.2.3.1", 0).left(6));
  EXPECT_EQ(u->Verfuegbar()->text(), QStringLiteral("1.2.3.0"));
  pruefen(VersionsSatz("1.2.2.1", 0));
  EXPECT_FALSE(u->Download()->isEnabled());
  EXPECT_EQ(server.Anfragen("/downloads/verinfos.vdx"), 5);  // asked afresh every time
  server.Setzen("/downloads/verinfos.vdx", "x", 404);
  QTest::mouseClick(u->findChild<QPushButton*>("BPruefen"), Qt::LeftButton);
  EXPECT_EQ(meldungen.Texte(), QStringList{"Die Prüfung hat leider nicht geklappt.\r"});

  // The installer: downloaded to "Update.exe", then started; the program removes itself.
  pruefen(VersionsSatz("1.3.0.0", 0));
  server.Setzen("/downloads/vandoupdate.exe", "#!/bin/sh\nexit 0\n");
  QTest::mouseClick(u->Download(), Qt::LeftButton);
  EXPECT_EQ(DateiInhalt("Update.exe"), QByteArray("#!/bin/sh\nexit 0\n"));
  ASSERT_TRUE(u->Installation()->isEnabled());
  meldungen.meldungen.clear();
  meldungen.antworten = {Antwort::Nein};
  QTest::mouseClick(u->Installation(), Qt::LeftButton);
  const QString ordner = tmp.path() + "/";
  ASSERT_EQ(meldungen.meldungen.size(), 2u);
  EXPECT_EQ(meldungen.meldungen[0].second,
            "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Die Programm-Datei wird "
            "gelöscht und das Update gestartet. Wenn etwas schief läuft, bitte das Update manuell durch Doppelklick auf die Datei "
            "\"Update.exe\" im Verzeichnis " +
                ordner + " starten.\r\rSoll fortgefahren werden?");
  EXPECT_EQ(meldungen.meldungen[1].second,
            "Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell durch Doppelklick auf die Datei "
            "\"Update.exe\" im Verzeichnis " +
                ordner + " starten.\r\rZuvor muss das Programm geschlossen und die Datei \"" +
                QFileInfo(QCoreApplication::applicationFilePath()).fileName() + "\" im Verzeichnis " +
                QDir::toNativeSeparators(Werte().programmOrdner) + " gelöscht werden.");
  EXPECT_TRUE(plattform.installer.isEmpty());
  meldungen.antworten = {Antwort::Ja};
  QTest::mouseClick(u->Installation(), Qt::LeftButton);
  EXPECT_EQ(plattform.installer, QStringList{Pfad("Update.exe")});
  ASSERT_EQ(plattform.skripte.size(), 1);
  EXPECT_TRUE(plattform.beendet);
  QFile::remove(plattform.skripte.front());
  // The installer fails to start: the program goes on.
  plattform.installerStartet = false;
  plattform.beendet = false;
  meldungen.antworten = {Antwort::Ja};
  QTest::mouseClick(u->Installation(), Qt::LeftButton);
  EXPECT_TRUE(meldungen.Texte().last().startsWith("Update konnte nicht gestartet werden."));
  EXPECT_FALSE(plattform.beendet);
}

TEST_F(Updatefenster, PaketVersionPrueftNurUndVerweistAufDieSoftwareverwaltung) {
  // A program installed by the system's package manager does not replace itself.
  SelbstUpdateFestlegen(false);
  TFUpdate* u = MitHistorieOeffnen();
  ASSERT_TRUE(u);
  EXPECT_FALSE(u->Download()->isVisible());
  EXPECT_FALSE(u->Installation()->isVisible());
  auto* hinweis = u->findChild<QLabel*>("LPaketHinweis");
  ASSERT_TRUE(hinweis);
  EXPECT_TRUE(hinweis->isVisible());
  EXPECT_EQ(hinweis->text(), PaketHinweis());
  server.Setzen("/downloads/verinfos.vdx", VersionsSatz("1.3.0.0", 0));
  QTest::mouseClick(u->findChild<QPushButton*>("BPruefen"), Qt::LeftButton);
  EXPECT_EQ(u->Verfuegbar()->text(), QStringLiteral("1.3.0.0"));  // the check stays
  EXPECT_FALSE(u->Download()->isEnabled());
  u->BDownloadClick();
  u->BInstallationClick();
  EXPECT_EQ(server.Anfragen("/downloads/vandoupdate.exe"), 0);
  EXPECT_TRUE(plattform.installer.isEmpty());
  EXPECT_TRUE(meldungen.meldungen.empty());
  SelbstUpdateFestlegen(std::nullopt);
}

TEST_F(Updatefenster, AbgebrochenerDownloadMeldetKeinenFehler) {
  // A slow server, the player cancels in the progress dialog: no failure is reported, the old file
  // stays.
  QByteArray viel;
  for (int i = 0; i < 64; ++i) viel += gz;
  server.Setzen("/downloads/GZ.535", viel);
  server.Drosseln("/downloads/GZ.535", {16, 40, 0});
  Datei("part");
  Starten();
  DownloadFragen = false;
  QTimer::singleShot(600, [] {
    if (auto* dialog = qobject_cast<QProgressDialog*>(QApplication::activeModalWidget()))
      QTest::mouseClick(dialog->findChild<QPushButton*>(), Qt::LeftButton);
  });
  Ausloesen(AktionsId::Update);
  Warten();
  EXPECT_TRUE(meldungen.meldungen.empty()) << meldungen.Texte().join(" | ").toStdString();
  EXPECT_EQ(DateiInhalt("GZ.535"), QByteArray("part"));
  EXPECT_EQ(Ziehungen().Anzahl(), 0);
}
