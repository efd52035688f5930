#include "navigation.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QWidget>

#include "ui/fenstergroesse.h"

namespace {
QHash<QString, std::function<QWidget*()>>& Arten() {
  static QHash<QString, std::function<QWidget*()>> arten;
  return arten;
}

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

void FensterArtRegistrieren(const QString& name, std::function<QWidget*()> erzeugen) { Arten().insert(name, std::move(erzeugen)); }

QWidget* FensterOeffnen(const QString& name) {
  const auto erzeugen = Arten().value(name);
  if (name == QLatin1String("FEingabe")) {
    QWidget* editor = FensterFinden(name);
    if (!editor && erzeugen) {
      editor = erzeugen();
      FensterRegistrieren(editor, name);
    }
    if (editor) NachVorne(editor);
    return editor;
  }
  return NachNameOeffnen(name, [&]() -> QWidget* { return erzeugen ? erzeugen() : nullptr; });
}

void AmHauptfensterZentrieren(QWidget* fenster) {
  if (const QWidget* haupt = FensterFinden(QStringLiteral("FAuswertung")); haupt && haupt != fenster)
    fenster->move(haupt->geometry().center() - fenster->rect().center());
  InDenBildschirm(fenster);  // a window larger than the main one stays on the screen
}
