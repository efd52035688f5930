// What long work and the window that waits for it share: the cancel request and the progress.
#pragma once

#include <atomic>
#include <cstdint>

struct Arbeitsstand {
  std::atomic<bool> abbrechen{false};
  std::atomic<std::int64_t> fortschritt{0};
  std::atomic<std::int64_t> gesamt{0};  // 0: no known end (a busy indicator)
};

// Reports the progress and tells whether to go on.
inline bool ArbeitWeiter(Arbeitsstand& stand, std::int64_t jetzt) {
  stand.fortschritt.store(jetzt, std::memory_order_relaxed);
  return !stand.abbrechen.load(std::memory_order_relaxed);
}
