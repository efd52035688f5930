// Every tool-bar button and menu entry of every window reaches its action; F1 shows the topic of
// the focused window or control.
#include <gtest/gtest.h>
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <map>

#include "app/navigation.h"
#include "entry/eingabe.h"
#include "evaluation/auswertung.h"
#include "testumgebung.h"
#include "tools/hilfe.h"

namespace {
class HilfeRekorder : public HilfeDienst {
 public:
  void ThemaZeigen(int thema) override { aufrufe << QString::number(thema); }
  void InhaltZeigen() override { aufrufe << QStringLiteral("Inhalt"); }
  void SucheZeigen() override { aufrufe << QStringLiteral("Suche"); }
  QStringList aufrufe;
};

class Navigation : public DatenOrdnerTest {
 protected:
  void SetUp() override {
    DatenOrdnerTest::SetUp();
    alteHilfe_ = HilfeDienstSetzen(&hilfe);
    F1Einrichten();
    ZiehungenSchreiben({{"01.03.2024", {1, 2, 3, 4, 5}}});
    haupt = new TFAuswertung;
    FensterRegistrieren(haupt, "FAuswertung");
    haupt->Erzeugen();
    FensterRegistrieren(new TFEingabe, "FEingabe");
  }
  void TearDown() override {
    for (QWidget* w : QApplication::topLevelWidgets()) w->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    HilfeDienstSetzen(alteHilfe_);
    DatenOrdnerTest::TearDown();
  }
  // Closes every window but the main window and the editor, so the next action starts afresh.
  void Aufraeumen() {
    for (const char* name : {"FStatistik", "FZufall", "FUpdate", "FNueberK", "FKal", "FInfo"})
      if (QWidget* w = FensterFinden(name)) delete w;
    FensterFinden("FEingabe")->hide();
    hilfe.aufrufe.clear();
    plattform.rechner = 0;
    plattform.geoeffnet.clear();
    dialoge.gefragt.clear();
  }
  static bool Sichtbar(const char* name) {
    QWidget* w = FensterFinden(name);
    return w && w->isVisible();
  }
  QWidget* Oeffnen(const char* name) {
    if (!strcmp(name, "FAuswertung")) return haupt;
    static const std::map<std::string, QString> aktion{{"FEingabe", AktionsId::Eingabe},
                                                       {"FStatistik", AktionsId::Statistik},
                                                       {"FZufall", AktionsId::Zufall},
                                                       {"FNueberK", AktionsId::NueberK}};
    Ausloesen(aktion.at(name));
    return FensterFinden(name);
  }
  // A menu entry by its path ("&Extras/&Kalender"), as the window's menu bar shows it.
  static QAction* Menueeintrag(QWidget* fenster, const QString& pfad) {
    const QStringList teile = pfad.split(QLatin1Char('/'));
    auto* leiste = fenster->findChild<QMenuBar*>();
    if (!leiste) return nullptr;
    QList<QAction*> eintraege = leiste->actions();
    QAction* gefunden = nullptr;
    for (const QString& teil : teile) {
      gefunden = nullptr;
      for (QAction* a : eintraege)
        if (a->text() == teil) gefunden = a;
      if (!gefunden) return nullptr;
      if (gefunden->menu()) eintraege = gefunden->menu()->actions();
    }
    return gefunden;
  }

  HilfeRekorder hilfe;
  TFAuswertung* haupt = nullptr;

 private:
  HilfeDienst* alteHilfe_ = nullptr;
};
}  // namespace

TEST_F(Navigation, JederKnopfUndMenueeintragErreichtSeinZiel) {
  struct Zeile {
    const char* fenster;
    const char* aktion;
    std::function<bool()> ziel;
  };
  auto offen = [](const char* name) { return [name] { return Sichtbar(name); }; };
  auto thema = [this](const char* t) { return [this, t] { return hilfe.aufrufe == QStringList{t}; }; };
  auto rechner = [this] { return plattform.rechner == 1; };
  const Zeile tabelle[] = {
      // Main window: menus.
      {"FAuswertung", "&Datei/Tippschein(e) öffnen...",
       [this] { return !dialoge.gefragt.empty() && dialoge.gefragt.back().titel == "Tippschein-Datei einlesen"; }},
      {"FAuswertung", "&Datei/Neuen Tippschein eingeben...", offen("FEingabe")},
      {"FAuswertung", "&Extras/&n über k berechnen", offen("FNueberK")},
      {"FAuswertung", "&Extras/&Kalender", offen("FKal")},
      {"FAuswertung", "&Extras/Taschen&rechner", rechner},
      {"FAuswertung", "&Extras/&Update-Prüfung", offen("FUpdate")},
      {"FAuswertung", "&Hilfe/&Inhalt", thema("Inhalt")},
      {"FAuswertung", "&Hilfe/In Hilfe &suchen...", thema("Suche")},
      {"FAuswertung", "&Hilfe/&Update-Prüfung", offen("FUpdate")},
      {"FAuswertung", "&Hilfe/Programm-In&fo", offen("FInfo")},
      // Main window: tool bar.
      {"FAuswertung", "BEingabeN", offen("FEingabe")},
      {"FAuswertung", "BZufall", offen("FZufall")},
      {"FAuswertung", "BStatistik", offen("FStatistik")},
      {"FAuswertung", "BUpdate", offen("FUpdate")},
      {"FAuswertung", "BNoverK", offen("FNueberK")},
      {"FAuswertung", "BKal", offen("FKal")},
      {"FAuswertung", "BCalc", rechner},
      {"FAuswertung", "BHelp", thema("1020")},
      // Statistics window.
      {"FStatistik", "BEingabeN", offen("FEingabe")},
      {"FStatistik", "BUpdate", offen("FUpdate")},
      {"FStatistik", "BNoverK", offen("FNueberK")},
      {"FStatistik", "BKal", offen("FKal")},
      {"FStatistik", "BCalc", rechner},
      {"FStatistik", "BHelp", thema("1050")},
      {"FStatistik", "BClose", [] { return !FormVorhanden("FStatistik") || !Sichtbar("FStatistik"); }},
      {"FStatistik", "&Datei/&Beenden", [] { return !Sichtbar("FStatistik"); }},
      // Random tip window.
      {"FZufall", "BEingabeN", offen("FEingabe")},
      {"FZufall", "BStatistik", offen("FStatistik")},
      {"FZufall", "BUpdate", offen("FUpdate")},
      {"FZufall", "BNoverK", offen("FNueberK")},
      {"FZufall", "BKal", offen("FKal")},
      {"FZufall", "BCalc", rechner},
      {"FZufall", "BHelp", thema("1130")},
      {"FZufall", "BClose", [] { return !Sichtbar("FZufall"); }},
      {"FZufall", "BSchliessen", [] { return !Sichtbar("FZufall"); }},
      // Ticket editor.
      {"FEingabe", "BStatistik", offen("FStatistik")},
      {"FEingabe", "BUpdate", offen("FUpdate")},
      {"FEingabe", "BNoverK", offen("FNueberK")},
      {"FEingabe", "BKal", offen("FKal")},
      {"FEingabe", "BCalc", rechner},
      {"FEingabe", "BHelp", thema("1030")},
      {"FEingabe", "BClose", [] { return FormVorhanden("FEingabe") && !Sichtbar("FEingabe"); }},
      {"FEingabe", "BSchliessen", [] { return FormVorhanden("FEingabe") && !Sichtbar("FEingabe"); }},
      // n over k.
      {"FNueberK", "BHelp", thema("1110")},
      {"FNueberK", "BSchliessen", [] { return !Sichtbar("FNueberK"); }},
  };
  for (const auto& z : tabelle) {
    Aufraeumen();
    QWidget* fenster = Oeffnen(z.fenster);
    ASSERT_TRUE(fenster) << z.fenster;
    QAction* aktion = Menueeintrag(fenster, QString::fromUtf8(z.aktion));
    if (!aktion) aktion = fenster->findChild<QAction*>(QString::fromLatin1(z.aktion));  // the foot bar's button
    auto* knopf = fenster->findChild<QAbstractButton*>(QString::fromLatin1(z.aktion));
    ASSERT_TRUE(aktion || knopf) << z.fenster << " " << z.aktion;
    if (aktion)
      aktion->trigger();
    else
      knopf->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(z.ziel()) << z.fenster << " " << z.aktion;
  }
  // The main window's own close entries end the program's main window.
  for (const char* schliessen : {"&Datei/&Beenden", "BClose", "BSchliessen"}) {
    haupt->show();
    QAction* aktion = Menueeintrag(haupt, QString::fromUtf8(schliessen));
    if (aktion)
      aktion->trigger();
    else
      haupt->findChild<QAbstractButton*>(schliessen)->click();
    EXPECT_FALSE(haupt->isVisible()) << schliessen;
  }
}

TEST_F(Navigation, F1ZeigtDasThemaDesFensters) {
  struct Fall {
    const char* fenster;
    const char* feld;  // focused control, or none
    const char* thema;
  };
  const Fall faelle[] = {{"FAuswertung", nullptr, "1020"}, {"FEingabe", "M1", "1030"}, {"FStatistik", nullptr, "1050"},
                         {"FZufall", "EAnzahl", "1130"},   {"FNueberK", "EN", "1100"}, {"FNueberK", nullptr, "1110"}};
  for (const auto& f : faelle) {
    Aufraeumen();
    QWidget* fenster = Oeffnen(f.fenster);
    ASSERT_TRUE(fenster);
    QWidget* ziel = f.feld ? fenster->findChild<QWidget*>(f.feld) : fenster;
    ASSERT_TRUE(ziel) << f.feld;
    QTest::keyClick(ziel, Qt::Key_F1);
    EXPECT_EQ(hilfe.aufrufe, QStringList{f.thema}) << f.fenster;
  }
}
