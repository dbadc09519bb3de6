#include "ui/ExceptionBoundary.h"

#include <atomic>

namespace quellar {

namespace {
std::atomic<int> gFailures{0};
}

int BoundaryFailures() {
    return gFailures.load();
}

void CountBoundaryFailure() noexcept {
    ++gFailures;
}

} // namespace quellar
