#include "engine/ComputeDriver.h"

#include <optional>
#include <string>

#include "engine/FilterChecks.h"
#include "engine/Scan.h"
#include "format/NumberText.h"

namespace engine {

namespace {

struct Refusal {
    std::string message;
    RefusalSubject subject = RefusalSubject::Request;
};

// Validation of a request, in the order the refusals take precedence: the
// run's plan, or the refusal. `result` learns the mode the run keeps and
// whether b was read as 0.
std::optional<Refusal> Validate(const ComputeRequest& request, ScanPlan& plan, RunResult& result) {
    if (request.startText.empty() && request.endText.empty()) {
        return Refusal{"Nothing to do!", RefusalSubject::StartField};
    }
    plan.request = request;
    plan.start = format::ParseNumberText(request.startText);
    plan.end = request.endText.empty() ? plan.start : format::ParseNumberText(request.endText);
    plan.mode = request.mode;

    if (plan.mode == ComputeMode::DoNPFGraph && plan.start < 2) {
        return Refusal{"Start number must be at least 2."};
    }
    if (plan.mode == ComputeMode::DoEKGraph && plan.start < 1000000) {
        return Refusal{"Start number must be at least " +
                       format::FormatNumber(1000000, request.separator)};
    }
    if (plan.start <= 0) return Refusal{"Start number invalid.", RefusalSubject::Range};
    if (plan.end < 1) return Refusal{"End number invalid.", RefusalSubject::Range};
    if (plan.end < plan.start) {
        return Refusal{"End number must not be less than start number.", RefusalSubject::Range};
    }

    // A single number is always factored (the all-factors mode keeps it).
    if (plan.end == plan.start && plan.mode != ComputeMode::DisplayAllFactors) {
        if (plan.mode == ComputeMode::DoNPFGraph || plan.mode == ComputeMode::DoEKGraph) {
            return Refusal{"End number must be greater than start number."};
        }
        plan.mode = ComputeMode::DisplayAllNumbers;
        result.mode = plan.mode;
    }

    FilterReading reading =
        ReadFilter(request.filterAText, request.filterBText, request.filterForm);
    if (reading.writeZeroIntoB) {
        plan.request.filterBText = "0";
        result.filterBReadAsZero = true;
    }
    if (reading.refusal) return Refusal{*reading.refusal};
    if (reading.filter) {
        if (auto refusal = CheckFilter(*reading.filter, plan.start, plan.end, plan.mode)) {
            return Refusal{*refusal};
        }
        plan.filter = reading.filter;
    }
    return std::nullopt;
}

}  // namespace

RunResult RunCompute(const ComputeRequest& request, ComputeHost& host,
                     const numlib::NumKernel& kernel) {
    RunResult result;
    result.mode = request.mode;
    ScanPlan plan;
    if (std::optional<Refusal> refusal = Validate(request, plan, result)) {
        host.Messages().ShowMessage({refusal->message});
        result.outcome = RunOutcome::Refused;
        result.refused = refusal->subject;
        return result;
    }
    Scan scan(host, kernel, plan);
    result.outcome = scan.Run();
    return result;
}

RunResult RunCompute(const ComputeRequest& request, ComputeHost& host) {
    return RunCompute(request, host, numlib::NumKernel::Instance());
}

}  // namespace engine
