// Calendar, about window and the help window with the built help file.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QCalendarWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTextCharFormat>

#include "app/navigation.h"
#include "core/datum.h"
#include "core/programmwerte.h"
#include "evaluation/auswertung.h"
#include "testumgebung.h"
#include "tools/hilfe.h"
#include "tools/info.h"
#include "tools/kal.h"

namespace {
class Werkzeuge : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    haupt = std::make_unique<TFAuswertung>();
  }
  void TearDown() override {
    for (const char* name : {"FKal", "FInfo"}) delete FensterFinden(name);
    haupt.reset();
    DatenOrdnerTest::TearDown();
  }
  std::unique_ptr<TFAuswertung> haupt;
};
}  // namespace

TEST_F(Werkzeuge, KalenderEinFensterMitHeute) {
  HeuteFestlegen([] { return QDate(2026, 3, 3); });
  Ausloesen(AktionsId::Kalender);
  auto* kal = qobject_cast<TFKal*>(FensterFinden("FKal"));
  ASSERT_TRUE(kal);
  QCalendarWidget* k = kal->Kalender();
  EXPECT_EQ(k->selectedDate(), QDate(2026, 3, 3));
  EXPECT_EQ(k->monthShown(), 3);
  EXPECT_EQ(k->firstDayOfWeek(), Qt::Sunday);
  EXPECT_EQ(k->verticalHeaderFormat(), QCalendarWidget::NoVerticalHeader);
  EXPECT_EQ(k->weekdayTextFormat(Qt::Wednesday).fontWeight(), QFont::Bold);
  kal->showMinimized();
  Ausloesen(AktionsId::Kalender);
  EXPECT_EQ(FensterFinden("FKal"), kal);  // one window
  EXPECT_FALSE(kal->windowState() & Qt::WindowMinimized);
  QTest::mouseClick(kal->findChild<QWidget*>("Fussleiste")->findChildren<QAbstractButton*>().last(), Qt::LeftButton);
  EXPECT_FALSE(kal->isVisible());  // "Schließen" hides
  Ausloesen(AktionsId::Kalender);
  EXPECT_EQ(FensterFinden("FKal"), kal);
}

TEST_F(Werkzeuge, InfoFensterUndMail) {
  Ausloesen(AktionsId::Info);
  QPointer<TFInfo> info = qobject_cast<TFInfo*>(FensterFinden("FInfo"));
  ASSERT_TRUE(info);
  EXPECT_EQ(info->windowTitle(), QStringLiteral("Kelvaro"));
  EXPECT_EQ(info->findChild<QLabel*>("LVersion")->text(), QStringLiteral("Version 1.2.2.1"));
  QLabel* mail = info->findChild<QLabel*>("LEMail");
  EXPECT_TRUE(mail->font().underline());
  EXPECT_EQ(mail->cursor().shape(), Qt::PointingHandCursor);
  QTest::mouseClick(mail, Qt::LeftButton);
  EXPECT_EQ(plattform.geoeffnet, QStringList{"mailto:info@kelvaro.example?subject=Kelvaro"});
  info->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(info.isNull());  // closing destroys
}

TEST_F(Werkzeuge, HilfeThemaInhaltUndSuche) {
  Werte().hilfeDatei = QStringLiteral(HILFEDATEI);
  HilfeFenster hilfe;
  // The window indexes the help file as soon as the event loop runs.
  QSignalSpy indiziert(hilfe.Engine()->searchEngine(), &QHelpSearchEngine::indexingFinished);
  hilfe.Thema(1020);
  EXPECT_EQ(hilfe.Seite(), QUrl("qthelp://de.kelvaro.hilfe/doc/t1020.html"));
  EXPECT_TRUE(hilfe.Engine()->fileData(hilfe.Seite()).contains("Das Hauptfenster"));
  for (int thema : {1010, 1020, 1030, 1050, 1060, 1080, 1090, 1100, 1110, 1120, 1130})
    EXPECT_FALSE(hilfe.Engine()->fileData(QUrl(QStringLiteral("qthelp://de.kelvaro.hilfe/doc/t%1.html").arg(thema))).isEmpty()) << thema;
  // The contents tree follows the page: the topic's entry is selected once the tree is built.
  QTRY_COMPARE_WITH_TIMEOUT(hilfe.InhaltEintrag(), QStringLiteral("Das Hauptfenster"), 20000);
  hilfe.Thema(1130);
  EXPECT_EQ(hilfe.InhaltEintrag(), QStringLiteral("Der Zufallsgenerator"));
  QHelpSearchEngine* sucher = hilfe.Engine()->searchEngine();
  sucher->queryWidget()->setSearchInput(QStringLiteral("alte Suche"));
  hilfe.Suche();
  EXPECT_EQ(hilfe.Reiter(), 1);
  EXPECT_TRUE(sucher->queryWidget()->searchInput().isEmpty());  // a new search starts empty
  ASSERT_TRUE(indiziert.count() > 0 || indiziert.wait(20000));
  QSignalSpy gesucht(sucher, &QHelpSearchEngine::searchingFinished);
  sucher->queryWidget()->setSearchInput(QStringLiteral("Quotenkiller"));  // as the player types it
  emit sucher->queryWidget()->search();
  ASSERT_TRUE(gesucht.wait(20000));
  ASSERT_GT(sucher->searchResultCount(), 0);
  bool zufall = false;
  for (const auto& r : sucher->searchResults(0, sucher->searchResultCount())) zufall = zufall || r.url().toString().endsWith("t1130.html");
  EXPECT_TRUE(zufall);
}
