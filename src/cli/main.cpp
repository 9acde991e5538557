// primorator-cli: the compute engine without a window.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliHistogramView.h"
#include "cli/CliHost.h"
#include "cli/CliOptions.h"
#include "cli/InputNumbers.h"
#include "cli/StreamOutput.h"
#include "engine/OutputBuffer.h"
#include "numlib/NumKernel.h"
#include "stats/HistogramCsv.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitRefused = 2;
constexpr int kExitInterrupted = 130;  // 128 + SIGINT, as shells report it

int ExitStatus(engine::RunOutcome outcome) {
    switch (outcome) {
        case engine::RunOutcome::Refused:
            return kExitRefused;
        case engine::RunOutcome::Failed:
            return kExitFailed;
        case engine::RunOutcome::Completed:
            break;
    }
    return cli::CliHost::Interrupted() ? kExitInterrupted : 0;
}

void Report(const std::string& text) {
    std::fprintf(stderr, "%s%s\n", cli::kMessagePrefix, text.c_str());
}

// The run of START .. END; `writeError` gets why the output could not be written.
engine::RunOutcome RunRange(const cli::CliOptions& options, const numlib::NumKernel& kernel,
                            cli::CliHistogramView& histogram, std::string& writeError) {
    if (!options.limit) {
        // Lines stream out as they are made, gathered into large writes.
        cli::StreamOutput output(stdout);
        cli::CliHost host(options, output, stderr);
        host.SetHistogramView(&histogram);
        const engine::RunOutcome outcome = host.Run(kernel);
        output.Flush();
        writeError = output.WriteError();
        return outcome;
    }
    // The window's output: cut at its limit with its messages, written at the end.
    engine::OutputBuffer output;
    cli::CliHost host(options, output, stderr);
    host.SetHistogramView(&histogram);
    const engine::RunOutcome outcome = host.Run(kernel);
    writeError = cli::WriteAndFlush(stdout, cli::WithLineEnds(output.Text(), options.crlf));
    return outcome;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    std::optional<cli::CliOptions> options = cli::ParseArguments(arguments, error);
    if (!options) {
        Report(error);
        std::fputs("Try 'primorator-cli --help'.\n", stderr);
        return kExitRefused;
    }
    if (options->help || options->version) {
        char version[64];
        std::snprintf(version, sizeof version, "primorator-cli %d.%d9\n", PRIMORATOR_VERSION_MAJOR,
                      PRIMORATOR_VERSION_MINOR);
        const std::string failure =
            cli::WriteAndFlush(stdout, options->help ? cli::UsageText() : version);
        if (failure.empty()) return 0;
        Report("cannot write the output: " + failure);
        return kExitFailed;
    }

    const numlib::NumKernel* kernel = nullptr;
    try {
        kernel = &numlib::NumKernel::Instance();
        kernel->SetSieveThreads(options->threads);
    } catch (const numlib::KernelLoadError& failure) {
        Report(failure.what());
        return kExitFailed;
    }
    if (options->startText.empty()) {
        return cli::FactorInputNumbers(*options, *kernel, stdin, stdout, stderr);
    }

    cli::CliHost::InstallInterruptHandler();
    cli::StreamMessages histogramMessages(stderr);
    cli::LoadedPictureDrawer picture;
    if (!options->imageFile.empty()) {
        std::string failure;
        picture = cli::LoadPictureDrawer(histogramMessages, failure);
        if (!picture.drawer) {
            Report(failure);
            return kExitFailed;
        }
    }
    cli::CliHistogramView histogram(options->binsEntry, options->separator, histogramMessages,
                                    picture.drawer.get());
    std::string writeError;
    engine::RunOutcome outcome = RunRange(*options, *kernel, histogram, writeError);
    const bool drawn = histogram.Drawn();
    if (writeError.empty() && drawn) {
        writeError = cli::WriteAndFlush(
            stdout, options->csv ? stats::HistogramCsv(histogram.State(), options->binsEntry)
                                 : histogram.Table());
        if (writeError.empty() && picture.drawer && outcome == engine::RunOutcome::Completed) {
            const std::string failure = histogram.SaveImage(options->imageFile);
            if (!failure.empty()) {
                Report(failure);
                outcome = engine::RunOutcome::Failed;
            }
        }
    }
    if (!writeError.empty()) {
        Report("cannot write the output: " + writeError);
        return kExitFailed;
    }
    return ExitStatus(outcome);
}
