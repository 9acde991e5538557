// primorator-cli: the compute engine without a window.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "cli/CliHistogramView.h"
#include "cli/CliHost.h"
#include "cli/CliOptions.h"
#include "cli/StreamOutput.h"
#include "engine/ComputeDriver.h"
#include "engine/OutputBuffer.h"
#include "numlib/NumKernel.h"

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitRefused = 2;

int ExitStatus(engine::RunOutcome outcome) {
    switch (outcome) {
        case engine::RunOutcome::Refused:
            return kExitRefused;
        case engine::RunOutcome::Failed:
            return kExitFailed;
        case engine::RunOutcome::Completed:
            break;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    std::optional<cli::CliOptions> options = cli::ParseArguments(arguments, error);
    if (!options) {
        std::fprintf(stderr, "primorator-cli: %s\nTry 'primorator-cli --help'.\n", error.c_str());
        return kExitRefused;
    }
    if (options->help) {
        std::fputs(cli::UsageText().c_str(), stdout);
        return 0;
    }
    if (options->version) {
        std::puts("primorator-cli 11.09");
        return 0;
    }

    const numlib::NumKernel* kernel = nullptr;
    try {
        kernel = &numlib::NumKernel::Instance();
        kernel->SetSieveThreads(options->threads);
    } catch (const numlib::KernelLoadError& failure) {
        std::fprintf(stderr, "primorator-cli: %s\n", failure.what());
        return kExitFailed;
    }

    cli::CliHost::InstallInterruptHandler();
    // Drawing a picture needs the fonts of a GUI application, without a screen.
    std::unique_ptr<QGuiApplication> gui;
    if (!options->imageFile.empty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int guiArgc = 1;
        gui = std::make_unique<QGuiApplication>(guiArgc, argv);
    }
    cli::StreamMessages histogramMessages(stderr);
    cli::CliHistogramView histogram(options->binsEntry, options->separator, histogramMessages,
                                    gui != nullptr);
    engine::RunOutcome outcome;
    std::string writeError;
    if (options->noLimit) {
        // Lines stream out as they are made, gathered into large writes.
        cli::StreamOutput output(stdout, options->crlf);
        cli::CliHost host(*options, output, stderr);
        host.SetHistogramView(&histogram);
        outcome = host.Run(*kernel);
        output.Flush();
        writeError = output.WriteError();
    } else {
        engine::OutputBuffer output;
        cli::CliHost host(*options, output, stderr);
        host.SetHistogramView(&histogram);
        outcome = host.Run(*kernel);
        writeError = cli::WriteAndFlush(stdout, cli::WithLineEnds(output.Text(), options->crlf));
    }
    if (writeError.empty() && engine::IsGraphMode(options->mode)) {
        writeError = cli::WriteAndFlush(stdout, histogram.Table());
        if (writeError.empty() && gui != nullptr && outcome == engine::RunOutcome::Completed) {
            const std::string failure = histogram.SaveImage(options->imageFile);
            if (!failure.empty()) {
                std::fprintf(stderr, "primorator-cli: %s\n", failure.c_str());
                outcome = engine::RunOutcome::Failed;
            }
        }
    }
    if (!writeError.empty()) {
        std::fprintf(stderr, "primorator-cli: cannot write the output: %s\n", writeError.c_str());
        return kExitFailed;
    }
    return ExitStatus(outcome);
}
