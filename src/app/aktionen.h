// The program's actions. Every navigation target and tool is one QAction, created once with its
// icon, German text, tool tip, shortcut and help topic; every window's tool bar and menus take them
// by id. What belongs to one window (closing it, its help, saving in it) is declared here as well
// and made per window from the same declaration.
#pragma once

#include <functional>
#include <initializer_list>

#include <QString>

class QAction;
class QMainWindow;
class QToolBar;
class QWidget;

namespace AktionsId {
// Targets and tools, one action each for the whole program.
inline const QString Eingabe = QStringLiteral("Navi.Eingabe");
inline const QString Zufall = QStringLiteral("Navi.Zufall");
inline const QString Statistik = QStringLiteral("Navi.Statistik");
inline const QString Update = QStringLiteral("Navi.Update");
inline const QString NueberK = QStringLiteral("Werkzeug.NueberK");
inline const QString Kalender = QStringLiteral("Werkzeug.Kalender");
inline const QString Rechner = QStringLiteral("Werkzeug.Rechner");
inline const QString Info = QStringLiteral("Hilfe.Info");
inline const QString HilfeInhalt = QStringLiteral("Hilfe.Inhalt");
inline const QString HilfeSuchen = QStringLiteral("Hilfe.Suchen");
// Made per window.
inline const QString Schliessen = QStringLiteral("Fenster.Schliessen");        // the close button of a tool bar
inline const QString Beenden = QStringLiteral("Fenster.Beenden");              // the menu entry "&Beenden"
inline const QString Hilfe = QStringLiteral("Fenster.Hilfe");                  // the window's help topic
inline const QString Speichern = QStringLiteral("Fenster.Speichern");          // save the window's rows as a ticket
inline const QString ScheineOeffnen = QStringLiteral("Haupt.ScheineOeffnen");  // open ticket files
inline const QString TabSchliessen = QStringLiteral("Haupt.TabSchliessen");    // close the active ticket tab
inline const QString ZiehungenImportieren = QStringLiteral("Haupt.ZiehungenImportieren");
inline const QString ZiehungenExportieren = QStringLiteral("Haupt.ZiehungenExportieren");
inline const QString ZiehungenEinfuegen = QStringLiteral("Haupt.ZiehungenEinfuegen");
}  // namespace AktionsId

namespace Aktionen {
// The one action of a target or tool (created on first use).
QAction* Aktion(const QString& id);

// An action of one window, made from the declaration of its id: the window is its parent and the
// scope of its shortcut, `ausloesen` what it does there. The help action shows the window's topic
// by itself; without `ausloesen`, Schliessen and Beenden close the window.
QAction* Lokal(const QString& id, QWidget* fenster, const std::function<void()>& ausloesen = {});

// The tool bar of a window (40 pixels high, pictures without captions): its close button, the
// targets of these ids in this order, and the help button at the right end. Buttons are named as
// the windows name them ("BClose", "BStatistik", ..., "BHelp").
QToolBar* FensterLeiste(QMainWindow* fenster, std::initializer_list<QString> ziele, const std::function<void()>& schliessen = {});
}  // namespace Aktionen
