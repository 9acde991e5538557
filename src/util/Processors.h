#pragma once

namespace util {

// The processors this process may run on now (its CPU affinity); at least 1.
int UsableProcessors();

}  // namespace util
