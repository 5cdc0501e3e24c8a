#pragma once

#include <sys/resource.h>

#include <csignal>

// While it lives, no file of this process grows past `bytes`: a write beyond fails, as on a full
// disk. SDL's disk audio driver takes only regular files, so this stands in for /dev/full.
class TFileSizeLimit {
 public:
  explicit TFileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limited = saved_;
    limited.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limited);
  }
  ~TFileSizeLimit() { setrlimit(RLIMIT_FSIZE, &saved_); }
  TFileSizeLimit(const TFileSizeLimit&) = delete;
  TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

 private:
  rlimit saved_{};
};
