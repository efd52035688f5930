// Every window with realistic content (5,000 draws, an evaluated ticket, all ranking lists with
// two-digit quadruples, a search, all 324,632 random rows, n über k of 99 and 49) shows every text
// whole, at the desktop's default font and at 11 point; a second run of this test does the same at
// scale 1.25 (QT_SCALE_FACTOR). With KELVARO_BILDER naming a folder the windows are saved there
// as pictures.
#include <random>

#include <gtest/gtest.h>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

#include "app/Start.h"
#include "app/navigation.h"
#include "core/datum.h"
#include "core/programmwerte.h"
#include "core/schein.h"
#include "core/ziehungen.h"
#include "entry/eingabe.h"
#include "evaluation/auswertung.h"
#include "evaluation/frScheineN.h"
#include "lesbarkeit.h"
#include "statistics/frStatistik.h"
#include "statistics/statistik.h"
#include "testumgebung.h"
#include "tips/zufall.h"
#include "tools/Nueberk.h"
#include "tools/abbild.h"
#include "ui/tabellenansicht.h"

namespace {
class Lesbarkeit : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    vorher_ = QApplication::font();
    // 5,000 draws, one a week from 1927 on, each five different numbers.
    std::mt19937 zufall(5);
    std::vector<TGewZahlen> liste;
    double tag = QDateAlsDatum(QDate(1927, 1, 5));
    for (int i = 0; i < 5000; ++i, tag += 7) {
      TGewZahlen z;
      z.datum = tag;
      TZahlenMenge m;
      for (int k = 0; k < 5;) {
        const int n = 1 + static_cast<int>(zufall() % 35);
        if (!m.Enthaelt(n)) m.Einschliessen(n), z.GZ[k++] = static_cast<std::uint8_t>(n);
      }
      liste.push_back(z);
    }
    ASSERT_TRUE(TZiehungsListe::Schreiben(liste, Pfad("GZ.535")).ok());
  }
  void TearDown() override {
    QList<QPointer<QWidget>> fenster;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (!w->parentWidget()) fenster << w;
    for (const QPointer<QWidget>& w : fenster) delete w.data();
    QApplication::setFont(vorher_);
    DatenOrdnerTest::TearDown();
  }
  // Checks one window as it is shown (each page of its tab widgets in turn).
  void Pruefen(QWidget* fenster, const QString& name) {
    ASSERT_TRUE(fenster) << name.toStdString();
    fenster->show();
    QCoreApplication::processEvents();
    QList<QTabWidget*> reiter = fenster->findChildren<QTabWidget*>();
    auto einmal = [&](const QString& teil) {
      QCoreApplication::processEvents();
      const QStringList probleme = LesbarkeitPruefen(fenster);
      EXPECT_TRUE(probleme.isEmpty()) << teil.toStdString() << ":\n  " << probleme.join(QStringLiteral("\n  ")).toStdString();
      if (const QString ordner = qEnvironmentVariable("KELVARO_BILDER"); !ordner.isEmpty()) {
        if (punkt_ == 0) punkt_ = QApplication::font().pointSize();
        QDir().mkpath(ordner);
        const QString skala = qEnvironmentVariable("QT_SCALE_FACTOR");
        fenster->grab().save(
            QStringLiteral("%1/%2-%3%4.png").arg(ordner, teil).arg(punkt_).arg(skala.isEmpty() ? QString() : QLatin1Char('x') + skala));
      }
    };
    einmal(name);
    for (QTabWidget* t : reiter) {
      if (!t->isVisibleTo(fenster) || t->count() < 2) continue;
      const int vorher = t->currentIndex();
      for (int i = 0; i < t->count(); ++i)
        if (i != vorher) {
          t->setCurrentIndex(i);
          einmal(name + QLatin1Char('-') + t->tabText(i).remove(QLatin1Char('&')).replace(QLatin1Char(' '), QLatin1Char('_')));
        }
      t->setCurrentIndex(vorher);
    }
  }
  void Schrift(int punkt) {
    punkt_ = punkt;
    if (punkt > 0) {
      QFont f = vorher_;
      f.setPointSize(punkt);
      QApplication::setFont(f);
    }
  }
  void AlleFenster();
  QFont vorher_;
  int punkt_ = 0;
};
}  // namespace

void Lesbarkeit::AlleFenster() {
  // The main window with an evaluated ticket of twelve rows over every draw.
  Tabelle reihen = Reihen({{3, 11, 17, 24, 35},
                           {1, 2, 3, 4, 5},
                           {10, 19, 24, 33, 34},
                           {6, 7, 8, 9, 10},
                           {12, 13, 14, 15, 16},
                           {20, 21, 22, 23, 25},
                           {26, 27, 28, 29, 30},
                           {31, 32, 33, 34, 35},
                           {2, 4, 6, 8, 12},
                           {1, 3, 5, 7, 9},
                           {11, 13, 15, 17, 19},
                           {21, 23, 25, 27, 29}});
  ASSERT_TRUE(ScheinSchreiben(reihen, "3", "1", Pfad("Tippgemeinschaft März.vnds")).ok());
  auto* haupt = new TFAuswertung;
  FensterRegistrieren(haupt, QStringLiteral("FAuswertung"));
  haupt->Erzeugen();
  haupt->show();
  dialoge.oeffnen.push_back({Pfad("Tippgemeinschaft März.vnds")});
  haupt->findChild<QPushButton*>(QStringLiteral("BOpen"))->click();
  TFFrScheineN* panel = haupt->Panels().value(0);
  ASSERT_TRUE(panel);
  panel->CbBack()->setChecked(true);
  panel->Combo2()->setCurrentIndex(0);
  panel->BStartClick();
  Pruefen(haupt, QStringLiteral("FAuswertung"));
  // Adding mode and back: nothing is cut, nothing moves.
  auto orte = [haupt] {
    std::vector<QRect> r;
    for (const QWidget* w : haupt->findChildren<QWidget*>()) r.push_back(QRect(w->mapTo(haupt, QPoint(0, 0)), w->size()));
    return r;
  };
  const std::vector<QRect> vorher = orte();
  haupt->Ziehungsseite()->BHinzuClick();
  Pruefen(haupt, QStringLiteral("FAuswertung-Neu"));
  EXPECT_EQ(orte(), vorher);
  haupt->Ziehungsseite()->BHinzuClick();
  QCoreApplication::processEvents();
  EXPECT_EQ(orte(), vorher);

  // The statistics with all six ranking lists and a search.
  Ausloesen(AktionsId::Statistik);
  auto* statistik = qobject_cast<TFStatistik*>(FensterFinden(QStringLiteral("FStatistik")));
  ASSERT_TRUE(statistik);
  statistik->Frame()->KombiStarten(3);
  statistik->Frame()->KombiStarten(4);
  for (int n : {3, 17}) statistik->Frame()->BNrClick(n);
  statistik->Frame()->BSucheClick();
  Pruefen(statistik, QStringLiteral("FStatistik"));

  // The random tip window with all 324,632 rows.
  Ausloesen(AktionsId::Zufall);
  auto* zufall = qobject_cast<TFZufall*>(FensterFinden(QStringLiteral("FZufall")));
  ASSERT_TRUE(zufall);
  zufall->findChild<QLineEdit*>(QStringLiteral("EAnzahl"))->setText(QStringLiteral("324632"));
  zufall->BGlueckClick();
  zufall->Raster()->scrollToBottom();
  Pruefen(zufall, QStringLiteral("FZufall"));

  // n über k of 99 and 49.
  Ausloesen(AktionsId::NueberK);
  auto* nueberk = qobject_cast<TFNueberK*>(FensterFinden(QStringLiteral("FNueberK")));
  ASSERT_TRUE(nueberk);
  nueberk->N()->setText(QStringLiteral("99"));
  nueberk->K()->setText(QStringLiteral("49"));
  nueberk->BRechneClick();
  Pruefen(nueberk, QStringLiteral("FNueberK"));

  // The ticket editor with rows, the update window, the calendar, the about window, a snapshot.
  Ausloesen(AktionsId::Eingabe);
  auto* editor = qobject_cast<TFEingabe*>(FensterFinden(QStringLiteral("FEingabe")));
  ASSERT_TRUE(editor);
  editor->M1()->setPlainText(QStringLiteral("3,11,17,24,35\n1,2,3,4,5\n10,19,24,33,34"));
  editor->UebertragenClick();
  Pruefen(editor, QStringLiteral("FEingabe"));
  Ausloesen(AktionsId::Update);
  Pruefen(FensterFinden(QStringLiteral("FUpdate")), QStringLiteral("FUpdate"));
  Ausloesen(AktionsId::Kalender);
  Pruefen(FensterFinden(QStringLiteral("FKal")), QStringLiteral("FKal"));
  Ausloesen(AktionsId::Info);
  Pruefen(FensterFinden(QStringLiteral("FInfo")), QStringLiteral("FInfo"));
  panel->BFotoClick();
  TFAbbild* abbild = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* a = qobject_cast<TFAbbild*>(w)) abbild = a;
  Pruefen(abbild, QStringLiteral("FAbbild"));
  auto* start = new TFStart;
  start->SetInitializationDone(true);
  Pruefen(start, QStringLiteral("FStart"));
}

TEST_F(Lesbarkeit, JedesFensterZeigtJedenTextGanzInDerVorgabeschrift) { AlleFenster(); }

// 11 point, or the size KELVARO_PUNKT names (for pictures at other sizes).
TEST_F(Lesbarkeit, JedesFensterZeigtJedenTextGanzInGrosserSchrift) {
  const int punkt = qEnvironmentVariableIntValue("KELVARO_PUNKT");
  Schrift(punkt > 0 ? punkt : 11);
  AlleFenster();
}
