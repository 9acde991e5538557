#pragma once

// Data for the histogram tests: runs gathered through the engine's
// HistogramRun from factorisations by trial division, and hand-made states.

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "engine/ComputeMode.h"
#include "engine/HistogramState.h"
#include "engine/Message.h"

namespace stats_test {

// The numbers first .. last (first >= 1) gathered as the scan gathers them
// for the histogram `mode`, without renderings.
engine::HistogramState Gather(engine::ComputeMode mode, int32_t first, int32_t last);

// An EK state with the given counts by bin index in the 96-bin setting
// (entry 4) and the given statistics.
engine::HistogramState EkState(const std::map<int, int32_t>& counts, double mean, double sd,
                               int32_t gathered);

class RecordedMessages : public engine::MessageSink {
public:
    void ShowMessage(const engine::Message& message) override { messages.push_back(message); }
    std::vector<engine::Message> messages;
};

}  // namespace stats_test
