#include "cli/CliOptions.h"

#include <map>

#include "engine/HistogramState.h"

namespace cli {

namespace {

const std::map<std::string, engine::ComputeMode>& ModeOptions() {
    static const std::map<std::string, engine::ComputeMode> modes = {
        {"--factor", engine::ComputeMode::DisplayAllNumbers},
        {"--primes", engine::ComputeMode::DisplayPrimesOnly},
        {"--pairs", engine::ComputeMode::DisplayPrimePairsOnly},
        {"--count", engine::ComputeMode::CountPrimesOnly},
        {"--divisors", engine::ComputeMode::DisplayAllFactors},
        {"--npf", engine::ComputeMode::DoNPFGraph},
        {"--ek", engine::ComputeMode::DoEKGraph},
        {"--pc", engine::ComputeMode::DoPCGraph},
    };
    return modes;
}

std::optional<format::Separator> SeparatorNamed(const std::string& name) {
    if (name == "comma") return format::Separator::Comma;
    if (name == "space") return format::Separator::Space;
    if (name == "apostrophe") return format::Separator::Apostrophe;
    if (name == "none") return format::Separator::None;
    return std::nullopt;
}

}  // namespace

std::optional<CliOptions> ParseArguments(const std::vector<std::string>& arguments,
                                         std::string& error) {
    CliOptions options;
    std::vector<std::string> numbers;
    bool modeGiven = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        auto value = [&](const char* name) -> std::optional<std::string> {
            if (i + 1 >= arguments.size()) {
                error = std::string(name) + " needs a value";
                return std::nullopt;
            }
            return arguments[++i];
        };
        if (auto mode = ModeOptions().find(arg); mode != ModeOptions().end()) {
            if (modeGiven && options.mode != mode->second) {
                error = "only one mode may be given";
                return std::nullopt;
            }
            options.mode = mode->second;
            modeGiven = true;
        } else if (arg == "--separator") {
            auto name = value("--separator");
            if (!name) return std::nullopt;
            auto separator = SeparatorNamed(*name);
            if (!separator) {
                error = "--separator takes comma, space, apostrophe or none, not '" + *name + "'";
                return std::nullopt;
            }
            options.separator = *separator;
        } else if (arg == "--filter") {
            auto text = value("--filter");
            if (!text) return std::nullopt;
            std::string why;
            options.filter = ParseFilterExpression(*text, why);
            if (!options.filter) {
                error = "--filter '" + *text + "': " + why;
                return std::nullopt;
            }
        } else if (arg == "--bins") {
            auto bins = value("--bins");
            if (!bins) return std::nullopt;
            int entry = -1;
            for (size_t k = 0; k < engine::kBinsList.size(); ++k) {
                if (*bins == std::to_string(engine::kBinsList[k])) entry = static_cast<int>(k);
            }
            if (entry < 0) {
                error = "--bins takes 40, 48, 60, 80, 96, 120, 160 or 240, not '" + *bins + "'";
                return std::nullopt;
            }
            options.binsEntry = entry;
        } else if (arg == "--threads") {
            auto count = value("--threads");
            if (!count) return std::nullopt;
            if (*count != "1" && *count != "2") {
                error = "--threads takes 1 or 2, not '" + *count + "'";
                return std::nullopt;
            }
            options.threads = *count == "1" ? 1 : 2;
        } else if (arg == "--image") {
            auto file = value("--image");
            if (!file) return std::nullopt;
            if (file->empty()) {
                error = "--image needs a file name";
                return std::nullopt;
            }
            options.imageFile = *file;
        } else if (arg == "--show-color") {
            options.showColor = true;
        } else if (arg == "--show-count") {
            options.showCount = true;
        } else if (arg == "--no-limit") {
            options.noLimit = true;
        } else if (arg == "--crlf") {
            options.crlf = true;
        } else if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--version") {
            options.version = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            error = "unknown option '" + arg + "'";
            return std::nullopt;
        } else {
            // Anything else is a number as typed into a field ("-3" included:
            // the engine gives it its message).
            numbers.push_back(arg);
        }
    }
    if (options.help || options.version) return options;
    if (numbers.empty()) {
        error = "a start number is needed";
        return std::nullopt;
    }
    if (!options.imageFile.empty() && !engine::IsGraphMode(options.mode)) {
        error = "--image goes with --npf, --ek or --pc";
        return std::nullopt;
    }
    if (numbers.size() > 2) {
        error = "at most a start and an end number may be given";
        return std::nullopt;
    }
    options.startText = numbers[0];
    if (numbers.size() == 2) options.endText = numbers[1];
    return options;
}

std::string UsageText() {
    return "Usage: primorator-cli [MODE] [OPTIONS] START [END]\n"
           "Factors, lists or counts the primes of START .. END (1 .. 2,147,483,646).\n"
           "\n"
           "MODE:\n"
           "  --factor      the prime decomposition of every number (default)\n"
           "  --primes      the primes only\n"
           "  --pairs       the prime pairs (p, p + 2) only\n"
           "  --count       only count the primes\n"
           "  --divisors    all proper factors of every number\n"
           "  --npf         histogram of the numbers with 1, 2, 3 ... distinct primes\n"
           "  --ek          histogram of the Erdos-Kac values (NPF(n) - ln ln n) / sqrt(ln ln n)\n"
           "  --pc          frequencies of the eight Palmen colors, with a fitted line\n"
           "\n"
           "OPTIONS:\n"
           "  --separator comma|space|apostrophe|none   thousands separator (default comma)\n"
           "  --filter EXPR   only numbers of a form: a, an operator * / ^, the letter N,\n"
           "                  a sign + - or +|-, and b; blanks optional; b may be left out\n"
           "                  ('3*N' means b = 0): '2^N+1', '10 * N - 3', '12/N+|-0'\n"
           "  --bins N        the EK histogram's bins: 40 48 60 80 96 120 (default) 160 240\n"
           "  --image FILE    save a histogram's final picture (BMP, or PNG by the name)\n"
           "  --show-color    show each number's Palmen color\n"
           "  --show-count    show each number's count of distinct primes and EK value\n"
           "  --no-limit      no output limit: lines stream out as they are made\n"
           "  --crlf          end lines with CR LF, as the window does (default LF)\n"
           "  --threads 1|2   work in one thread, or sieve and write lines on a second\n"
           "                  one too (default: two where two processors are free)\n"
           "  --help          this text\n"
           "  --version       the program's version\n"
           "\n"
           "Results go to standard output, messages to standard error. Exit status:\n"
           "0 a run that ended (also when stopped, full or on a filter error),\n"
           "1 an unexpected error, 2 a refused request or a bad command line.\n"
           "Ctrl-C stops the scan and prints its summary; a second Ctrl-C ends at once.\n";
}

}  // namespace cli
