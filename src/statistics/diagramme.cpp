#include "diagramme.h"

#include <algorithm>
#include <cmath>

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSet>
#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStackedBarSeries>
#include <QSvgGenerator>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <QValueAxis>

#include "core/programmwerte.h"
#include "core/ziehungen.h"
#include "ui/dateidialoge.h"
#include "ui/fenstergroesse.h"
#include "ui/hilfedienst.h"
#include "ui/meldungen.h"

namespace {
const QColor ImBand(70, 130, 180);     // steel blue
const QColor Ausserhalb(220, 80, 40);  // a count outside the band, an absence beyond the 99 % point
const QColor Erwartung(40, 40, 40);    // the expectation line
const QColor BandFarbe(120, 200, 120, 70);

// The numbers 1..35 with an empty category at each end: the axis leaves out the labels of its
// outermost categories.
constexpr int Kategorienzahl = MaxZahl + 2;
QStringList Kategorien() {
  QStringList k{QStringLiteral(" ")};
  for (int n = 1; n <= MaxZahl; ++n) k << QString::number(n);
  k << QStringLiteral("  ");
  return k;
}

QString Zahl(double wert, int stellen = 1) { return QLocale().toString(wert, 'f', stellen); }

// A horizontal line over the 35 categories, on a value axis of its own from -0.5 to 34.5.
QLineSeries* Waagerechte(QChart* chart, QValueAxis* x, QValueAxis* y, double hoehe, const QString& name, const QColor& farbe,
                         Qt::PenStyle stil = Qt::SolidLine) {
  auto* linie = new QLineSeries;
  linie->setName(name);
  linie->append(-0.5, hoehe);
  linie->append(Kategorienzahl - 0.5, hoehe);
  linie->setPen(QPen(farbe, 2, stil));
  chart->addSeries(linie);
  linie->attachAxis(x);
  linie->attachAxis(y);
  return linie;
}

// A chart of 35 bars, split in two sets so that bars of the second kind get their own colour.
struct Balken {
  QChart* chart;
  QBarSet* normal;
  QBarSet* auffaellig;
  QValueAxis* x;  // hidden, for the lines
  QValueAxis* y;
};
Balken BalkenChart(QChartView* ansicht, const QString& titel, const QString& normal, const QString& auffaellig, const QString& yTitel) {
  auto* chart = new QChart;
  chart->setTitle(titel);
  chart->setAnimationOptions(QChart::NoAnimation);
  auto* reihe = new QStackedBarSeries;
  auto* a = new QBarSet(normal);
  auto* b = new QBarSet(auffaellig);
  a->setColor(ImBand);
  b->setColor(Ausserhalb);
  reihe->append(a);
  reihe->append(b);
  reihe->setBarWidth(0.8);
  chart->addSeries(reihe);
  auto* kategorien = new QBarCategoryAxis;
  kategorien->append(Kategorien());
  kategorien->setTitleText(QStringLiteral("Zahl"));
  kategorien->setLabelsAngle(-90);  // 35 numbers side by side, in a smaller type
  QFont klein = ansicht->font();
  klein.setPointSizeF(klein.pointSizeF() * 0.8);
  kategorien->setLabelsFont(klein);
  kategorien->setTruncateLabels(false);
  chart->addAxis(kategorien, Qt::AlignBottom);
  reihe->attachAxis(kategorien);
  auto* y = new QValueAxis;
  y->setTitleText(yTitel);
  y->setLabelFormat(QStringLiteral("%d"));
  chart->addAxis(y, Qt::AlignLeft);
  reihe->attachAxis(y);
  auto* x = new QValueAxis;
  x->setRange(-0.5, Kategorienzahl - 0.5);
  x->setVisible(false);
  chart->addAxis(x, Qt::AlignBottom);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setShowToolTips(true);  // a shortened entry shows itself whole
  QChart* alt = ansicht->chart();
  ansicht->setChart(chart);
  delete alt;
  return {chart, a, b, x, y};
}
}  // namespace

// ---- heat map ------------------------------------------------------------------------------------

PaarKarte::PaarKarte(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("Paarkarte"));
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  setMouseTracking(true);
}

void PaarKarte::Setzen(std::vector<std::array<int, MaxZahl>> paare, double erwartet) {
  paare_ = std::move(paare);
  erwartet_ = erwartet;
  update();
}

QSize PaarKarte::sizeHint() const {
  const QFontMetrics fm(font());
  const int zelle = std::max(14, fm.height());
  return {fm.horizontalAdvance(QStringLiteral("35")) + 8 + MaxZahl * zelle + 120, fm.height() * 3 + MaxZahl * zelle};
}

QSize PaarKarte::minimumSizeHint() const {
  const QFontMetrics fm(font());
  return {fm.horizontalAdvance(QStringLiteral("35")) + 8 + MaxZahl * 8 + 120, fm.height() * 3 + MaxZahl * 8};
}

QRect PaarKarte::Feld() const {
  const QFontMetrics fm(font());
  const int links = fm.horizontalAdvance(QStringLiteral("35")) + 8, oben = fm.height() * 2;
  const int seite = std::max(MaxZahl, std::min(width() - links - 120, height() - oben - fm.height()));
  const int zelle = seite / MaxZahl;
  return {links, oben, zelle * MaxZahl, zelle * MaxZahl};
}

namespace {
// The colour of a count relative to its expectation: blue (none) .. white (as expected) .. red
// (twice or more).
QColor Waerme(double verhaeltnis) {
  const double t = std::clamp(verhaeltnis - 1.0, -1.0, 1.0);
  if (t < 0) return QColor::fromRgbF(static_cast<float>(1 + t), static_cast<float>(1 + t * 0.5), 1.0f);
  return QColor::fromRgbF(1.0f, static_cast<float>(1 - t), static_cast<float>(1 - t));
}
}  // namespace

void PaarKarte::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QFontMetrics fm(font());
  p.drawText(QRect(0, 0, width(), fm.height() + 4), Qt::AlignHCenter | Qt::AlignVCenter,
             QStringLiteral("Paare: Anzahl im Verhältnis zur Erwartung (%1 je Paar)").arg(Zahl(erwartet_, 2)));
  if (paare_.size() != MaxZahl) return;
  const QRect f = Feld();
  const int zelle = f.width() / MaxZahl;
  for (int a = 0; a < MaxZahl; ++a) {
    for (int b = 0; b < MaxZahl; ++b) {
      const QRect r(f.left() + b * zelle, f.top() + a * zelle, zelle, zelle);
      if (a == b) {
        p.fillRect(r, palette().color(QPalette::Mid));
        continue;
      }
      const int anzahl = paare_[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)];
      p.fillRect(r, Waerme(erwartet_ > 0 ? anzahl / erwartet_ : 1.0));
    }
    if (a % 5 == 4 || a == 0) {
      p.drawText(QRect(0, f.top() + a * zelle, f.left() - 4, zelle), Qt::AlignRight | Qt::AlignVCenter, QString::number(a + 1));
      p.drawText(QRect(f.left() + a * zelle - zelle, f.top() - fm.height(), 3 * zelle, fm.height()), Qt::AlignCenter,
                 QString::number(a + 1));
    }
  }
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(f.adjusted(0, 0, -1, -1));
  // The colour scale.
  const QRect skala(f.right() + 24, f.top(), 16, f.height());
  for (int y = 0; y < skala.height(); ++y) {
    const double verhaeltnis = 2.0 - 2.0 * y / std::max(1, skala.height() - 1);
    p.setPen(Waerme(verhaeltnis));
    p.drawLine(skala.left(), skala.top() + y, skala.right(), skala.top() + y);
  }
  p.setPen(palette().color(QPalette::Text));
  p.drawRect(skala.adjusted(0, 0, -1, -1));
  const QString texte[] = {QStringLiteral("2× Erwartung"), QStringLiteral("Erwartung"), QStringLiteral("keine")};
  for (int i = 0; i < 3; ++i) p.drawText(QPoint(skala.right() + 6, skala.top() + i * (skala.height() - 1) / 2 + fm.ascent() / 2), texte[i]);
}

bool PaarKarte::event(QEvent* ereignis) {
  if (ereignis->type() == QEvent::ToolTip && paare_.size() == MaxZahl) {
    auto* hilfe = static_cast<QHelpEvent*>(ereignis);
    const QRect f = Feld();
    const int zelle = f.width() / MaxZahl;
    if (f.contains(hilfe->pos()) && zelle > 0) {
      const int b = (hilfe->pos().x() - f.left()) / zelle, a = (hilfe->pos().y() - f.top()) / zelle;
      if (a != b && a < MaxZahl && b < MaxZahl) {
        QToolTip::showText(hilfe->globalPos(), QStringLiteral("Paar %1 und %2: %3-mal (erwartet %4)")
                                                   .arg(std::min(a, b) + 1)
                                                   .arg(std::max(a, b) + 1)
                                                   .arg(paare_[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)])
                                                   .arg(Zahl(erwartet_, 2)));
        return true;
      }
    }
    QToolTip::hideText();
    ereignis->ignore();
    return true;
  }
  return QWidget::event(ereignis);
}

// ---- the page ------------------------------------------------------------------------------------

TFDiagramme::TFDiagramme(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("Diagramme"));
  HilfeThemaSetzen(this, Thema::Diagramme);
  auto* v = new QVBoxLayout(this);
  wahl_ = new QTabWidget;
  wahl_->setObjectName(QStringLiteral("Diagrammwahl"));
  haeufigkeiten_ = new QChartView;
  haeufigkeiten_->setObjectName(QStringLiteral("CHaeufigkeiten"));
  haeufigkeiten_->setRenderHint(QPainter::Antialiasing);
  ausbleiben_ = new QChartView;
  ausbleiben_->setObjectName(QStringLiteral("CAusbleiben"));
  ausbleiben_->setRenderHint(QPainter::Antialiasing);
  karte_ = new PaarKarte;
  wahl_->addTab(haeufigkeiten_, QStringLiteral("&Häufigkeiten"));
  wahl_->addTab(ausbleiben_, QStringLiteral("&Ausbleiben"));
  wahl_->addTab(karte_, QStringLiteral("&Paare"));
  v->addWidget(wahl_, 1);
  urteil_ = new QLabel;
  urteil_->setObjectName(QStringLiteral("LUrteil"));
  urteil_->setWordWrap(true);
  urteil_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  v->addWidget(urteil_);
  auto* knoepfe = new QHBoxLayout;
  auto knopf = [&](const QString& text, const char* name, void (TFDiagramme::*klick)()) {
    auto* k = new QPushButton(text);
    k->setObjectName(QString::fromLatin1(name));
    connect(k, &QPushButton::clicked, this, klick);
    knoepfe->addWidget(k);
  };
  knopf(QStringLiteral("Als &Bild speichern..."), "BBildSpeichern", &TFDiagramme::SpeichernKlick);
  knopf(QStringLiteral("&Drucken..."), "BDrucken", &TFDiagramme::DruckenKlick);
  knopf(QStringLiteral("&Kopieren"), "BKopieren", &TFDiagramme::KopierenKlick);
  knoepfe->addStretch();
  v->addLayout(knoepfe);
}

void TFDiagramme::ZeitraumSetzen(int von, int bis) {
  von_ = von;
  bis_ = bis;
  veraltet_ = true;
  if (isVisible()) Zeichnen();
}

QSize TFDiagramme::sizeHint() const {
  if (!isVisible()) return {};
  const QFontMetrics fm(font());
  return {90 * fm.averageCharWidth(), 36 * fm.height()};
}

void TFDiagramme::showEvent(QShowEvent* ereignis) {
  QWidget::showEvent(ereignis);
  if (veraltet_) Zeichnen();
  updateGeometry();
  QTimer::singleShot(0, this, [this] { FensterWachsen(window()); });
}

void TFDiagramme::Zeichnen() {
  veraltet_ = false;
  const int n = Ziehungen().Anzahl();
  const int von = std::clamp(von_, 0, std::max(0, n - 1)), bis = std::clamp(bis_, -1, n - 1);
  const int ziehungen = bis >= von ? bis - von + 1 : 0;
  // The counts from the draws themselves (the window's tiles keep theirs).
  Zaehlung anzahl{};
  const auto& mengen = GZMengen();
  for (int d = von; d <= bis && d < static_cast<int>(mengen.size()); ++d)
    for (int z = 1; z <= MaxZahl; ++z) anzahl[static_cast<std::size_t>(z)] += mengen[static_cast<std::size_t>(d)].Enthaelt(z) ? 1 : 0;
  HaeufigkeitenZeichnen(anzahl, ziehungen);
  AusbleibenZeichnen(ziehungen > 0 ? Ausgeblieben(von, bis) : Zaehlung{});
  karte_->Setzen(ziehungen > 0 ? PaarMatrix(von, bis) : std::vector<std::array<int, MaxZahl>>(MaxZahl), PaarErwartung(ziehungen));
  const Fairnesstest test = FairnessTesten(anzahl, ziehungen);
  QString text = Urteil(test);
  if (!test.zuKurz)
    text =
        QStringLiteral("Fairness-Test (χ², 34 Freiheitsgrade) über %1 Ziehungen: χ² = %2. ").arg(ziehungen).arg(Zahl(test.statistik, 2)) +
        text;
  urteil_->setText(text);
}

void TFDiagramme::HaeufigkeitenZeichnen(const Zaehlung& anzahl, int ziehungen) {
  const Haeufigkeitsband band = BandFuer(ziehungen);
  Balken b = BalkenChart(haeufigkeiten_, QStringLiteral("Häufigkeiten in %1 Ziehungen").arg(ziehungen), QStringLiteral("im Band"),
                         QStringLiteral("außerhalb"), QStringLiteral("Anzahl"));
  zahlen_.clear();
  b.normal->append(0);
  b.auffaellig->append(0);
  int hoechste = band.oben;
  for (int z = 1; z <= MaxZahl; ++z) {
    const int a = anzahl[static_cast<std::size_t>(z)];
    const bool aussen = ziehungen > 0 && (a < band.unten || a > band.oben);
    b.normal->append(aussen ? 0 : a);
    b.auffaellig->append(aussen ? a : 0);
    zahlen_.push_back(a);
    hoechste = std::max(hoechste, a);
  }
  b.normal->append(0);
  b.auffaellig->append(0);
  b.y->setRange(0, std::max(1.0, hoechste * 1.1));
  b.y->applyNiceNumbers();  // ticks at round counts
  if (ziehungen > 0) {
    // The band as an area between its limits, the expectation as a line.
    auto* unten = new QLineSeries;
    auto* oben = new QLineSeries;
    unten->append(-0.5, band.unten);
    unten->append(Kategorienzahl - 0.5, band.unten);
    oben->append(-0.5, band.oben);
    oben->append(Kategorienzahl - 0.5, band.oben);
    auto* flaeche = new QAreaSeries(oben, unten);
    oben->setParent(flaeche);  // the area does not own its limits
    unten->setParent(flaeche);
    flaeche->setName(QStringLiteral("95-%-Band %1–%2").arg(band.unten).arg(band.oben));
    flaeche->setColor(BandFarbe);
    flaeche->setBorderColor(BandFarbe.darker());
    b.chart->addSeries(flaeche);
    flaeche->attachAxis(b.x);
    flaeche->attachAxis(b.y);
    Waagerechte(b.chart, b.x, b.y, band.erwartet, QStringLiteral("erwartet %1").arg(Zahl(band.erwartet)), Erwartung);
  }
  for (QBarSet* s : {b.normal, b.auffaellig})
    connect(s, &QBarSet::hovered, this, [this, band](bool ueber, int kategorie) {
      const int i = kategorie - 1;  // after the empty first category
      if (!ueber || i < 0 || i >= static_cast<int>(zahlen_.size())) return;
      QToolTip::showText(QCursor::pos(), QStringLiteral("Zahl %1: %2-mal gezogen, erwartet %3, 95-%-Band %4 bis %5")
                                             .arg(i + 1)
                                             .arg(zahlen_[static_cast<std::size_t>(i)])
                                             .arg(Zahl(band.erwartet))
                                             .arg(band.unten)
                                             .arg(band.oben));
    });
}

void TFDiagramme::AusbleibenZeichnen(const Zaehlung& abwesend) {
  const int grenze = AusbleibenGrenze99();
  Balken b = BalkenChart(ausbleiben_, QStringLiteral("Ausbleiben: Ziehungen seit dem letzten Auftreten"), QStringLiteral("Ausbleiben"),
                         QStringLiteral("ab %1").arg(grenze), QStringLiteral("Ziehungen"));
  abwesend_.clear();
  b.normal->append(0);
  b.auffaellig->append(0);
  int hoechste = grenze;
  for (int z = 1; z <= MaxZahl; ++z) {
    const int a = abwesend[static_cast<std::size_t>(z)];
    b.normal->append(a >= grenze ? 0 : a);
    b.auffaellig->append(a >= grenze ? a : 0);
    abwesend_.push_back(a);
    hoechste = std::max(hoechste, a);
  }
  b.normal->append(0);
  b.auffaellig->append(0);
  b.y->setRange(0, hoechste * 1.1);
  b.y->applyNiceNumbers();
  Waagerechte(b.chart, b.x, b.y, MittleresAusbleiben, QStringLiteral("Mittel %1").arg(Zahl(MittleresAusbleiben, 0)), Erwartung);
  Waagerechte(b.chart, b.x, b.y, grenze, QStringLiteral("99-%-Punkt %1").arg(grenze), Ausserhalb, Qt::DashLine);
  for (QBarSet* s : {b.normal, b.auffaellig})
    connect(s, &QBarSet::hovered, this, [this](bool ueber, int kategorie) {
      const int i = kategorie - 1;
      if (!ueber || i < 0 || i >= static_cast<int>(abwesend_.size())) return;
      QToolTip::showText(
          QCursor::pos(),
          QStringLiteral("Zahl %1: seit %2 Ziehungen nicht gezogen (im Mittel 6)").arg(i + 1).arg(abwesend_[static_cast<std::size_t>(i)]));
    });
}

std::vector<double> TFDiagramme::Haeufigkeiten() const { return zahlen_; }
std::vector<double> TFDiagramme::Abwesenheiten() const { return abwesend_; }
QString TFDiagramme::UrteilText() const { return urteil_->text(); }

QWidget* TFDiagramme::Gezeigt() const { return wahl_->currentWidget(); }

QImage TFDiagramme::Bild() const {
  QWidget* w = Gezeigt();
  QImage bild(w->size() * w->devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
  bild.setDevicePixelRatio(w->devicePixelRatioF());
  bild.fill(palette().color(QPalette::Base));
  QPainter p(&bild);
  w->render(&p);
  return bild;
}

bool TFDiagramme::SvgSchreiben(const QString& pfad) const {
  QWidget* w = Gezeigt();
  QSvgGenerator svg;
  svg.setFileName(pfad);
  svg.setSize(w->size());
  svg.setViewBox(QRect(QPoint(0, 0), w->size()));
  svg.setTitle(wahl_->tabText(wahl_->currentIndex()).remove(QLatin1Char('&')));
  QPainter p;
  if (!p.begin(&svg)) return false;
  w->render(&p);
  return p.end();
}

void TFDiagramme::DruckenAuf(QPrinter& drucker) const {
  QWidget* w = Gezeigt();
  QPainter p(&drucker);
  const QRectF seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
  const double mass = std::min(seite.width() / w->width(), seite.height() / w->height());
  p.scale(mass, mass);
  w->render(&p);
}

void TFDiagramme::SpeichernKlick() {
  DateiDialog d;
  d.titel = QStringLiteral("Diagramm speichern");
  d.filter = QStringLiteral("PNG-Bild|*.png|SVG-Grafik|*.svg");
  d.standardEndung = QStringLiteral("png");
  d.startOrdner = Werte().datenOrdner;
  d.vorschlag = wahl_->tabText(wahl_->currentIndex()).remove(QLatin1Char('&')) + QStringLiteral(".png");
  const QString pfad = DateiDialoge().Speichern(d, this);
  if (pfad.isEmpty()) return;
  const bool ok =
      QFileInfo(pfad).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0 ? SvgSchreiben(pfad) : Bild().save(pfad, "PNG");
  if (!ok) Fehler(SchreibFehler(pfad, QStringLiteral("Das Bild kann nicht geschrieben werden.")), this);
}

void TFDiagramme::DruckenKlick() {
  QPrinter drucker(QPrinter::HighResolution);
  drucker.setPageOrientation(QPageLayout::Landscape);
  QPrintDialog dialog(&drucker, this);
  dialog.setWindowTitle(QStringLiteral("Diagramm drucken"));
  if (dialog.exec() == QDialog::Accepted) DruckenAuf(drucker);
}

void TFDiagramme::KopierenKlick() { QGuiApplication::clipboard()->setImage(Bild()); }
