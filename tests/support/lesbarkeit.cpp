#include "lesbarkeit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTableView>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>

namespace {
QString Name(const QWidget* w, const QWidget* fenster) {
  QStringList teile;
  for (const QWidget* x = w; x && x != fenster; x = x->parentWidget())
    if (!x->objectName().isEmpty() && !x->objectName().startsWith(QLatin1String("qt_"))) teile.prepend(x->objectName());
  return fenster->objectName() + QLatin1Char('/') +
         (teile.isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : teile.join(QLatin1Char('/')));
}

QString OhneKuerzel(QString text) {
  text.replace(QLatin1String("&&"), QLatin1String("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return text;
}

int Breite(const QFontMetrics& fm, const QString& text) {
  int breite = 0;
  for (const QString& zeile : text.split(QLatin1Char('\n'))) breite = std::max(breite, fm.horizontalAdvance(zeile));
  return breite;
}

// A widget shown on the screen: visible, and not scrolled or clipped away by its parents.
bool Sichtbar(const QWidget* w, const QWidget* fenster) {
  if (!w->isVisibleTo(fenster) || w->width() <= 0 || w->height() <= 0) return false;
  return !w->visibleRegion().isEmpty() || !fenster->isVisible();
}

void Tabelle(const QTableView* t, const QString& name, QStringList& probleme) {
  const QAbstractItemModel* m = t->model();
  if (!m) return;
  const QHeaderView* kopf = t->horizontalHeader();
  const QFontMetrics kfm(kopf->font());
  for (int s = 0; s < m->columnCount(); ++s) {
    if (t->isColumnHidden(s)) continue;
    const QString text = m->headerData(s, Qt::Horizontal).toString().trimmed();
    const int noetig = kfm.horizontalAdvance(text) + 2;
    if (noetig > kopf->sectionSize(s))
      probleme << QStringLiteral("%1: header %2 \"%3\" %4 > %5").arg(name).arg(s).arg(text).arg(noetig).arg(kopf->sectionSize(s));
  }
  if (t->verticalHeader()->isVisible())
    for (int z = 0; z < m->rowCount(); ++z) {
      const QString text = m->headerData(z, Qt::Vertical).toString();
      const int noetig = QFontMetrics(t->verticalHeader()->font()).horizontalAdvance(text) + 4;
      if (noetig > t->verticalHeader()->width())
        probleme
            << QStringLiteral("%1: row header %2 \"%3\" %4 > %5").arg(name).arg(z).arg(text).arg(noetig).arg(t->verticalHeader()->width());
    }
  // All columns side by side, unless the table has a fixed header column and scrolls sideways
  // past it; all rows whole where the table does not scroll down.
  if (!t->verticalHeader()->isVisible() && t->horizontalScrollBar()->maximum() > 0)
    probleme << QStringLiteral("%1: columns %2 wider than %3").arg(name).arg(t->horizontalHeader()->length()).arg(t->viewport()->width());
  if (t->verticalScrollBar()->maximum() == 0 && t->verticalHeader()->length() > t->viewport()->height())
    probleme << QStringLiteral("%1: rows %2 higher than %3").arg(name).arg(t->verticalHeader()->length()).arg(t->viewport()->height());
  const int erste = t->rowAt(0), letzte = t->rowAt(t->viewport()->height() - 1);
  if (erste < 0) return;
  const int bis = letzte < 0 ? m->rowCount() - 1 : letzte;
  for (int z = erste; z <= bis; ++z)
    for (int s = 0; s < m->columnCount(); ++s) {
      if (t->isColumnHidden(s)) continue;
      const QModelIndex i = m->index(z, s);
      const QString text = i.data().toString().trimmed();
      if (text.isEmpty()) continue;
      QFont schrift = t->font();
      schrift.setBold(i.data(Qt::FontRole).value<QFont>().bold());
      const QFontMetrics fm(schrift);
      const int noetig = fm.horizontalAdvance(text) + 2;
      if (noetig > t->columnWidth(s))
        probleme
            << QStringLiteral("%1: cell %2,%3 \"%4\" %5 > %6").arg(name).arg(z + 1).arg(s).arg(text).arg(noetig).arg(t->columnWidth(s));
      if (fm.height() > t->rowHeight(z))
        probleme << QStringLiteral("%1: row %2 %3 > %4 high").arg(name).arg(z + 1).arg(fm.height()).arg(t->rowHeight(z));
    }
}

// The controls whose room is checked and that must not overlap one another.
bool Bedienelement(const QWidget* w) {
  return qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
         qobject_cast<const QComboBox*>(w) || qobject_cast<const QTableView*>(w) || qobject_cast<const QGroupBox*>(w);
}
}  // namespace

QStringList LesbarkeitPruefen(QWidget* fenster) {
  QStringList probleme;
  const QList<QWidget*> alle = fenster->findChildren<QWidget*>();
  for (QWidget* w : alle) {
    if (!Sichtbar(w, fenster)) continue;
    const QString name = Name(w, fenster);
    const QFontMetrics fm(w->font());
    if (auto* l = qobject_cast<QLabel*>(w)) {
      if (l->text().isEmpty() || !l->pixmap().isNull()) continue;
      QString text = l->text();
      if (l->textFormat() == Qt::RichText || (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument d;
        d.setHtml(text);
        text = d.toPlainText();
      }
      text = OhneKuerzel(text);
      const QRect r = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
      if (l->wordWrap()) {
        if (l->heightForWidth(l->width()) > l->height() + 1)
          probleme << QStringLiteral("%1: wrapped text needs %2 > %3 high").arg(name).arg(l->heightForWidth(l->width())).arg(l->height());
      } else if (Breite(fm, text) > r.width()) {
        probleme << QStringLiteral("%1: \"%2\" %3 > %4").arg(name, text).arg(Breite(fm, text)).arg(r.width());
      } else if (fm.height() * static_cast<int>(text.count(QLatin1Char('\n')) + 1) > r.height() + 2) {
        probleme << QStringLiteral("%1: \"%2\" too high for %3").arg(name, text).arg(r.height());
      }
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      auto* tb = qobject_cast<QToolButton*>(b);
      if (b->text().isEmpty() || (tb && tb->toolButtonStyle() == Qt::ToolButtonIconOnly && !tb->icon().isNull())) continue;
      if (qobject_cast<QTabBar*>(b->parentWidget())) continue;  // the tab bar's scroll buttons
      const QString text = OhneKuerzel(b->text());
      int noetig = Breite(fm, text) + 4;
      if (!b->icon().isNull()) noetig += b->iconSize().width() + 4;
      if (qobject_cast<QCheckBox*>(b) || qobject_cast<QRadioButton*>(b)) noetig += 20;
      if (noetig > b->width()) probleme << QStringLiteral("%1: \"%2\" %3 > %4").arg(name, text).arg(noetig).arg(b->width());
      if (fm.height() * static_cast<int>(text.count(QLatin1Char('\n')) + 1) > b->height())
        probleme << QStringLiteral("%1: \"%2\" too high for %3").arg(name, text).arg(b->height());
    } else if (auto* e = qobject_cast<QLineEdit*>(w)) {
      const int noetig = fm.horizontalAdvance(e->text()) + 8;
      if (!e->text().isEmpty() && noetig > e->width())
        probleme << QStringLiteral("%1: \"%2\" %3 > %4").arg(name, e->text()).arg(noetig).arg(e->width());
      if (fm.height() > e->height()) probleme << QStringLiteral("%1: too low").arg(name);
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
      const int noetig = fm.horizontalAdvance(c->currentText()) + 24;
      if (noetig > c->width()) probleme << QStringLiteral("%1: \"%2\" %3 > %4").arg(name, c->currentText()).arg(noetig).arg(c->width());
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      const int noetig = fm.horizontalAdvance(OhneKuerzel(g->title())) + 12;
      if (!g->title().isEmpty() && noetig > g->width())
        probleme << QStringLiteral("%1: title \"%2\" %3 > %4").arg(name, g->title()).arg(noetig).arg(g->width());
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      const int alle = tabs->sizeHint().width();
      if (alle > tabs->width()) probleme << QStringLiteral("%1: tabs %2 wider than %3").arg(name).arg(alle).arg(tabs->width());
      for (int i = 0; i < tabs->count(); ++i) {
        const int noetig = fm.horizontalAdvance(OhneKuerzel(tabs->tabText(i))) + 8;
        if (noetig > tabs->tabRect(i).width())
          probleme << QStringLiteral("%1: tab \"%2\" %3 > %4").arg(name, tabs->tabText(i)).arg(noetig).arg(tabs->tabRect(i).width());
      }
    } else if (auto* t = qobject_cast<QTableView*>(w)) {
      Tabelle(t, name, probleme);
    }
  }
  // Controls of one parent side by side, never on top of each other (tool bars lay out their own).
  QSet<QWidget*> eltern;
  for (QWidget* w : alle)
    if (Bedienelement(w) && Sichtbar(w, fenster) && w->parentWidget() && !qobject_cast<QToolBar*>(w->parentWidget()) &&
        !qobject_cast<QTabBar*>(w->parentWidget()))
      eltern << w->parentWidget();
  for (QWidget* e : eltern) {
    QList<QWidget*> kinder;
    for (QObject* o : e->children())
      if (auto* k = qobject_cast<QWidget*>(o); k && Bedienelement(k) && Sichtbar(k, fenster) && !k->isWindow()) kinder << k;
    for (int i = 0; i < kinder.size(); ++i)
      for (int j = i + 1; j < kinder.size(); ++j)
        if (kinder[i]->geometry().intersects(kinder[j]->geometry()))
          probleme << QStringLiteral("%1 overlaps %2").arg(Name(kinder[i], fenster), Name(kinder[j], fenster));
  }
  return probleme;
}
