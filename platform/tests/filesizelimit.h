// A full disk for the test process itself: while a TFileSizeLimit lives, a write that would make
// a file longer than the limit fails (EFBIG) instead of stopping the process.
#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace qm {

class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t Bytes) {
        getrlimit(RLIMIT_FSIZE, &FBefore);
        FHandler = signal(SIGXFSZ, SIG_IGN);
        const rlimit Limit{Bytes, FBefore.rlim_max};
        setrlimit(RLIMIT_FSIZE, &Limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &FBefore);
        signal(SIGXFSZ, FHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit FBefore{};
    void (*FHandler)(int) = SIG_DFL;
};

}  // namespace qm
