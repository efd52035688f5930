#include "navigation.h"

#include <QList>
#include <QPointer>
#include <QWidget>

namespace {
// Most recently created first; destroyed windows drop out by themselves.
QList<QPointer<QWidget>>& Register() {
  static QList<QPointer<QWidget>> fenster;
  return fenster;
}
}  // namespace

void FensterRegistrieren(QWidget* fenster, const QString& name) {
  fenster->setObjectName(name);
  auto& reg = Register();
  reg.removeIf([](const QPointer<QWidget>& p) { return p.isNull(); });
  reg.prepend(fenster);
}

QWidget* FensterFinden(const QString& name) {
  for (const auto& p : Register())
    if (p && p->objectName() == name) return p;
  return nullptr;
}

bool FormVorhanden(const QString& name) { return FensterFinden(name) != nullptr; }

void NachVorne(QWidget* fenster) {
  fenster->show();
  fenster->raise();
  fenster->activateWindow();
}

QWidget* NachNameOeffnen(const QString& name, const std::function<QWidget*()>& erzeugen) {
  QWidget* fenster = FensterFinden(name);
  if (fenster) {
    if (fenster->windowState() & (Qt::WindowMinimized | Qt::WindowMaximized))
      fenster->setWindowState(fenster->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
  } else {
    fenster = erzeugen();
    if (!fenster) return nullptr;
    FensterRegistrieren(fenster, name);
  }
  NachVorne(fenster);
  return fenster;
}
