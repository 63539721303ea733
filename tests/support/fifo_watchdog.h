#pragma once
// Opens the writing end of FIFOs again and again after a grace period,
// until destroyed: a reader blocked opening one of them then goes on, and
// the test fails on the time taken instead of hanging.
#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace tremblo::testing {

class FifoWatchdog {
public:
    explicit FifoWatchdog(std::vector<std::string> fifos, std::chrono::milliseconds grace = std::chrono::seconds(2))
        : thread_([this, fifos = std::move(fifos), grace] {
              const auto started = std::chrono::steady_clock::now();
              while (!done_) {
                  std::this_thread::sleep_for(std::chrono::milliseconds(50));
                  if (std::chrono::steady_clock::now() - started < grace) continue;
                  for (const std::string& fifo : fifos) {
                      const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
                      if (fd >= 0) ::close(fd);
                  }
              }
          }) {}
    explicit FifoWatchdog(const std::string& fifo) : FifoWatchdog(std::vector<std::string>{fifo}) {}
    ~FifoWatchdog() {
        done_ = true;
        thread_.join();
    }
    FifoWatchdog(const FifoWatchdog&) = delete;
    FifoWatchdog& operator=(const FifoWatchdog&) = delete;

private:
    std::atomic<bool> done_{false};
    std::thread thread_;
};

}  // namespace tremblo::testing
