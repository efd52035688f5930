#include "abbild.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QSlider>
#include <QToolBar>
#include <QToolButton>

#include "app/navigation.h"
#include "core/einstellungen.h"
#include "core/programmwerte.h"
#include "core/schluessel.h"
#include "tools/jpeg.h"
#include "ui/abbilddienst.h"
#include "ui/dateidialoge.h"
#include "ui/fenstergroesse.h"
#include "ui/meldungen.h"
#include "ui/skin.h"

QString& AbbildOrdner() {
  static QString ordner;
  return ordner;
}

namespace {
QLabel* GrossesZeichen(const QString& text, QWidget* eltern) {
  auto* l = new QLabel(text, eltern);
  QFont f = l->font();
  f.setPointSize(16);
  f.setBold(true);
  l->setFont(f);
  return l;
}
}  // namespace

void TFAbbild::Registrieren() {
  AbbildDienstSetzen([](QWidget* panel, const QString& titel, int abschneiden) { PanelAbbild(panel, titel, abschneiden); });
}

TFAbbild::TFAbbild() : QMainWindow(nullptr) {
  setObjectName(QStringLiteral("FAbbild"));
  setWindowTitle(Werte().FensterTitel());

  QToolBar* oben = NeueWerkzeugleiste(this);
  addToolBar(Qt::TopToolBarArea, oben);
  connect(WerkzeugKnopf(oben, QStringLiteral("BClose"), QStringLiteral("schliessen"), QStringLiteral("Fenster schließen")),
          &QAction::triggered, this, &QWidget::close);
  auto* titel = new QLabel(QStringLiteral("  Screenshot"), oben);
  QFont fett = titel->font();
  fett.setBold(true);
  titel->setFont(fett);
  oben->addWidget(titel);
  addToolBarBreak();

  QToolBar* zweite = NeueWerkzeugleiste(this);
  zweite->setObjectName(QStringLiteral("Werkzeugleiste2"));
  zweite->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  addToolBar(Qt::TopToolBarArea, zweite);
  QAction* speichern = zweite->addAction(Symbol(QStringLiteral("speichern")), QStringLiteral("Abbild speichern..."));
  speichern->setObjectName(QStringLiteral("BSpeichern"));
  speichern->setIconText(speichern->text());  // the button keeps its dots
  zweite->widgetForAction(speichern)->setObjectName(QStringLiteral("BSpeichern"));
  connect(speichern, &QAction::triggered, this, &TFAbbild::BSpeichernClick);
  auto* gruppe = new QGroupBox(QStringLiteral("Bild-Qualität"), zweite);
  auto* gh = new QHBoxLayout(gruppe);
  gh->setContentsMargins(4, 0, 4, 0);
  gh->addWidget(GrossesZeichen(QStringLiteral("-"), gruppe));
  qualitaet_ = new QSlider(Qt::Horizontal, gruppe);
  qualitaet_->setObjectName(QStringLiteral("TBQualitaet"));
  qualitaet_->setRange(36, 100);
  qualitaet_->setSingleStep(1);
  qualitaet_->setValue(100);
  qualitaet_->setMinimumWidth(60);
  gh->addWidget(qualitaet_);
  gh->addWidget(GrossesZeichen(QStringLiteral("+"), gruppe));
  // The quality the picture is saved with, as a number.
  auto* wert = new QLabel(QString::number(qualitaet_->value()), gruppe);
  wert->setObjectName(QStringLiteral("LQualitaet"));
  wert->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  wert->setMinimumWidth(QFontMetrics(wert->font()).horizontalAdvance(QStringLiteral("100")) + 4);
  connect(qualitaet_, &QSlider::valueChanged, wert, [wert](int q) { wert->setText(QString::number(q)); });
  gh->addWidget(wert);
  zweite->addWidget(gruppe);
  auto* abstand = new QWidget(zweite);
  abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  zweite->addWidget(abstand);
  QAction* kopieren = zweite->addAction(Symbol(QStringLiteral("kopieren")), QString());
  kopieren->setObjectName(QStringLiteral("BKopieren"));
  kopieren->setToolTip(QStringLiteral("In Zwischenablage kopieren"));
  connect(kopieren, &QAction::triggered, this, &TFAbbild::BKopierenClick);

  auto* flaeche = new QScrollArea(this);
  anzeige_ = new QLabel(flaeche);
  anzeige_->setObjectName(QStringLiteral("Bild"));
  anzeige_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  flaeche->setWidget(anzeige_);
  flaeche->setWidgetResizable(true);
  flaeche->setFrameShape(QFrame::NoFrame);
  setCentralWidget(flaeche);

  // Position and snapshot folder from the settings; a default folder is created when none is set.
  QPoint position(Schluessel::AbbildLinks.vorgabe, Schluessel::AbbildOben.vorgabe);
  const Einstellungen e;
  if (e.Existiert()) {
    position = QPoint(Schluessel::AbbildLinks.Lesen(e), Schluessel::AbbildOben.Lesen(e));
    AbbildOrdner() = Schluessel::AbbildPfad.Lesen(e);
  }
  if (AbbildOrdner().isEmpty()) {
    AbbildOrdner() = Werte().DatenDatei(QStringLiteral("shots/"));
    QDir().mkpath(AbbildOrdner());
  }
  move(position);
}

void TFAbbild::showEvent(QShowEvent* ereignis) {
  QMainWindow::showEvent(ereignis);
  if (QGuiApplication::screens().size() == 1 && x() < 0) move(0, y());
}

void TFAbbild::SetzeBild(const QImage& bild) {
  bild_ = bild;
  anzeige_->setPixmap(QPixmap::fromImage(bild));
}

void TFAbbild::BSpeichernClick() {
  if (bild_.isNull() || bild_.width() == 0 || bild_.height() == 0) {
    Warnung(QStringLiteral("Kein Bild im Speicher"), this);
    return;
  }
  DateiDialog d;
  d.titel = QStringLiteral("Abbildung speichern");
  d.filter = QStringLiteral("Abbildungen|*.jpg");
  d.standardEndung = QStringLiteral("jpg");
  d.startOrdner = AbbildOrdner();
  d.vorschlag = windowTitle();
  const QString gewaehlt = DateiDialoge().Speichern(d, this);
  if (gewaehlt.isEmpty()) return;
  const QFileInfo info(gewaehlt);
  const QString pfad = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".jpg");
  const QImage rgb = bild_.convertToFormat(QImage::Format_RGB888);
  const Ergebnis e =
      JpegSchreiben(rgb.constBits(), rgb.width(), rgb.height(), static_cast<int>(rgb.bytesPerLine()), qualitaet_->value(), pfad);
  if (!ErgebnisMelden(e, this)) return;
  AbbildOrdner() = info.path() + QLatin1Char('/');
  ErgebnisMelden(Schluessel::AbbildPfad.Schreiben(Einstellungen(), AbbildOrdner()), this);
}

void TFAbbild::BKopierenClick() {
  if (!bild_.isNull()) QGuiApplication::clipboard()->setImage(bild_);
}

TFAbbild* PanelAbbild(QWidget* panel, const QString& titel, int abschneiden) {
  static int zaehler = 0;
  // The panel as it is drawn on the screen.
  QImage bild = panel->grab().toImage();
  const int breite = panel->width(), hoehe = std::max(0, panel->height() - abschneiden);
  if (bild.size() != panel->size()) bild = bild.scaled(panel->size());  // high-density screens: one pixel per point
  bild = bild.copy(0, 0, breite, hoehe).convertToFormat(QImage::Format_RGB32);
  {
    QPainter maler(&bild);
    maler.setFont(QFont());
    maler.setPen(Qt::black);
    maler.drawText(QRect(breite - 118, 63, 118, 40), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, QStringLiteral("© Kelvaro"));
  }
  auto* fenster = new TFAbbild;
  FensterRegistrieren(fenster, QStringLiteral("FAbbild%1").arg(++zaehler));
  fenster->setWindowTitle(titel);
  fenster->SetzeBild(bild);
  // Client area: the picture plus the two 40-pixel tool bars; wider where the tool bars' captions
  // need it, never beyond the screen (the picture then scrolls).
  FensterGroesseSetzen(fenster, QSize(breite, hoehe + 80));
  fenster->show();
  return fenster;
}
