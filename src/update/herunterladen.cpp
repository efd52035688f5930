#include "herunterladen.h"

#include <thread>

#include <QEventLoop>
#include <QLocale>
#include <QProgressDialog>
#include <QTimer>

#include "core/programmwerte.h"

Uebertragung MitFortschritt(const QString& url, const QString& ziel,
                            const std::function<std::optional<QString>(const QByteArray&)>& pruefen, const QString& was,
                            QWidget* eltern) {
  UebertragungsStand stand;
  Uebertragung ergebnis;
  std::atomic<bool> fertig{false};
  // The transfer runs beside the user-interface thread, which keeps painting and reacts to the
  // cancel button; the dialog is modal, so nothing else can be started meanwhile.
  std::thread arbeiter([&] {
    ergebnis = UrlDownload(url, ziel, pruefen, &stand);
    fertig = true;
  });
  QProgressDialog dialog(was, QStringLiteral("Abbrechen"), 0, 0, eltern);
  dialog.setObjectName(QStringLiteral("Fortschritt"));
  dialog.setWindowTitle(Werte().titel);
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setMinimumDuration(0);
  dialog.setAutoClose(false);
  dialog.setAutoReset(false);
  QObject::connect(&dialog, &QProgressDialog::canceled, [&stand] { stand.abbrechen = true; });
  dialog.show();
  QEventLoop schleife;
  QTimer takt;
  QObject::connect(&takt, &QTimer::timeout, [&] {
    dialog.setLabelText(was + QStringLiteral("\n") + QLocale().toString(static_cast<qlonglong>(stand.bytes.load())) +
                        QStringLiteral(" Bytes empfangen"));
    if (fertig) schleife.quit();
  });
  takt.start(30);
  schleife.exec();
  arbeiter.join();
  return ergebnis;
}
