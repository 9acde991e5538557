#include "util/CoarseClock.h"

#include <ctime>

namespace util {

CoarseClock::time_point CoarseClock::now() noexcept {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC_COARSE, &now);
    return time_point(std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec));
}

}  // namespace util
