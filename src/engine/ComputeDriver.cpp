#include "engine/ComputeDriver.h"

#include <optional>

#include "engine/FilterChecks.h"
#include "engine/Scan.h"
#include "format/NumberText.h"

namespace engine {

namespace {

// Validation of a request, in the order the refusals take precedence.
// Returns the run's plan, or nothing when the request was refused.
std::optional<ScanPlan> Validate(ComputeHost& host, ComputeRequest& request) {
    MessageSink& messages = host.Messages();
    auto refuse = [&](std::string text) {
        messages.ShowMessage({std::move(text)});
        host.SetInputFocus();
        return std::nullopt;
    };

    if (request.startText.empty() && request.endText.empty()) {
        messages.ShowMessage({"Nothing to do!"});
        host.FocusStartField();
        return std::nullopt;
    }
    ScanPlan plan;
    plan.request = request;
    plan.start = format::ParseNumberText(request.startText);
    plan.end = request.endText.empty() ? plan.start : format::ParseNumberText(request.endText);
    plan.mode = request.mode;

    if (plan.mode == ComputeMode::DoNPFGraph && plan.start < 2) {
        return refuse("Start number must be at least 2.");
    }
    if (plan.mode == ComputeMode::DoEKGraph && plan.start < 1000000) {
        return refuse("Start number must be at least " +
                      format::FormatNumber(1000000, request.separator));
    }
    host.Flags().scanStart = plan.start;

    std::optional<std::string> rangeRefusal;
    if (plan.start <= 0) {
        rangeRefusal = "Start number invalid.";
    } else if (plan.end < 1) {
        rangeRefusal = "End number invalid.";
    } else if (plan.end < plan.start) {
        rangeRefusal = "End number must not be less than start number.";
    }
    if (rangeRefusal) {
        messages.ShowMessage({*rangeRefusal});
        host.Output().MoveCaretToEnd();
        host.SetInputFocus();
        return std::nullopt;
    }

    // A single number is always factored (the all-factors mode keeps it).
    if (plan.end == plan.start && plan.mode != ComputeMode::DisplayAllFactors) {
        if (plan.mode == ComputeMode::DoNPFGraph || plan.mode == ComputeMode::DoEKGraph) {
            return refuse("End number must be greater than start number.");
        }
        if (plan.mode != ComputeMode::DisplayAllNumbers) {
            plan.mode = ComputeMode::DisplayAllNumbers;
            host.SelectMode(plan.mode);
        }
    }

    plan.form = ParseFilterCaption(request.filterCaption);
    FilterReading reading = ReadFilter(request.filterAText, request.filterBText, plan.form);
    if (reading.writeZeroIntoB) {
        plan.request.filterBText = "0";
        host.SetFilterBText("0");
    }
    if (reading.refusal) return refuse(*reading.refusal);
    if (reading.filter) {
        if (auto refusal = CheckFilter(*reading.filter, plan.start, plan.end, plan.mode)) {
            return refuse(*refusal);
        }
        plan.filter = reading.filter;
    }
    return plan;
}

}  // namespace

RunOutcome RunCompute(ComputeHost& host, const numlib::NumKernel& kernel) {
    if (!host.NormalizeNumberFields()) return RunOutcome::Refused;
    ComputeRequest request = host.ReadRequest();
    std::optional<ScanPlan> plan = Validate(host, request);
    if (!plan) return RunOutcome::Refused;
    Scan scan(host, kernel, *plan);
    return scan.Run();
}

RunOutcome RunCompute(ComputeHost& host) { return RunCompute(host, numlib::NumKernel::Instance()); }

}  // namespace engine
