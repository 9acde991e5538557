#pragma once

#include <chrono>

namespace util {

// A steady clock that reads in a few nanoseconds and moves in steps of a few
// milliseconds. A scan asks for the time at every progress point, every few
// numbers: there the precise clock's read would cost more than the numbers,
// and a few milliseconds either way change nothing a user sees.
struct CoarseClock {
    using duration = std::chrono::nanoseconds;
    using rep = duration::rep;
    using period = duration::period;
    using time_point = std::chrono::time_point<CoarseClock>;
    static constexpr bool is_steady = true;

    static time_point now() noexcept;
};

}  // namespace util
