#include "cli/CliOptions.h"

#include <algorithm>
#include <map>

namespace cli {

namespace {

const std::map<std::string, engine::ComputeMode, std::less<>>& ModeOptions() {
    static const std::map<std::string, engine::ComputeMode, std::less<>> modes = {
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

std::optional<format::Separator> SeparatorNamed(std::string_view name) {
    if (name == "comma") return format::Separator::Comma;
    if (name == "space") return format::Separator::Space;
    if (name == "apostrophe") return format::Separator::Apostrophe;
    if (name == "none") return format::Separator::None;
    return std::nullopt;
}

// The options that take a value, as "--name value" or "--name=value".
bool TakesValue(std::string_view name) {
    return name == "--separator" || name == "--filter" || name == "--bins" || name == "--threads" ||
           name == "--image";
}

// The on/off options, by name; null for any other name.
bool* FlagNamed(CliOptions& options, std::string_view name) {
    if (name == "--show-color") return &options.showColor;
    if (name == "--show-count") return &options.showCount;
    if (name == "--limit") return &options.limit;
    if (name == "--bare") return &options.bare;
    if (name == "--csv") return &options.csv;
    if (name == "--crlf") return &options.crlf;
    if (name == "--help" || name == "-h") return &options.help;
    if (name == "--version" || name == "-V") return &options.version;
    // Streaming is the default now; scripts may still ask for it.
    static bool noLimit = false;
    if (name == "--no-limit") return &noLimit;
    return nullptr;
}

// Reads the value of an option that takes one; false with `error` set.
bool ReadValue(CliOptions& options, std::string_view name, const std::string& value,
               std::string& error) {
    if (name == "--separator") {
        const auto separator = SeparatorNamed(value);
        if (!separator) {
            error = "--separator takes comma, space, apostrophe or none, not '" + value + "'";
            return false;
        }
        options.separator = *separator;
        options.separatorGiven = true;
    } else if (name == "--filter") {
        std::string why;
        options.filter = ParseFilterExpression(value, why);
        if (!options.filter) {
            error = "--filter '" + value + "': " + why;
            return false;
        }
    } else if (name == "--bins") {
        options.binsEntry = -1;
        for (size_t k = 0; k < engine::kBinsList.size(); ++k) {
            if (value == std::to_string(engine::kBinsList[k]))
                options.binsEntry = static_cast<int>(k);
        }
        if (options.binsEntry < 0) {
            error = "--bins takes 40, 48, 60, 80, 96, 120, 160 or 240, not '" + value + "'";
            return false;
        }
    } else if (name == "--threads") {
        if (value != "1" && value != "2") {
            error = "--threads takes 1 or 2, not '" + value + "'";
            return false;
        }
        options.threads = value == "1" ? 1 : 2;
    } else if (name == "--image") {
        if (value.empty()) {
            error = "--image needs a file name";
            return false;
        }
        options.imageFile = value;
    }
    return true;
}

// The mode of the mode options given: one of them, or --count with --pairs,
// which counts the prime pairs.
bool ChooseMode(CliOptions& options, const std::vector<engine::ComputeMode>& given,
                std::string& error) {
    using engine::ComputeMode;
    std::vector<ComputeMode> modes = given;
    std::sort(modes.begin(), modes.end());
    modes.erase(std::unique(modes.begin(), modes.end()), modes.end());
    if (modes.empty()) return true;
    if (modes.size() == 2 && std::count(modes.begin(), modes.end(), ComputeMode::CountPrimesOnly) &&
        std::count(modes.begin(), modes.end(), ComputeMode::DisplayPrimePairsOnly)) {
        options.mode = ComputeMode::DisplayPrimePairsOnly;
        options.countPairs = true;
        return true;
    }
    if (modes.size() > 1) {
        error = "only one mode may be given (or --count with --pairs)";
        return false;
    }
    options.mode = modes[0];
    return true;
}

// The checks of the options against each other and the numbers.
bool CheckTogether(CliOptions& options, const std::vector<std::string>& numbers,
                   std::string& error) {
    const bool graph = engine::IsGraphMode(options.mode);
    if (!options.imageFile.empty() && !graph) {
        error = "--image goes with --npf, --ek or --pc";
        return false;
    }
    if (options.csv && !graph) {
        error = "--csv goes with --npf, --ek or --pc";
        return false;
    }
    if (numbers.size() > 2) {
        error = "at most a start and an end number may be given";
        return false;
    }
    const char* names[] = {"START", "END"};
    for (size_t i = 0; i < numbers.size(); ++i) {
        error = NumberTextError(numbers[i], names[i]);
        if (!error.empty()) return false;
    }
    const bool lineByNumber = options.mode == engine::ComputeMode::DisplayAllNumbers ||
                              options.mode == engine::ComputeMode::DisplayAllFactors;
    if (numbers.empty() && (!lineByNumber || options.filter)) {
        error =
            "a start number is needed (numbers are read from standard input with "
            "--factor or --divisors and no filter)";
        return false;
    }
    if (!numbers.empty()) options.startText = numbers[0];
    if (numbers.size() == 2) options.endText = numbers[1];
    // Script output has no grouping unless one is asked for.
    if (options.bare && !options.separatorGiven) options.separator = format::Separator::None;
    return true;
}

}  // namespace

std::string NumberTextError(std::string_view text, std::string_view what) {
    bool digit = false;
    bool other = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if (c != ',' && c != '\'' && c != ' ') {
            other = true;
        }
    }
    if (digit && !other) return {};
    return std::string(what) + " '" + std::string(text) +
           "' is not a whole number (digits, with , ' or blanks among them)";
}

std::optional<CliOptions> ParseArguments(const std::vector<std::string>& arguments,
                                         std::string& error) {
    CliOptions options;
    std::vector<engine::ComputeMode> modes;
    std::vector<std::string> numbers;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& arg = arguments[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            numbers.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = arg.starts_with("--") ? arg.find('=') : std::string::npos;
        const std::string name = arg.substr(0, equals);
        const auto mode = ModeOptions().find(name);
        bool* flag = FlagNamed(options, name);
        if (TakesValue(name)) {
            std::string value;
            if (equals != std::string::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < arguments.size()) {
                value = arguments[++i];
            } else {
                error = name + " needs a value";
                return std::nullopt;
            }
            if (!ReadValue(options, name, value, error)) return std::nullopt;
        } else if (mode == ModeOptions().end() && flag == nullptr) {
            error = "unknown option '" + name + "'";
            return std::nullopt;
        } else if (equals != std::string::npos) {
            error = "option '" + name + "' takes no value";
            return std::nullopt;
        } else if (flag != nullptr) {
            *flag = true;
        } else {
            modes.push_back(mode->second);
        }
    }
    if (!ChooseMode(options, modes, error)) return std::nullopt;
    if (options.help || options.version) return options;
    if (!CheckTogether(options, numbers, error)) return std::nullopt;
    return options;
}

}  // namespace cli
