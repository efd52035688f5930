#include "aktionen.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QKeySequence>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

#include "app/navigation.h"
#include "platform/plattform.h"
#include "tools/hilfe.h"
#include "ui/skin.h"

namespace {
struct Deklaration {
  const char* id;
  const char* knopf;    // objectName of its tool-bar button
  const char* eintrag;  // objectName of the action (menu entries)
  const char* symbol;
  const char* text;     // menu text with its access key
  const char* hinweis;  // tool tip
  QKeySequence taste;
};

// The one table of the program's actions.
const Deklaration* Finden(const QString& id) {
  static const Deklaration tabelle[] = {
      {"Navi.Eingabe", "BEingabeN", "NeuenTippscheineingeben1", "eingabe", "Neuen Tippschein eingeben...", "Neuen Tippschein eingeben",
       QKeySequence(QKeySequence::New)},
      {"Navi.Zufall", "BZufall", "Zufallstipps1", "zufall", "&Zufallstipps erzeugen...", "Zufallstipps erzeugen",
       QKeySequence(Qt::CTRL | Qt::Key_G)},
      {"Navi.Statistik", "BStatistik", "Statistik1", "statistik", "&Statistik der Gewinnzahlen...", "Statistik der Gewinnzahlen",
       QKeySequence(Qt::CTRL | Qt::Key_T)},
      {"Navi.Update", "BUpdate", "UpdatePruefung1", "update", "&Update-Prüfung", "Update-Prüfung und Download",
       QKeySequence(Qt::CTRL | Qt::Key_U)},
      {"Werkzeug.NueberK", "BNoverK", "nberkberechnen1", "nueberk", "&n über k berechnen", "n über k berechnen",
       QKeySequence(Qt::CTRL | Qt::Key_B)},
      {"Werkzeug.Kalender", "BKal", "Kalender1", "kalender", "&Kalender", "Kalender", QKeySequence(Qt::CTRL | Qt::Key_L)},
      {"Werkzeug.Rechner", "BCalc", "Taschenrechner1", "rechner", "Taschen&rechner", "Taschenrechner", QKeySequence(Qt::CTRL | Qt::Key_R)},
      // "&Inhalt" stands in the same menu: the about entry takes its other letter.
      {"Hilfe.Info", "BInfo", "ProgrammInfo1", "info", "Programm-In&fo", "Programm-Info", QKeySequence()},
      {"Hilfe.Inhalt", "BInhalt", "Inhalt1", "hilfe", "&Inhalt", "Inhalt der Hilfe", QKeySequence()},
      {"Hilfe.Suchen", "BSuchen", "InHilfesuchen1", "suchen", "In Hilfe &suchen...", "In der Hilfe suchen", QKeySequence()},
      {"Fenster.Schliessen", "BClose", "Schliessen1", "schliessen", "Schließen", "Fenster schließen", QKeySequence(Qt::Key_Escape)},
      {"Fenster.Beenden", "BBeenden", "Beenden1", "schliessen", "&Beenden", "Beenden", QKeySequence(QKeySequence::Quit)},
      {"Fenster.Hilfe", "BHelp", "HilfeThema1", "hilfe", "Hilfe", "Hilfe", QKeySequence()},
      {"Fenster.Speichern", "BSpeichern", "Speichern1", "speichern", "Als Tippschein speichern...", "Als Tippschein speichern",
       QKeySequence(QKeySequence::Save)},
      {"Haupt.ScheineOeffnen", "BOeffnen", "Tippscheineoeffnen1", "oeffnen", "Tippschein(e) öffnen...", "Tippschein-Dateien öffnen",
       QKeySequence(QKeySequence::Open)},
      {"Haupt.TabSchliessen", "BTabZu", "TabSchliessen1", "tab-schliessen", "Tab schließen", "Ausgewählten Tab mit Schein-Datei schließen.",
       QKeySequence(Qt::CTRL | Qt::Key_W)},
      {"Haupt.ZiehungenImportieren", "BImport", "ZiehungenImportieren1", "oeffnen", "Ziehungen &importieren...",
       "Ziehungen aus einer Datei oder der Zwischenablage übernehmen", QKeySequence(Qt::CTRL | Qt::Key_I)},
      {"Haupt.ZiehungenExportieren", "BExport", "ZiehungenExportieren1", "export", "Ziehungen e&xportieren...",
       "Alle Ziehungen als CSV-Datei oder Tabelle speichern", QKeySequence()},
      {"Haupt.ZiehungenEinfuegen", "BEinfuegen", "ZiehungenEinfuegen1", "oeffnen", "Ziehungen aus der &Zwischenablage...",
       "Kopierte Ziehungen (zum Beispiel von einer Web-Seite) übernehmen", QKeySequence()},
  };
  for (const Deklaration& d : tabelle)
    if (id == QLatin1String(d.id)) return &d;
  return nullptr;
}

QAction* Machen(const Deklaration& d, QObject* eltern) {
  auto* a = new QAction(Symbol(QString::fromLatin1(d.symbol)), QString::fromUtf8(d.text), eltern);
  a->setObjectName(QString::fromLatin1(d.eintrag));
  a->setProperty("knopf", QString::fromLatin1(d.knopf));
  a->setProperty("aktionsId", QString::fromLatin1(d.id));
  a->setShortcut(d.taste);
  // The tool tip names the shortcut, so the keyboard way is seen where the mouse goes.
  const QString hinweis = QString::fromUtf8(d.hinweis);
  a->setToolTip(d.taste.isEmpty() ? hinweis
                                  : hinweis + QStringLiteral(" (") + d.taste.toString(QKeySequence::NativeText) + QLatin1Char(')'));
  return a;
}

// What the one action of a target or tool does.
void Verbinden(QAction* a, const QString& id) {
  using namespace AktionsId;
  std::function<void()> tun;
  if (id == Eingabe) {
    tun = [] { FensterOeffnen(QStringLiteral("FEingabe")); };
  } else if (id == Statistik) {
    tun = [] {
      // The hourglass only while the window is being created.
      const bool neu = !FormVorhanden(QStringLiteral("FStatistik"));
      if (neu) QApplication::setOverrideCursor(Qt::WaitCursor);
      FensterOeffnen(QStringLiteral("FStatistik"));
      if (neu) QApplication::restoreOverrideCursor();
    };
  } else if (id == Zufall || id == Update || id == NueberK || id == Kalender || id == Info) {
    static const QHash<QString, QString> fenster{{Zufall, QStringLiteral("FZufall")},
                                                 {Update, QStringLiteral("FUpdate")},
                                                 {NueberK, QStringLiteral("FNueberK")},
                                                 {Kalender, QStringLiteral("FKal")},
                                                 {Info, QStringLiteral("FInfo")}};
    tun = [name = fenster.value(id)] { FensterOeffnen(name); };
  } else if (id == Rechner) {
    tun = [] { System().RechnerStarten(); };  // nothing is shown when there is none
  } else if (id == HilfeInhalt) {
    tun = [] { ::Hilfe().InhaltZeigen(); };
  } else if (id == HilfeSuchen) {
    tun = [] { ::Hilfe().SucheZeigen(); };
  }
  if (tun) QObject::connect(a, &QAction::triggered, a, tun);
}

void KnopfBenennen(QToolBar* leiste, QAction* a) {
  if (QWidget* knopf = leiste->widgetForAction(a)) knopf->setObjectName(a->property("knopf").toString());
}
}  // namespace

namespace Aktionen {
QAction* Aktion(const QString& id) {
  static QHash<QString, QAction*> aktionen;
  if (QAction* a = aktionen.value(id)) return a;
  const Deklaration* d = Finden(id);
  if (!d) return nullptr;
  QAction* a = Machen(*d, qApp);
  // A target reached from every window: its shortcut works in any window that shows it.
  a->setShortcutContext(Qt::WindowShortcut);
  Verbinden(a, id);
  aktionen.insert(id, a);
  QObject::connect(a, &QObject::destroyed, [id] { aktionen.remove(id); });
  return a;
}

QAction* Lokal(const QString& id, QWidget* fenster, const std::function<void()>& ausloesen) {
  const Deklaration* d = Finden(id);
  if (!d) return nullptr;
  QAction* a = Machen(*d, fenster);
  a->setShortcutContext(Qt::WindowShortcut);
  fenster->addAction(a);  // the shortcut works in the window also without a visible button
  if (ausloesen) {
    QObject::connect(a, &QAction::triggered, fenster, ausloesen);
  } else if (id == AktionsId::Hilfe) {
    QObject::connect(a, &QAction::triggered, fenster, [fenster] { ::Hilfe().ThemaZeigen(HilfeThemaVon(fenster)); });
  } else if (id == AktionsId::Schliessen || id == AktionsId::Beenden) {
    QObject::connect(a, &QAction::triggered, fenster, &QWidget::close);
  }
  return a;
}

QToolBar* FensterLeiste(QMainWindow* fenster, std::initializer_list<QString> ziele, const std::function<void()>& schliessen) {
  QToolBar* leiste = NeueWerkzeugleiste(fenster);
  fenster->addToolBar(Qt::TopToolBarArea, leiste);
  QAction* zu = Lokal(AktionsId::Schliessen, fenster, schliessen);
  leiste->addAction(zu);
  KnopfBenennen(leiste, zu);
  for (const QString& id : ziele) {
    QAction* a = Aktion(id);
    leiste->addAction(a);
    KnopfBenennen(leiste, a);
  }
  auto* abstand = new QWidget(leiste);
  abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  leiste->addWidget(abstand);
  QAction* hilfe = Lokal(AktionsId::Hilfe, fenster);
  leiste->addAction(hilfe);
  KnopfBenennen(leiste, hilfe);
  return leiste;
}
}  // namespace Aktionen
