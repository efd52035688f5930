#include "skin.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QPalette>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyleFactory>
#include <QToolBar>
#include <QToolButton>

void SkinAnwenden() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The desktop's font, at the player's size: the windows grow from its metrics.
  QPalette p;
  const QColor fenster(0xEE, 0xF2, 0xF6), knopf(0xE2, 0xE8, 0xEF), text(0x1B, 0x26, 0x33);
  p.setColor(QPalette::Window, fenster);
  p.setColor(QPalette::WindowText, text);
  p.setColor(QPalette::Base, Qt::white);
  p.setColor(QPalette::AlternateBase, QColor(0xF5, 0xF8, 0xFA));
  p.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFB, 0xE6));
  p.setColor(QPalette::ToolTipText, text);
  p.setColor(QPalette::Text, text);
  p.setColor(QPalette::Button, knopf);
  p.setColor(QPalette::ButtonText, text);
  p.setColor(QPalette::BrightText, Qt::white);
  p.setColor(QPalette::Highlight, QColor(0x2B, 0x6C, 0xB0));
  p.setColor(QPalette::HighlightedText, Qt::white);
  p.setColor(QPalette::Link, QColor(0x1A, 0x5F, 0xB4));
  p.setColor(QPalette::Mid, QColor(0xB8, 0xC2, 0xCC));
  p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x8A, 0x94, 0x9E));
  p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x8A, 0x94, 0x9E));
  p.setColor(QPalette::Disabled, QPalette::Text, QColor(0x8A, 0x94, 0x9E));
  QApplication::setPalette(p);
}

namespace {
std::optional<bool>& DeckkraftVorgabe() {
  static std::optional<bool> vorgabe;
  return vorgabe;
}
}  // namespace

void FensterDeckkraftSetzen(std::optional<bool> moeglich) { DeckkraftVorgabe() = moeglich; }

bool FensterDeckkraftMoeglich() {
  if (DeckkraftVorgabe()) return *DeckkraftVorgabe();
  const QString p = QGuiApplication::platformName();
  return p == QLatin1String("xcb") || p == QLatin1String("windows") || p == QLatin1String("cocoa");
}

QIcon Symbol(const QString& name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(name)); }

QToolBar* NeueWerkzeugleiste(QWidget* eltern) {
  auto* leiste = new QToolBar(eltern);
  leiste->setObjectName(QStringLiteral("Werkzeugleiste"));
  leiste->setMovable(false);
  leiste->setFloatable(false);
  leiste->setIconSize(QSize(26, 26));
  leiste->setMinimumHeight(40);
  leiste->setToolButtonStyle(Qt::ToolButtonIconOnly);
  leiste->setContextMenuPolicy(Qt::PreventContextMenu);
  return leiste;
}

QAction* WerkzeugKnopf(QToolBar* leiste, const QString& name, const QString& symbol, const QString& hinweis) {
  QAction* a = leiste->addAction(Symbol(symbol), hinweis);
  a->setObjectName(name);
  a->setToolTip(hinweis);
  if (auto* knopf = leiste->widgetForAction(a)) knopf->setObjectName(name);
  return a;
}

QAction* Fussleiste(QWidget* fenster, const QString& beschriftung) {
  auto* leiste = new QToolBar(fenster);
  leiste->setObjectName(QStringLiteral("Fussleiste"));
  leiste->setMovable(false);
  leiste->setMinimumHeight(40);
  leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  auto* abstand = new QWidget(leiste);
  abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
  leiste->addWidget(abstand);
  QAction* knopf = leiste->addAction(Symbol(QStringLiteral("schliessen")), beschriftung);
  knopf->setObjectName(QStringLiteral("BSchliessen"));
  knopf->setIconText(beschriftung);  // the button keeps its access key
  if (auto* haupt = qobject_cast<QMainWindow*>(fenster))
    haupt->addToolBar(Qt::BottomToolBarArea, leiste);
  else if (fenster->layout())
    fenster->layout()->addWidget(leiste);
  return knopf;
}

QLabel* Beschriftung(const QString& text, QWidget* eltern, bool fett, bool umbrechen) {
  auto* l = new QLabel(text, eltern);
  if (fett) l->setFont(Fett(l->font()));
  l->setWordWrap(umbrechen);
  return l;
}

QLineEdit* ZiffernFeld(const QString& name, const QString& text, int laenge, int breite, QWidget* eltern) {
  auto* e = new QLineEdit(text, eltern);
  e->setObjectName(name);
  e->setValidator(new QRegularExpressionValidator(
      QRegularExpression(laenge > 0 ? QStringLiteral("[0-9]{0,%1}").arg(laenge) : QStringLiteral("[0-9]*")), e));
  if (laenge > 0) e->setMaxLength(laenge);
  const int ziffern = laenge > 0 ? laenge : 6;
  QFont fett = e->font();
  fett.setBold(true);
  e->setMinimumWidth(std::max(breite, QFontMetrics(fett).horizontalAdvance(QString(ziffern, QLatin1Char('8'))) + 16));
  if (laenge > 0) e->setMaximumWidth(e->minimumWidth());  // a few digits need no stretching
  return e;
}

QFont Fett(QFont schrift, bool fett) {
  schrift.setBold(fett);
  return schrift;
}

QPushButton* Knopf(const QString& name, const QString& symbol, const QString& text, QWidget* eltern) {
  auto* b = new QPushButton(Symbol(symbol), text, eltern);
  b->setObjectName(name);
  return b;
}

QToolButton* Bildknopf(const QString& name, const QIcon& bild, const QString& hinweis, QWidget* eltern, QSize groesse) {
  auto* b = new QToolButton(eltern);
  b->setObjectName(name);
  b->setIcon(bild);
  if (groesse.isValid()) b->setIconSize(groesse);
  b->setAutoRaise(true);
  b->setToolTip(hinweis);
  return b;
}

QString ZahlenknopfStil() {
  return QStringLiteral(
      "QToolButton { background: #f7f9fb; color: black; border: 1px solid #9fb0c0; border-radius: 3px; }"
      "QToolButton:hover { border-color: #2b6cb0; }"
      "QToolButton:checked { background: #f4c542; border: 1px solid #a07408; }");
}
