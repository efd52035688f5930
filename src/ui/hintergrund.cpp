#include "hintergrund.h"

#include <QApplication>
#include <QEventLoop>
#include <QList>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWindow>

#include "core/programmwerte.h"

namespace {
// Drops clicks, keys, wheel turns and shortcuts meant for anything but the progress dialog, so that
// nothing can be started beside the work and nothing is kept to be done after it. A window asked to
// close meanwhile (by the desktop or the program) cancels the work and closes when it has ended.
class EingabeSperre : public QObject {
 public:
  EingabeSperre(const QWidget* dialog, Arbeitsstand& stand) : dialog_(dialog), stand_(stand) { qApp->installEventFilter(this); }
  ~EingabeSperre() override {
    qApp->removeEventFilter(this);
    for (const QPointer<QWidget>& w : zuSchliessen_)
      if (w) QTimer::singleShot(0, w, [w] { w->close(); });
  }

 protected:
  bool eventFilter(QObject* objekt, QEvent* ereignis) override {
    if (ereignis->type() == QEvent::Close) {
      auto* w = qobject_cast<QWidget*>(objekt);
      if (!w || !w->isWindow() || w == dialog_) return false;
      stand_.abbrechen = true;
      if (!zuSchliessen_.contains(w)) zuSchliessen_.append(w);
      ereignis->ignore();
      return true;
    }
    switch (ereignis->type()) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::ShortcutOverride:
      case QEvent::Shortcut:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TabletPress: break;
      default: return false;
    }
    if (!dialog_->isVisible()) return true;
    if (auto* w = qobject_cast<QWidget*>(objekt)) return w->window() != dialog_;
    if (auto* fenster = qobject_cast<QWindow*>(objekt)) return fenster != dialog_->windowHandle();
    return true;
  }

 private:
  const QWidget* dialog_;
  Arbeitsstand& stand_;
  QList<QPointer<QWidget>> zuSchliessen_;
};
}  // namespace

void ImHintergrundAusfuehren(QWidget* eltern, const Fortschrittsanzeige& anzeige, Arbeitsstand& stand,
                             const std::function<void()>& arbeit) {
  std::atomic<bool> fertig{false};
  QEventLoop schleife;
  std::thread arbeiter([&] {
    arbeit();
    fertig = true;
    // Wakes the waiting loop at once rather than at its next progress tick.
    QMetaObject::invokeMethod(
        &schleife, [&schleife] { schleife.quit(); }, Qt::QueuedConnection);
  });

  QProgressDialog dialog(anzeige.text, QStringLiteral("Abbrechen"), 0, 0, eltern);
  dialog.setObjectName(QStringLiteral("Fortschritt"));
  dialog.setWindowTitle(Werte().titel);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  dialog.setMinimumDuration(0);
  dialog.setMinimumWidth(360);
  dialog.reset();  // a progress dialog shows itself on its first value; this one waits for the delay
  QObject::connect(&dialog, &QProgressDialog::canceled, [&stand] { stand.abbrechen = true; });

  const EingabeSperre sperre(&dialog, stand);
  QTimer takt;
  auto aktualisieren = [&] {
    if (fertig) {
      schleife.quit();
      return;
    }
    if (anzeige.takt) anzeige.takt(stand.fortschritt);
    if (!dialog.isVisible()) return;
    if (dialog.wasCanceled()) stand.abbrechen = true;  // also Escape and closing the dialog
    const std::int64_t gesamt = stand.gesamt, jetzt = stand.fortschritt;
    if (gesamt > 0) {
      // The dialog counts in int; large totals are shown in thousandths.
      dialog.setMaximum(1000);
      dialog.setValue(static_cast<int>(std::min<std::int64_t>(1000, jetzt * 1000 / gesamt)));
    }
    if (anzeige.zusatz) dialog.setLabelText(anzeige.text + QLatin1Char('\n') + anzeige.zusatz(jetzt));
  };
  QObject::connect(&takt, &QTimer::timeout, &schleife, aktualisieren);
  takt.start(30);
  // The dialog shows when the work takes longer than the delay.
  QTimer verzoegerung;
  verzoegerung.setSingleShot(true);
  QObject::connect(&verzoegerung, &QTimer::timeout, &schleife, [&] {
    if (!fertig) {
      dialog.show();
      aktualisieren();
    }
  });
  verzoegerung.start(anzeige.verzoegerungMs);
  if (!fertig) schleife.exec();
  arbeiter.join();
}
