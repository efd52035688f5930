// What long work and the window that waits for it share: the cancel request and the progress.
#pragma once

#include <atomic>
#include <cstdint>

struct Arbeitsstand {
  std::atomic<bool> abbrechen{false};
  std::atomic<std::int64_t> fortschritt{0};
  std::atomic<std::int64_t> gesamt{0};  // 0: no known end (a busy indicator)
};
