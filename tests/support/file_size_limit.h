// Makes writes to regular files fail beyond a size while it lives, as on a
// full disk (also for root, whom folder permissions do not stop).
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace vextor::test {

struct FileSizeLimit {
    rlimit old{};
    void (*oldHandler)(int) = std::signal(SIGXFSZ, SIG_IGN); // writes fail with EFBIG
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
};

} // namespace vextor::test
