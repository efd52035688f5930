#include "hintergrund.h"

#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include "core/programmwerte.h"

void ImHintergrundAusfuehren(QWidget* eltern, const Fortschrittsanzeige& anzeige, Arbeitsstand& stand,
                             const std::function<void()>& arbeit) {
  std::atomic<bool> fertig{false};
  std::thread arbeiter([&] {
    arbeit();
    fertig = true;
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

  QEventLoop schleife;
  QTimer takt;
  auto aktualisieren = [&] {
    if (fertig) {
      schleife.quit();
      return;
    }
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
  // Until the dialog shows, user input waits, so nothing can be started beside the work.
  QTimer verzoegerung;
  verzoegerung.setSingleShot(true);
  QObject::connect(&verzoegerung, &QTimer::timeout, &schleife, [&] {
    if (!fertig) schleife.quit();
  });
  verzoegerung.start(anzeige.verzoegerungMs);
  if (!fertig) schleife.exec(QEventLoop::ExcludeUserInputEvents);
  if (!fertig) {
    dialog.show();
    aktualisieren();
    schleife.exec();
  }
  arbeiter.join();
}
