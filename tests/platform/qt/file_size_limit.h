#pragma once

// A full disk for the test that runs it: files of this process cannot grow
// beyond a size, and a write past it fails (EFBIG) as a write to a full disk
// fails (ENOSPC), while the test goes on.

#include <sys/resource.h>

#include <csignal>

namespace platform_test {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &before_);
    // Past the limit the kernel also sends SIGXFSZ, which would end the process.
    previous_handler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = before_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, previous_handler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit before_{};
  void (*previous_handler_)(int) = nullptr;
};

}  // namespace platform_test
