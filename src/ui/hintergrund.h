// Work that can take longer runs beside the user-interface thread: the windows stay painted and
// timers run, a progress dialog with "Abbrechen" appears when the work takes noticeably long, and
// nothing else can be started meanwhile (clicks and keys outside the dialog are dropped, not kept
// for later).
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <thread>

#include <QString>

#include "core/arbeitsstand.h"

class QWidget;

struct Fortschrittsanzeige {
  QString text;                                 // the dialog's text
  std::function<QString(std::int64_t)> zusatz;  // a second line from the progress count (optional)
  std::function<void(std::int64_t)> takt;       // called with the progress every 30 ms (optional)
  int verzoegerungMs = 250;                     // work that ends sooner shows no dialog
};

inline Fortschrittsanzeige NurText(const QString& text) {
  Fortschrittsanzeige a;
  a.text = text;
  return a;
}

// Runs `arbeit` on a thread of its own and returns when it has ended; the user-interface thread
// keeps processing events meanwhile, user input outside the dialog is dropped. The work reads
// `stand.abbrechen` and ends early when it is set (also set by the caller, for example when its
// window is closed).
void ImHintergrundAusfuehren(QWidget* eltern, const Fortschrittsanzeige& anzeige, Arbeitsstand& stand, const std::function<void()>& arbeit);

template <typename T>
T ImHintergrund(QWidget* eltern, const Fortschrittsanzeige& anzeige, Arbeitsstand& stand, const std::function<T()>& arbeit) {
  std::optional<T> ergebnis;
  ImHintergrundAusfuehren(eltern, anzeige, stand, [&] { ergebnis.emplace(arbeit()); });
  return std::move(*ergebnis);
}
