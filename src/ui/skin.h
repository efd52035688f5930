// The look of every window: Fusion style, one calm palette, one bundled icon set.
#pragma once

#include <optional>

#include <QFont>
#include <QIcon>
#include <QSize>
#include <QString>

class QToolBar;
class QWidget;
class QAction;

void SkinAnwenden();

// Whether the windowing system can make a window partly transparent (no compositor, no fade).
bool FensterDeckkraftMoeglich();
// Tests decide it themselves (true or false); nullopt: the windowing system decides again.
void FensterDeckkraftSetzen(std::optional<bool> moeglich);

// An icon of the bundled set by its name ("oeffnen", "speichern", ...).
QIcon Symbol(const QString& name);

// The tool bar of a window: 40 pixels high (more where its contents need it), buttons with pictures
// and no captions.
QToolBar* NeueWerkzeugleiste(QWidget* eltern);
// A picture button of a tool bar; objectName is the button's name.
QAction* WerkzeugKnopf(QToolBar* leiste, const QString& name, const QString& symbol, const QString& hinweis);

// The bottom tool bar of a window: a single captioned button at the right ("BSchliessen").
QAction* Fussleiste(QWidget* fenster, const QString& beschriftung);
// The look of checkable number buttons (the draw field, the search numbers): gold when picked.
QString ZahlenknopfStil();
class QLabel;
class QPushButton;
class QToolButton;
// A label, in bold type when fett, wrapping its words when umbrechen.
QLabel* Beschriftung(const QString& text, QWidget* eltern, bool fett = false, bool umbrechen = false);
inline QLabel* FettesLabel(const QString& text, QWidget* eltern) { return Beschriftung(text, eltern, true); }
// A captioned button with a picture of the icon set; objectName is its name.
QPushButton* Knopf(const QString& name, const QString& symbol, const QString& text, QWidget* eltern);
// A small flat picture button with a tool tip.
QToolButton* Bildknopf(const QString& name, const QIcon& bild, const QString& hinweis, QWidget* eltern, QSize groesse = QSize());
class QLineEdit;
// A field that takes only the digits 0 to 9 (and backspace), at most laenge of them (0: no limit);
// at least breite pixels wide, wider where its font needs it for laenge (or 6) digits.
QLineEdit* ZiffernFeld(const QString& name, const QString& text, int laenge, int breite, QWidget* eltern);

// The font with this weight.
QFont Fett(QFont schrift, bool fett = true);
