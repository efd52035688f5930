#include "fenstergroesse.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

Rollflaeche::Rollflaeche(QWidget* inhalt, QWidget* eltern) : QScrollArea(eltern) {
  setFrameShape(QFrame::NoFrame);
  setWidgetResizable(true);
  setFocusPolicy(Qt::NoFocus);  // Tab goes to the controls inside, never to the area itself
  // Not shrinkable below its size hint: the scroll area then scrolls instead of squeezing.
  inhalt->setSizePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
  inhalt->setAutoFillBackground(false);
  setWidget(inhalt);
  viewport()->setAutoFillBackground(false);
  inhalt->installEventFilter(this);
}

bool Rollflaeche::eventFilter(QObject* objekt, QEvent* ereignis) {
  if (objekt == widget() && ereignis->type() == QEvent::LayoutRequest) updateGeometry();
  return QScrollArea::eventFilter(objekt, ereignis);
}

QSize Rollflaeche::sizeHint() const {
  const int rahmen = 2 * frameWidth();
  const QSize inhalt = widget() ? widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) : QSize();
  return inhalt + QSize(rahmen, rahmen);
}

QSize FreierPlatz(const QWidget* fenster) {
  const QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
  if (!schirm) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
  // The frame's size is known once the window is shown; before, the title bar as the style draws it.
  QSize rahmen = fenster->frameGeometry().size() - fenster->geometry().size();
  if (rahmen.isEmpty()) {
    const int titel = fenster->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, fenster);
    rahmen = QSize(8, titel + 8);
  }
  return schirm->availableGeometry().size() - rahmen;
}

void FensterGroesseSetzen(QWidget* fenster, QSize vorgabe) {
  QLayout* layout = fenster->layout();
  if (layout) layout->activate();
  QSize noetig = vorgabe.expandedTo(fenster->sizeHint()).expandedTo(fenster->minimumSize());
  // Wrapped texts: as high as they need at the width the window gets.
  const QSize frei = FreierPlatz(fenster);
  if (layout && layout->hasHeightForWidth())
    noetig.setHeight(std::max(noetig.height(), layout->totalHeightForWidth(std::min(noetig.width(), frei.width()))));
  fenster->resize(noetig.boundedTo(frei));
}

void FensterWachsen(QWidget* fenster) {
  // A layout request goes up one level of widgets at a time; a few rounds reach the window.
  for (int runde = 0; runde < 12; ++runde) QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
  const QSize noetig = fenster->size().expandedTo(fenster->sizeHint()).boundedTo(FreierPlatz(fenster));
  if (noetig == fenster->size()) return;
  fenster->resize(noetig);
  InDenBildschirm(fenster);
}

void InDenBildschirm(QWidget* fenster) {
  const QScreen* schirm = fenster->screen() ? fenster->screen() : QGuiApplication::primaryScreen();
  if (!schirm) return;
  const QRect frei = schirm->availableGeometry();
  QPoint ecke = fenster->pos();
  ecke.setX(std::max(frei.left(), std::min(ecke.x(), frei.right() + 1 - fenster->frameGeometry().width())));
  ecke.setY(std::max(frei.top(), std::min(ecke.y(), frei.bottom() + 1 - fenster->frameGeometry().height())));
  fenster->move(ecke);
}

void KnopfBreiteFuer(QAbstractButton* knopf, const QStringList& texte) {
  const QString jetzt = knopf->text();
  int breite = 0;
  for (const QString& text : texte) {
    knopf->setText(text);
    breite = std::max(breite, knopf->sizeHint().width());
  }
  knopf->setText(jetzt);
  knopf->setMinimumWidth(breite);
}

void AuswahlBreiteFuer(QComboBox* auswahl, const QString& muster, int mindestens) {
  auswahl->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  auswahl->setMinimumContentsLength(1);
  QStyleOptionComboBox option;
  option.initFrom(auswahl);
  option.editable = auswahl->isEditable();
  option.currentText = muster;
  const QFontMetrics fm(auswahl->font());
  const QSize text(fm.horizontalAdvance(muster) + 4, fm.height());
  auswahl->setMinimumWidth(std::max(mindestens, auswahl->style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, auswahl).width()));
}

void UmbruchImRest(QLabel* beschriftung) {
  beschriftung->setWordWrap(true);
  QSizePolicy regel(QSizePolicy::Ignored, QSizePolicy::Preferred);
  regel.setHeightForWidth(true);
  beschriftung->setSizePolicy(regel);
  const QFontMetrics fm(beschriftung->font());
  int breite = 0;
  for (const QString& wort : beschriftung->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
    breite = std::max(breite, fm.horizontalAdvance(wort));
  beschriftung->setMinimumWidth(breite + 2 * beschriftung->margin() + 2);
}

void FeldBreiteFuer(QLineEdit* feld, const QString& muster) {
  QStyleOptionFrame option;
  option.initFrom(feld);
  option.lineWidth = feld->hasFrame() ? feld->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, feld) : 0;
  const QFontMetrics fm(feld->font());
  const QMargins rand = feld->textMargins();
  // The field's own margins (2 pixels each side inside the frame, as QLineEdit draws its text)
  // and room for the cursor.
  const QSize text(fm.horizontalAdvance(muster) + 6 + rand.left() + rand.right(), fm.height());
  feld->setMinimumWidth(std::max(feld->minimumWidth(), feld->style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, feld).width()));
}
