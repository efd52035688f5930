#include "herunterladen.h"

#include <QLocale>

#include "ui/hintergrund.h"

Uebertragung MitFortschritt(const QString& url, const QString& ziel,
                            const std::function<std::optional<QString>(const QByteArray&)>& pruefen, const QString& was, QWidget* eltern) {
  // The transfer runs beside the user-interface thread, which keeps painting and reacts to the
  // cancel button; the dialog is modal, so nothing else can be started meanwhile.
  Arbeitsstand stand;
  Fortschrittsanzeige anzeige;
  anzeige.text = was;
  anzeige.zusatz = [](std::int64_t bytes) {
    return QLocale().toString(static_cast<qlonglong>(bytes)) + QStringLiteral(" Bytes empfangen");
  };
  anzeige.verzoegerungMs = 0;
  return ImHintergrund<Uebertragung>(eltern, anzeige, stand, [&] { return UrlDownload(url, ziel, pruefen, &stand); });
}
