#include "Start.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVariantAnimation>

#include "core/programmwerte.h"
#include "tools/hilfe.h"
#include "ui/skin.h"

TFStart::TFStart(QWidget* hauptfenster) : QWidget(nullptr), hauptfenster_(hauptfenster) {
  setObjectName(QStringLiteral("FStart"));
  setWindowTitle(Werte().FensterTitel());
  setFixedSize(400, 300);
  setAttribute(Qt::WA_DeleteOnClose);
  HilfeThemaSetzen(this, Thema::Start);
  weiter_ = new QPushButton(QStringLiteral("Weiter"), this);
  weiter_->setObjectName(QStringLiteral("BWeiter"));
  weiter_->setGeometry(400 - 100 - 12, 300 - 32 - 12, 100, 32);
  connect(weiter_, &QPushButton::clicked, this, &TFStart::WeiterClick);
  SetInitializationDone(false);
}

void TFStart::SetInitializationDone(bool b) {
  initializationDone_ = b;
  weiter_->setEnabled(b);
  weiter_->setCursor(b ? Qt::PointingHandCursor : Qt::WaitCursor);
  // A disabled button shows no cursor of its own; the hourglass is shown over the whole screen then.
  setCursor(b ? Qt::ArrowCursor : Qt::WaitCursor);
}

void TFStart::paintEvent(QPaintEvent*) {
  QPainter p(this);
  static QSvgRenderer bild(QStringLiteral(":/start.svg"));
  bild.render(&p, QRectF(0, 0, 400, 300));
}

void TFStart::WeiterClick() {
  weiter_->hide();
  QCoreApplication::processEvents();
  weiter_->setEnabled(false);
  close();
}

void TFStart::closeEvent(QCloseEvent* ereignis) {
  // The screen stays until the fade is over; then it closes (and goes) for good. A plain switch is
  // over at once.
  Ueberblenden();
  if (ausgeblendet_)
    ereignis->accept();
  else
    ereignis->ignore();
}

void TFStart::Ueberblenden() {
  if (ueberblendet_) return;
  ueberblendet_ = true;
  // The main window waits hidden and transparent; it appears with the first step of the fade.
  // Where the desktop ignores window opacity (no compositor, Wayland) the fade is a plain switch.
  if (hauptfenster_ && !hauptfenster_->isVisible()) {
    hauptfenster_->setWindowOpacity(0.0);
    hauptfenster_->show();
  }
  if (!FensterDeckkraftMoeglich()) {
    if (hauptfenster_) hauptfenster_->setWindowOpacity(1.0);
    ausgeblendet_ = true;
    return;
  }
  // 255 steps, the main window one 255th more opaque and the start screen one less each, while
  // the event loop goes on: the main window can be used during the fade.
  auto* blende = new QVariantAnimation(this);
  blende->setObjectName(QStringLiteral("Blende"));
  blende->setStartValue(1);
  blende->setEndValue(255);
  blende->setDuration(Blendendauer);
  connect(blende, &QVariantAnimation::valueChanged, this, [this](const QVariant& wert) {
    const int v = wert.toInt();
    if (hauptfenster_) hauptfenster_->setWindowOpacity(v / 255.0);
    setWindowOpacity((255 - v) / 255.0);
  });
  connect(blende, &QVariantAnimation::finished, this, [this] {
    if (hauptfenster_) hauptfenster_->setWindowOpacity(1.0);
    ausgeblendet_ = true;
    close();
  });
  blende->start(QAbstractAnimation::DeleteWhenStopped);
}
