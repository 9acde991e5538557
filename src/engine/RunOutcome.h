#pragma once

namespace engine {

// How one press of Compute ended.
enum class RunOutcome {
    Refused,    // a check refused the request; nothing was written
    Completed,  // the scan ran (to its end, or stopped, or full, or a filter error)
    Failed,     // an unexpected error ended the scan ("Error: " in the output)
};

}  // namespace engine
