// The command line of primorator-cli: ParseArguments on an argument list cut
// from the input at its NUL bytes, and ParseFilterExpression on the whole
// input.
//
// The expression written again from an accepted filter's fields (with and
// without blanks, with N in either case) parses back to the same fields.

#include <string>
#include <string_view>
#include <vector>

#include "FuzzCheck.h"
#include "cli/CliOptions.h"
#include "cli/FilterExpression.h"

namespace {

std::string Show(const cli::FilterFields& f) {
    return "{\"" + f.aText + "\", \"" + engine::FilterCaption(f.form) + "\", \"" + f.bText + "\"}";
}

// The expression of `fields`: a, the operator, N, and the sign and b when b
// was given.
std::string Expression(const cli::FilterFields& fields, std::string_view blank, char letter) {
    std::string text = fields.aText;
    text += blank;
    text += engine::OperatorSymbol(fields.form.op);
    text += blank;
    text += letter;
    if (!fields.bText.empty()) {
        text += blank;
        text += engine::SignText(fields.form.sign);
        text += blank;
        text += fields.bText;
    }
    return text;
}

void CheckAcceptedFilter(const cli::FilterFields& fields) {
    for (std::string_view blank : {"", " ", " \t "}) {
        for (char letter : {'N', 'n'}) {
            const std::string text = Expression(fields, blank, letter);
            std::string error;
            const std::optional<cli::FilterFields> again = cli::ParseFilterExpression(text, error);
            FUZZ_CHECK(again.has_value(),
                       "\"" + text + "\" (written from " + Show(fields) + ") is refused: " + error);
            FUZZ_CHECK(again->aText == fields.aText && again->form == fields.form &&
                           again->bText == fields.bText,
                       "\"" + text + "\" gave " + Show(*again) + ", not " + Show(fields));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);

    std::string error;
    if (const auto fields = cli::ParseFilterExpression(input, error)) {
        CheckAcceptedFilter(*fields);
    } else {
        FUZZ_CHECK(!error.empty(), "\"" + std::string(input) + "\" refused without a reason");
    }

    std::vector<std::string> arguments;
    std::size_t begin = 0;
    while (begin <= input.size()) {
        std::size_t end = input.find('\0', begin);
        if (end == std::string_view::npos) end = input.size();
        arguments.emplace_back(input.substr(begin, end - begin));
        begin = end + 1;
    }
    error.clear();
    const std::optional<cli::CliOptions> options = cli::ParseArguments(arguments, error);
    if (!options) {
        FUZZ_CHECK(!error.empty(), "a command line refused without a reason");
    } else if (options->filter) {
        CheckAcceptedFilter(*options->filter);
    }
    return 0;
}
