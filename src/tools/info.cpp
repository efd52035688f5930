#include "info.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QUrl>
#include <QVBoxLayout>

#include "app/aktionen.h"
#include "app/navigation.h"
#include "core/programmwerte.h"
#include "platform/plattform.h"
#include "ui/hilfedienst.h"
#include "ui/skin.h"

namespace {
// A label that reports a click.
class KlickLabel : public QLabel {
 public:
  KlickLabel(const QString& text, QWidget* eltern, std::function<void()> klick) : QLabel(text, eltern), klick_(std::move(klick)) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint())) klick_();
  }

 private:
  std::function<void()> klick_;
};

}  // namespace

QString TFInfo::EMail() { return QStringLiteral("info@kelvaro.example"); }

void TFInfo::Registrieren() {
  FensterArtRegistrieren(QStringLiteral("FInfo"), [] { return new TFInfo; });
}

TFInfo::TFInfo() : QWidget(nullptr, Qt::Window) {
  setObjectName(QStringLiteral("FInfo"));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Werte().titel);
  HilfeThemaSetzen(this, Thema::Zufall);
  Aktionen::Lokal(AktionsId::Schliessen, this);  // Escape closes the window
  setFixedSize(400, 300);

  auto* v = new QVBoxLayout(this);
  v->setContentsMargins(20, 72, 20, 14);
  auto* version = FettesLabel(QStringLiteral("Version ") + Werte().version, this);
  version->setObjectName(QStringLiteral("LVersion"));
  version->setAlignment(Qt::AlignRight);
  v->addWidget(version);
  v->addSpacing(8);

  auto* kontakt = new QFrame(this);
  kontakt->setObjectName(QStringLiteral("PKontakt"));
  kontakt->setFrameShape(QFrame::StyledPanel);
  kontakt->setStyleSheet(QStringLiteral("#PKontakt { background: rgba(255, 255, 255, 170); }"));
  auto* kv = new QVBoxLayout(kontakt);
  kv->setSpacing(2);
  for (const QString& zeile : {QStringLiteral("Kelvaro Software"), QStringLiteral("Lindenallee 12"), QStringLiteral("54321 Sonnenfeld")})
    kv->addWidget(FettesLabel(zeile, kontakt));
  auto* mail = new KlickLabel(EMail(), kontakt, [this] { EMailClick(); });
  mail->setObjectName(QStringLiteral("LEMail"));
  QFont f = mail->font();
  f.setBold(true);
  f.setUnderline(true);
  mail->setFont(f);
  mail->setStyleSheet(QStringLiteral("color: blue;"));
  mail->setCursor(Qt::PointingHandCursor);
  mail->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);  // the hand only over the address
  kv->addWidget(mail);
  kv->addWidget(FettesLabel(QStringLiteral("Telefon 01234 567890"), kontakt));
  kv->addWidget(FettesLabel(QStringLiteral("Fax 01234 567891"), kontakt));
  v->addWidget(kontakt);
  v->addStretch(1);
  auto* schliessen = new QPushButton(QStringLiteral("Schließen"), this);
  schliessen->setObjectName(QStringLiteral("BSchliessen"));
  connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
  v->addWidget(schliessen, 0, Qt::AlignRight);
  AmHauptfensterZentrieren(this);
}

void TFInfo::EMailClick() { System().UrlOeffnen(QUrl(QStringLiteral("mailto:") + EMail() + QStringLiteral("?subject=") + Werte().titel)); }

void TFInfo::paintEvent(QPaintEvent*) {
  QPainter p(this);
  static QSvgRenderer bild(QStringLiteral(":/info.svg"));
  bild.render(&p, QRectF(rect()));
}
