// Start-up, the window registry and the open-by-name rule.
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVariantAnimation>

#include "app/Start.h"
#include "app/navigation.h"
#include "app/programmstart.h"
#include "core/programmwerte.h"
#include "core/ziehungen.h"
#include "evaluation/auswertung.h"
#include "testumgebung.h"
#include "ui/skin.h"

TEST(Fensterregister, SuchtExaktUndNeuesteZuerst) {
  QWidget alt, neu;
  FensterRegistrieren(&alt, QStringLiteral("FTest"));
  FensterRegistrieren(&neu, QStringLiteral("FTest"));
  EXPECT_EQ(FensterFinden(QStringLiteral("FTest")), &neu);
  EXPECT_TRUE(FormVorhanden(QStringLiteral("FTest")));
  EXPECT_FALSE(FormVorhanden(QStringLiteral("ftest")));  // names are compared exactly
  EXPECT_FALSE(FormVorhanden(QStringLiteral("FTes")));
}

TEST(Fensterregister, OeffnenNachNameStelltWiederHerUndErzeugtNachDemZerstoeren) {
  int erzeugt = 0;
  auto fabrik = [&]() -> QWidget* {
    ++erzeugt;
    auto* w = new QWidget;
    w->setAttribute(Qt::WA_DeleteOnClose);
    return w;
  };
  QPointer<QWidget> w = NachNameOeffnen(QStringLiteral("FWerkzeug"), fabrik);
  ASSERT_TRUE(w);
  EXPECT_EQ(w->objectName(), QStringLiteral("FWerkzeug"));
  EXPECT_TRUE(w->isVisible());
  w->showMinimized();
  EXPECT_EQ(NachNameOeffnen(QStringLiteral("FWerkzeug"), fabrik), w.data());
  EXPECT_EQ(erzeugt, 1);
  EXPECT_FALSE(w->windowState() & Qt::WindowMinimized);
  EXPECT_TRUE(w->isVisible());

  w->close();  // destroys itself
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(w.isNull());
  EXPECT_FALSE(FormVorhanden(QStringLiteral("FWerkzeug")));
  QPointer<QWidget> neu = NachNameOeffnen(QStringLiteral("FWerkzeug"), fabrik);
  EXPECT_EQ(erzeugt, 2);
  delete neu.data();
}

namespace {
class Programmstart : public DatenOrdnerTest {
 protected:
  void TearDown() override {
    delete p.start.data();
    delete p.haupt.data();
    delete FensterFinden(QStringLiteral("FEingabe"));
    DatenOrdnerTest::TearDown();
  }
  QString Basis() const { return tmp.path() + QStringLiteral("/basis"); }
  QString Daten(const QString& name) const { return Basis() + QStringLiteral("/Kelvaro/") + name; }
  Programm p;
};
}  // namespace

TEST_F(Programmstart, HauptfensterUnsichtbarBisWeiter) {
  QDir().mkpath(Basis() + QStringLiteral("/Kelvaro"));
  p = ProgrammVorbereiten(QCoreApplication::applicationDirPath(), Basis());
  ASSERT_TRUE(p.start && p.haupt);
  EXPECT_EQ(Werte().datenOrdner, Basis() + QStringLiteral("/Kelvaro/"));
  // The downloads' test file lies in a folder of this run that only the player can enter.
  EXPECT_EQ(Werte().testDatei, PrivaterTempOrdner() + QStringLiteral("tmp.tmp"));
  EXPECT_TRUE(PrivaterTempOrdner().startsWith(QDir::tempPath() + QStringLiteral("/kelvaro-")));
  const QFileDevice::Permissions rechte = QFileInfo(PrivaterTempOrdner()).permissions();
  EXPECT_TRUE(rechte.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
  EXPECT_FALSE(rechte & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther |
                         QFileDevice::WriteOther | QFileDevice::ExeOther));
  EXPECT_EQ(p.start->windowTitle(), QStringLiteral("Kelvaro 1.2.2.1"));
  EXPECT_EQ(p.haupt->windowTitle(), QStringLiteral("Kelvaro 1.2.2.1"));
  EXPECT_TRUE(p.start->isVisible());
  EXPECT_TRUE(p.start->InitializationDone());
  EXPECT_TRUE(p.start->Weiter()->isEnabled());
  EXPECT_EQ(p.haupt->windowOpacity(), 0.0);
  EXPECT_FALSE(p.haupt->isVisible());
  EXPECT_TRUE(FormVorhanden(QStringLiteral("FAuswertung")));
  // The ticket editor exists from the start, hidden; the main window shows it.
  QWidget* editor = FensterFinden(QStringLiteral("FEingabe"));
  ASSERT_TRUE(editor);
  EXPECT_FALSE(editor->isVisible());
  Ausloesen(AktionsId::Eingabe);
  EXPECT_TRUE(editor->isVisible());
  editor->close();
  EXPECT_EQ(FensterFinden(QStringLiteral("FEingabe")), editor);                // closing only hides it
  EXPECT_FALSE(QFile::exists(Daten(QStringLiteral("Demo-Tippschein.vnds"))));  // only for a new folder

  QTest::mouseClick(p.start->Weiter(), Qt::LeftButton);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(p.start.isNull());  // destroyed after the fade
  EXPECT_TRUE(p.haupt->isVisible());
  EXPECT_EQ(p.haupt->windowOpacity(), 1.0);
}

TEST_F(Programmstart, FehlerBeimErzeugenWirdGemeldetUndDerStartGehtWeiter) {
  QDir().mkpath(Daten(QStringLiteral("GZ.535")));  // unreadable: a folder in the file's place
  p = ProgrammVorbereiten(QCoreApplication::applicationDirPath(), Basis());
  ASSERT_EQ(meldungen.meldungen.size(), 1u);
  EXPECT_EQ(meldungen.meldungen[0].first, MeldungsArt::Fehler);
  EXPECT_TRUE(meldungen.meldungen[0].second.contains(QStringLiteral("GZ.535")));
  ASSERT_TRUE(p.start);
  EXPECT_TRUE(p.start->InitializationDone());
  EXPECT_TRUE(p.haupt);
  EXPECT_EQ(Ziehungen().Anzahl(), 0);
}

TEST_F(Programmstart, NeuerDatenordnerBekommtDenBeispielschein) {
  p = ProgrammVorbereiten(QCoreApplication::applicationDirPath(), Basis());
  EXPECT_TRUE(QFileInfo(Daten(QString())).isDir());
  QFile demo(Daten(QStringLiteral("Demo-Tippschein.vnds")));
  ASSERT_TRUE(demo.open(QIODevice::ReadOnly));
  const QByteArray daten = demo.readAll();
  ASSERT_GT(daten.size(), 0);
  EXPECT_EQ(daten.size() % 10, 0);
  EXPECT_EQ(daten.mid(6, 4), QByteArray("\x01\x00\x01\x00", 4));  // shares 1 and 1
  demo.close();

  // Deleted by the player, it is not written again.
  QFile::remove(Daten(QStringLiteral("Demo-Tippschein.vnds")));
  delete p.start.data();
  delete p.haupt.data();
  delete FensterFinden(QStringLiteral("FEingabe"));
  p = ProgrammVorbereiten(QCoreApplication::applicationDirPath(), Basis());
  EXPECT_FALSE(QFile::exists(Daten(QStringLiteral("Demo-Tippschein.vnds"))));
}

TEST(Startbildschirm, InitializationDoneSchaltetWeiter) {
  TFStart start;
  EXPECT_FALSE(start.Weiter()->isEnabled());
  EXPECT_EQ(start.Weiter()->cursor().shape(), Qt::WaitCursor);
  start.SetInitializationDone(true);
  EXPECT_TRUE(start.Weiter()->isEnabled());
  EXPECT_EQ(start.Weiter()->cursor().shape(), Qt::PointingHandCursor);
}

TEST(Startbildschirm, UeberblendenHaeltDieEreignisschleifeNichtAn) {
  FensterDeckkraftSetzen(true);
  QWidget haupt;
  QPointer<TFStart> start = new TFStart(&haupt);
  start->SetInitializationDone(true);
  start->show();
  bool weitergelaufen = false;
  QTimer::singleShot(0, [&] { weitergelaufen = weitergelaufen || !start.isNull(); });
  start->close();  // comes back at once: the fade runs beside the event loop
  ASSERT_FALSE(start.isNull());
  EXPECT_TRUE(start->isVisible());
  EXPECT_TRUE(haupt.isVisible());
  auto* blende = start->findChild<QVariantAnimation*>(QStringLiteral("Blende"));
  ASSERT_TRUE(blende);
  // Each step: the main window a little more opaque, the start screen as much less.
  std::vector<double> stufen;
  QObject::connect(blende, &QVariantAnimation::valueChanged, &haupt, [&] {
    stufen.push_back(haupt.windowOpacity());
    EXPECT_NEAR(start->windowOpacity(), 1.0 - haupt.windowOpacity(), 1e-9);
  });
  QTRY_VERIFY_WITH_TIMEOUT(start.isNull(), 5000);
  EXPECT_TRUE(weitergelaufen);  // other work ran while the start screen was still there
  ASSERT_GE(stufen.size(), 2u);
  EXPECT_TRUE(std::is_sorted(stufen.begin(), stufen.end()));
  EXPECT_GT(stufen.front(), 0.0);
  EXPECT_EQ(haupt.windowOpacity(), 1.0);
  FensterDeckkraftSetzen(std::nullopt);
}
