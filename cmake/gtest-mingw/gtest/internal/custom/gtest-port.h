// GoogleTest's hook for platform customisation, put first on the include path
// of the cross build. The win32-thread mingw-w64 (GCC 12) has no std::mutex,
// which GoogleTest's Notification needs. Only GoogleTest's own thread tests
// wait on a Notification, so a plain atomic flag does.
#pragma once

#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { notified_ = true; }
  void WaitForNotification() {
    while (!notified_) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
