// The look of every window: Fusion style, one calm palette, one bundled icon set.
#pragma once

#include <QIcon>
#include <QString>

class QToolBar;
class QWidget;
class QAction;

void SkinAnwenden();

// Whether the windowing system can make a window partly transparent (no compositor, no fade).
bool FensterDeckkraftMoeglich();

// An icon of the bundled set by its name ("oeffnen", "speichern", ...).
QIcon Symbol(const QString& name);

// The tool bar of a window: 40 pixels high, buttons with pictures and no captions.
QToolBar* NeueWerkzeugleiste(QWidget* eltern);
// A picture button of a tool bar; objectName is the button's name.
QAction* WerkzeugKnopf(QToolBar* leiste, const QString& name, const QString& symbol, const QString& hinweis);

// The bottom tool bar of a window: a single captioned button at the right ("BSchliessen").
QAction* Fussleiste(QWidget* fenster, const QString& beschriftung);
// The look of checkable number buttons (the draw field, the search numbers): gold when picked.
QString ZahlenknopfStil();
// A label in bold type.
class QLabel;
QLabel* FettesLabel(const QString& text, QWidget* eltern);
