#include "hilfedienst.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>

namespace {
class KeineHilfe : public HilfeDienst {
 public:
  void ThemaZeigen(int) override {}
  void InhaltZeigen() override {}
  void SucheZeigen() override {}
};

KeineHilfe keineHilfe;
HilfeDienst* aktuell = &keineHilfe;

class F1Filter : public QObject {
 public:
  bool eventFilter(QObject* ziel, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(ereignis)->key() == Qt::Key_F1) {
      QWidget* w = QApplication::focusWidget();
      if (!w) w = QApplication::activeWindow();
      if (!w) w = qobject_cast<QWidget*>(ziel);
      if (const int thema = HilfeThemaVon(w)) {
        Hilfe().ThemaZeigen(thema);
        return true;
      }
    }
    return false;
  }
};
}  // namespace

HilfeDienst& Hilfe() { return *aktuell; }

HilfeDienst* HilfeDienstSetzen(HilfeDienst* dienst) {
  HilfeDienst* vorher = aktuell;
  aktuell = dienst ? dienst : &keineHilfe;
  return vorher;
}

void HilfeThemaSetzen(QWidget* w, int thema) { w->setProperty("hilfeThema", thema); }

int HilfeThemaVon(const QWidget* w) {
  for (; w; w = w->parentWidget()) {
    const int thema = w->property("hilfeThema").toInt();
    if (thema) return thema;
  }
  return 0;
}

void F1Einrichten() {
  static F1Filter* filter = nullptr;
  if (filter) return;
  filter = new F1Filter;
  qApp->installEventFilter(filter);
}
