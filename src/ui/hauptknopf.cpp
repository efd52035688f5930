#include "hauptknopf.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {
const char* const Eigenschaft = "kelvaroHauptknopf";

class ReturnFilter : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() != QEvent::KeyPress) return false;
    const auto* taste = static_cast<QKeyEvent*>(ereignis);
    if ((taste->key() != Qt::Key_Return && taste->key() != Qt::Key_Enter) || (taste->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
      return false;
    // Only the first delivery, to the focus widget, counts (the event climbs up to its parents).
    QWidget* fokus = QApplication::focusWidget();
    if (!fokus || objekt != fokus) return false;
    if (qobject_cast<QPlainTextEdit*>(fokus) || qobject_cast<QTextEdit*>(fokus) || qobject_cast<QAbstractButton*>(fokus)) return false;
    // The nearest part with a main button, inside the focus widget's own window (a popup list of a
    // selector is a window of its own and keeps its Return).
    for (QWidget* w = fokus; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
      const QVariant wert = w->property(Eigenschaft);
      if (!wert.isValid()) continue;
      auto* knopf = qobject_cast<QAbstractButton*>(wert.value<QObject*>());
      if (!knopf || !knopf->isEnabled() || !knopf->isVisibleTo(knopf->window())) return false;
      knopf->click();
      return true;
    }
    return false;
  }
};
}  // namespace

void HauptknopfSetzen(QWidget* bereich, QAbstractButton* knopf) {
  static QPointer<ReturnFilter> filter;
  if (!filter) {
    filter = new ReturnFilter(qApp);
    qApp->installEventFilter(filter);
  }
  bereich->setProperty(Eigenschaft, QVariant::fromValue<QObject*>(knopf));
}
