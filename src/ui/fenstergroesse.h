// Windows and controls that grow from the font in use: the pixel sizes a window was made for are
// its least size; where the player's font or scale needs more room, it gets it, up to the screen's
// free area, and inside that it scrolls.
#pragma once

#include <QScrollArea>
#include <QSize>
#include <QStringList>

class QAbstractButton;
class QComboBox;
class QLineEdit;

// A frameless scroll area that asks for the whole size of its contents and never squeezes them
// below it: where the window is smaller, the contents scroll.
class Rollflaeche : public QScrollArea {
  Q_OBJECT
 public:
  explicit Rollflaeche(QWidget* inhalt, QWidget* eltern = nullptr);
  QSize sizeHint() const override;

 protected:
  // A change of the contents' layout changes this area's size hint too.
  bool eventFilter(QObject* objekt, QEvent* ereignis) override;
};

// Sizes a top-level window: as given, or as its contents need, whichever is more in each
// direction, but never larger than the free area of its screen (less the window frame).
void FensterGroesseSetzen(QWidget* fenster, QSize vorgabe);
// Grows a window (up to the screen) where its contents now need more room than it has, once the
// layouts of new contents are settled; it keeps its place on the screen as far as it can.
void FensterWachsen(QWidget* fenster);
// The free area of the screen a window is on, less the window frame.
QSize FreierPlatz(const QWidget* fenster);
// Moves a window so that it lies whole inside the free area of its screen.
void InDenBildschirm(QWidget* fenster);

// A button at least as wide as it needs for the widest of the captions it shows in turn, so that
// a change of caption moves nothing.
void KnopfBreiteFuer(QAbstractButton* knopf, const QStringList& texte);
// A selector sized for one sample text (a date), whatever its items are: adding or removing an
// item never changes its width.
void AuswahlBreiteFuer(QComboBox* auswahl, const QString& muster, int mindestens = 0);
class QLabel;
// A wrapping label that takes the room its row leaves and asks for none of its own (at least its
// widest word): the other controls set the width, the label wraps to fit.
void UmbruchImRest(QLabel* beschriftung);
// A field at least as wide as its font needs for the sample text.
void FeldBreiteFuer(QLineEdit* feld, const QString& muster);
