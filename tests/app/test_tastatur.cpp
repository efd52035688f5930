// The program by keyboard alone: three everyday flows with keys only (no mouse, no direct calls),
// Return pressing each window's main button, and the access keys of every window: unique, and
// each presses its button.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTabBar>
#include <QTest>

#include "app/aktionen.h"
#include "app/navigation.h"
#include "core/datum.h"
#include "core/schein.h"
#include "core/ziehungen.h"
#include "entry/eingabe.h"
#include "evaluation/auswertung.h"
#include "evaluation/frScheineN.h"
#include "statistics/statistik.h"
#include "testumgebung.h"
#include "tips/zufall.h"
#include "ui/tabellenansicht.h"

namespace {
class Tastatur : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    ZiehungenSchreiben({{"01.03.2024", {1, 2, 3, 4, 5}}, {"08.03.2024", {2, 9, 17, 25, 31}}, {"15.03.2024", {3, 9, 17, 25, 33}}});
    ASSERT_TRUE(Ziehungen().NeuLaden().ok());
    haupt = new TFAuswertung;
    FensterRegistrieren(haupt, QStringLiteral("FAuswertung"));
    haupt->Erzeugen();
    Zeigen(haupt);
  }
  void TearDown() override {
    QList<QPointer<QWidget>> fenster;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (!w->parentWidget()) fenster << w;
    for (const QPointer<QWidget>& w : fenster) delete w.data();
    DatenOrdnerTest::TearDown();
  }
  static void Zeigen(QWidget* fenster) {
    fenster->show();
    QApplication::setActiveWindow(fenster);
    QCoreApplication::processEvents();
  }
  // A key to whatever has the focus, as the player's keyboard sends it.
  static void Taste(int taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QWidget* ziel = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    ASSERT_TRUE(ziel);
    QTest::keyClick(ziel, static_cast<Qt::Key>(taste), mod);
    QCoreApplication::processEvents();
  }
  static void Tippen(const QString& text) {
    QTest::keyClicks(QApplication::focusWidget(), text);
    QCoreApplication::processEvents();
  }
  // Tab until the focus is on the widget: it is reachable by Tab from where the focus was.
  static bool TabBis(const QWidget* ziel) {
    for (int i = 0; i < 80; ++i) {
      if (QApplication::focusWidget() == ziel) return true;
      Taste(Qt::Key_Tab);
    }
    return QApplication::focusWidget() == ziel;
  }
  TFAuswertung* haupt = nullptr;
};
}  // namespace

TEST_F(Tastatur, ScheinOeffnenZeitraumAuswertenUndKopieren) {
  // The window starts at the draw's selector, not at a logo.
  ASSERT_TRUE(QApplication::focusWidget());
  EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("Combo1"));

  ASSERT_TRUE(ScheinSchreiben(Reihen({{2, 9, 17, 25, 30}, {3, 9, 17, 25, 33}}), "1", "1", Pfad("Schein.vnds")).ok());
  dialoge.oeffnen.push_back({Pfad("Schein.vnds")});
  Taste(Qt::Key_O, Qt::ControlModifier);
  ASSERT_EQ(haupt->Panels().size(), 1);
  TFFrScheineN* panel = haupt->Panels().front();

  // Right after the tabs: the panel's draw, "zurück bis zum", the first draw, Return.
  auto* zurueck = panel->findChild<QCheckBox*>(QStringLiteral("cbBack"));
  ASSERT_TRUE(TabBis(zurueck));
  Taste(Qt::Key_Space);
  EXPECT_TRUE(zurueck->isChecked());
  Taste(Qt::Key_Tab);
  auto* bis = panel->findChild<QComboBox*>(QStringLiteral("combo2"));
  ASSERT_EQ(QApplication::focusWidget(), bis);
  Taste(Qt::Key_Home);
  EXPECT_EQ(bis->currentText(), QStringLiteral("01.03.2024"));
  Taste(Qt::Key_Return);

  // The result rows, oldest draw first, a row per hit class; all of them selected and copied.
  auto* ergebnis = panel->findChild<TabellenAnsicht*>(QStringLiteral("G3a"));
  ASSERT_TRUE(TabBis(ergebnis));
  Taste(Qt::Key_A, Qt::ControlModifier);
  Taste(Qt::Key_C, Qt::ControlModifier);
  const QStringList zeilen = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
  ASSERT_EQ(zeilen.size(), 5);
  EXPECT_TRUE(zeilen[0].startsWith(QStringLiteral("01.03.2024\t---")));
  EXPECT_EQ(zeilen[4], QStringLiteral("\t5\t2\t50.000,00\t50.000,00"));  // the second row has all five
}

TEST_F(Tastatur, NeueZiehungEingebenUndSpeichern) {
  auto* hinzu = haupt->findChild<QAbstractButton*>(QStringLiteral("BHinzu"));
  ASSERT_TRUE(TabBis(hinzu));
  Taste(Qt::Key_Space);
  EXPECT_EQ(haupt->Combo1()->currentText(), DatumAlsText(Ziehungen().NeuesDatum()));

  // The number field: one stop, arrows move, Space picks.
  QWidget* feld = haupt->findChild<QWidget*>(QStringLiteral("PZahlen"));
  ASSERT_TRUE(TabBis(feld));
  Taste(Qt::Key_Home);
  Taste(Qt::Key_Space);  // 1
  Taste(Qt::Key_Down);
  Taste(Qt::Key_Space);  // 8
  Taste(Qt::Key_Right);
  Taste(Qt::Key_Space);  // 9
  Taste(Qt::Key_Down);
  Taste(Qt::Key_Down);
  Taste(Qt::Key_Space);  // 23
  Taste(Qt::Key_End);
  Taste(Qt::Key_Space);  // 35
  // "S&peichern" by its access key.
  QTest::keyClick(haupt, Qt::Key_P, Qt::AltModifier);
  QTRY_COMPARE(Ziehungen().Anzahl(), 4);
  const TGewZahlen& neu = Ziehungen().Eintrag(3);
  EXPECT_EQ(std::vector<int>(neu.GZ, neu.GZ + 5), (std::vector<int>{1, 8, 9, 23, 35}));
  EXPECT_EQ(haupt->findChild<QAbstractButton*>(QStringLiteral("BHinzu"))->text(), QStringLiteral("Neue Ziehung"));
}

TEST_F(Tastatur, ReihenErzeugenUndAlsScheinSpeichern) {
  Taste(Qt::Key_G, Qt::ControlModifier);
  auto* zufall = qobject_cast<TFZufall*>(FensterFinden(QStringLiteral("FZufall")));
  ASSERT_TRUE(zufall);
  Zeigen(zufall);
  auto* anzahl = zufall->findChild<QLineEdit*>(QStringLiteral("EAnzahl"));
  ASSERT_TRUE(TabBis(anzahl));
  Tippen(QStringLiteral("7"));
  Taste(Qt::Key_Return);  // "Viel Glück!"
  EXPECT_EQ(zufall->Raster()->model()->rowCount(), 7);

  dialoge.speichern.push_back(Pfad("Glück.vnds"));
  Taste(Qt::Key_S, Qt::ControlModifier);
  Tabelle reihen;
  QString ges, meine;
  ASSERT_TRUE(ScheinLesen(reihen, ges, meine, Pfad("Glück.vnds")).ok());
  EXPECT_EQ(reihen.Zeilen(), 8);  // the header and seven rows
}

TEST_F(Tastatur, ReturnDruecktDenHauptknopfAusserInMehrzeiligenFeldern) {
  // The editor: Return in the text field begins a new line; elsewhere it transfers the rows.
  Taste(Qt::Key_N, Qt::ControlModifier);
  auto* editor = qobject_cast<TFEingabe*>(FensterFinden(QStringLiteral("FEingabe")));
  ASSERT_TRUE(editor);
  Zeigen(editor);
  QPlainTextEdit* text = editor->M1();
  text->setFocus();
  Tippen(QStringLiteral("1,2,3,4,5"));
  Taste(Qt::Key_Return);
  Tippen(QStringLiteral("6,7,8,9,10"));
  EXPECT_EQ(text->toPlainText(), QStringLiteral("1,2,3,4,5\n6,7,8,9,10"));
  auto* raster = editor->findChild<TabellenAnsicht*>(QStringLiteral("G1"));
  ASSERT_TRUE(raster);
  EXPECT_TRUE(raster->Daten()->Zelle(2, 5).isEmpty());
  ASSERT_TRUE(TabBis(raster));
  Taste(Qt::Key_Return);
  EXPECT_EQ(raster->Daten()->Zelle(2, 5).trimmed(), QStringLiteral("10"));

  // The statistics' search: two numbers picked by keys, Return searches.
  Taste(Qt::Key_T, Qt::ControlModifier);
  auto* statistik = qobject_cast<TFStatistik*>(FensterFinden(QStringLiteral("FStatistik")));
  ASSERT_TRUE(statistik);
  Zeigen(statistik);
  auto* reiter = statistik->findChild<QTabWidget*>(QStringLiteral("Reiter"));
  reiter->setCurrentIndex(3);
  QWidget* kombi = statistik->findChild<QWidget*>(QStringLiteral("PKombi"));
  ASSERT_TRUE(TabBis(kombi));
  Taste(Qt::Key_Home);
  Taste(Qt::Key_Right);
  Taste(Qt::Key_Right);
  Taste(Qt::Key_Space);  // 3
  Taste(Qt::Key_Down);
  Taste(Qt::Key_Down);
  Taste(Qt::Key_Space);  // 17
  Taste(Qt::Key_Return);
  EXPECT_EQ(statistik->findChild<QLabel*>(QStringLiteral("LTreffer"))->text(), QStringLiteral("1"));
}

TEST_F(Tastatur, ZugriffstastenSindEindeutigUndDrueckenIhrenKnopf) {
  for (const QString& id :
       {AktionsId::Eingabe, AktionsId::Zufall, AktionsId::Statistik, AktionsId::Update, AktionsId::NueberK, AktionsId::Kalender})
    Ausloesen(id);
  QList<QWidget*> fenster;
  for (const char* name : {"FEingabe", "FZufall", "FStatistik", "FUpdate", "FNueberK", "FKal"})
    fenster << FensterFinden(QString::fromLatin1(name));
  fenster << haupt;  // last: closing it ends the program
  for (QWidget* f : fenster) {
    ASSERT_TRUE(f);
    Zeigen(f);
    // Every access key of the window, with what carries it.
    QMap<QChar, QStringList> tasten;
    QList<QAbstractButton*> knoepfe;
    auto merken = [&](const QString& text, const QString& wer) {
      const QKeySequence k = QKeySequence::mnemonic(text);
      if (!k.isEmpty()) tasten[QChar(k[0].key()).toLower()] << wer;
    };
    for (QAbstractButton* b : f->findChildren<QAbstractButton*>())
      if (b->isVisibleTo(f) && !QKeySequence::mnemonic(b->text()).isEmpty()) {
        merken(b->text(), b->objectName());
        knoepfe << b;
      }
    for (QGroupBox* g : f->findChildren<QGroupBox*>())
      if (g->isVisibleTo(f)) merken(g->title(), g->objectName());
    for (QTabBar* t : f->findChildren<QTabBar*>())
      for (int i = 0; t->isVisibleTo(f) && i < t->count(); ++i) merken(t->tabText(i), t->tabText(i));
    for (QLabel* l : f->findChildren<QLabel*>())
      if (l->buddy() && l->isVisibleTo(f)) merken(l->text(), l->objectName());
    if (auto* mw = qobject_cast<QMainWindow*>(f); mw && mw->menuWidget())
      for (QAction* a : mw->menuBar()->actions()) merken(a->text(), a->text());
    for (auto it = tasten.cbegin(); it != tasten.cend(); ++it)
      EXPECT_EQ(it.value().size(), 1) << f->objectName().toStdString() << ": Alt+" << QString(it.key()).toStdString() << " for "
                                      << it.value().join(QStringLiteral(", ")).toStdString();
    // Each button's key presses it (the closing ones last: they end the window).
    std::stable_partition(knoepfe.begin(), knoepfe.end(), [](QAbstractButton* b) { return !b->text().contains(QStringLiteral("ließen")); });
    for (QAbstractButton* b : knoepfe) {
      if (!b->isEnabled()) continue;
      QSignalSpy gedrueckt(b, &QAbstractButton::clicked);
      const QKeySequence k = QKeySequence::mnemonic(b->text());
      Zeigen(f);
      QTest::keyClick(f, static_cast<Qt::Key>(k[0].key()), Qt::AltModifier);
      EXPECT_TRUE(gedrueckt.count() == 1 || gedrueckt.wait(1000)) << f->objectName().toStdString() << ": " << b->text().toStdString();
      if (!f->isVisible()) break;
    }
  }
}
