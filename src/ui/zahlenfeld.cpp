#include "zahlenfeld.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPainter>

namespace {
// The frame around the button the keys are on; it lets every click through.
class Fokusrahmen : public QWidget {
 public:
  explicit Fokusrahmen(QWidget* eltern) : QWidget(eltern) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawRect(rect().adjusted(1, 1, -1, -1));
  }
};
}  // namespace

Zahlenfeld::Zahlenfeld(const Raster& raster, const std::function<QAbstractButton*(int, QWidget*)>& machen, QWidget* eltern)
    : QWidget(eltern) {
  setFocusPolicy(Qt::StrongFocus);
  Raster r = raster;
  for (int n = 1; n <= MaxZahl; ++n) {
    QAbstractButton* b = machen(n, this);
    b->setFocusPolicy(Qt::NoFocus);  // the field is the one stop in the tab order
    knoepfe_[static_cast<std::size_t>(n)] = b;
    if (n == MaxZahl) {
      // The widest caption with a little room on each side.
      const QFontMetrics fm(b->font());
      const int breite = fm.horizontalAdvance(QStringLiteral("88")) + 6, hoehe = fm.height() + 4;
      if (breite > r.breite) r.schrittX += breite - r.breite, r.breite = breite;
      if (hoehe > r.hoehe) r.schrittY += hoehe - r.hoehe, r.hoehe = hoehe;
    }
  }
  for (int n = 1; n <= MaxZahl; ++n) {
    const int i = (n - 1) / 7, j = (n - 1) % 7;
    QAbstractButton* b = knoepfe_[static_cast<std::size_t>(n)];
    b->setGeometry(r.links + j * r.schrittX, r.oben + i * r.schrittY, r.breite, r.hoehe);
    connect(b, &QAbstractButton::clicked, this, [this, n] {
      aktuell_ = n;
      RahmenZeigen();
      emit Geklickt(n);
    });
  }
  setFixedSize(r.links + 6 * r.schrittX + r.breite + 2, r.oben + 4 * r.schrittY + r.hoehe + r.oben);
  rahmen_ = new Fokusrahmen(this);
}

void Zahlenfeld::RahmenZeigen() {
  QAbstractButton* b = Knopf(aktuell_);
  if (!hasFocus() || !b) {
    rahmen_->hide();
    return;
  }
  rahmen_->setGeometry(b->geometry().adjusted(-2, -2, 2, 2));
  rahmen_->show();
  rahmen_->raise();
}

void Zahlenfeld::keyPressEvent(QKeyEvent* ereignis) {
  // Hidden buttons (numbers chosen in another group) are passed over.
  auto suchen = [this](int ab, int schritt) {
    for (int n = ab; n >= 1 && n <= MaxZahl; n += schritt)
      if (Knopf(n)->isVisible()) {
        aktuell_ = n;
        return;
      }
  };
  switch (ereignis->key()) {
    case Qt::Key_Left: suchen(aktuell_ - 1, -1); break;
    case Qt::Key_Right: suchen(aktuell_ + 1, 1); break;
    case Qt::Key_Up: suchen(aktuell_ - 7, -7); break;
    case Qt::Key_Down: suchen(aktuell_ + 7, 7); break;
    case Qt::Key_Home: suchen(1, 1); break;
    case Qt::Key_End: suchen(MaxZahl, -1); break;
    case Qt::Key_Space:
    case Qt::Key_Select:
      if (QAbstractButton* b = Knopf(aktuell_); b && b->isVisible() && b->isEnabled()) b->click();
      break;
    default: QWidget::keyPressEvent(ereignis); return;
  }
  RahmenZeigen();
}

void Zahlenfeld::focusInEvent(QFocusEvent* ereignis) {
  QWidget::focusInEvent(ereignis);
  if (!Knopf(aktuell_)->isVisible())
    for (int n = 1; n <= MaxZahl; ++n)
      if (Knopf(n)->isVisible()) {
        aktuell_ = n;
        break;
      }
  RahmenZeigen();
}

void Zahlenfeld::focusOutEvent(QFocusEvent* ereignis) {
  QWidget::focusOutEvent(ereignis);
  RahmenZeigen();
}
