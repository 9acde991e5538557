#include "cli/FilterExpression.h"

namespace cli {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNumberChar(char c) { return IsDigit(c) || c == ',' || c == '\''; }

}  // namespace

std::optional<FilterFields> ParseFilterExpression(std::string_view text, std::string& error) {
    std::string s;
    for (char c : text) {
        if (c != ' ' && c != '\t') s += c;
    }
    size_t i = 0;
    auto number = [&] {
        size_t begin = i;
        while (i < s.size() && IsNumberChar(s[i])) ++i;
        return s.substr(begin, i - begin);
    };
    FilterFields fields;
    fields.aText = number();
    if (fields.aText.empty()) {
        error = "the filter must begin with the number a";
        return std::nullopt;
    }
    // A number made of separators alone would read as an empty field: no filter at all.
    if (!IsDigit(fields.aText.front())) {
        error = "the number a must begin with a digit";
        return std::nullopt;
    }
    if (i >= s.size() || (s[i] != '*' && s[i] != '/' && s[i] != '^')) {
        error = "the number a must be followed by one of the operators * / ^";
        return std::nullopt;
    }
    const char symbol = s[i++];
    fields.form.op = symbol == '*'   ? engine::FilterOperator::Multiply
                     : symbol == '/' ? engine::FilterOperator::Divide
                                     : engine::FilterOperator::Power;
    if (i >= s.size() || (s[i] != 'N' && s[i] != 'n')) {
        error = "the operator must be followed by the letter N";
        return std::nullopt;
    }
    ++i;
    fields.form.sign = engine::FilterSign::Plus;
    if (i < s.size()) {
        if (s.compare(i, 3, "+|-") == 0) {
            fields.form.sign = engine::FilterSign::Both;
            i += 3;
        } else if (s[i] == '+' || s[i] == '-') {
            fields.form.sign = s[i] == '+' ? engine::FilterSign::Plus : engine::FilterSign::Minus;
            ++i;
        } else {
            error = "N must be followed by a sign + - or +|-";
            return std::nullopt;
        }
        fields.bText = number();
        if (fields.bText.empty()) {
            error = "the sign must be followed by the number b";
            return std::nullopt;
        }
        if (!IsDigit(fields.bText.front())) {
            error = "the number b must begin with a digit";
            return std::nullopt;
        }
        if (i != s.size()) {
            error = "unexpected text after the number b";
            return std::nullopt;
        }
    }
    return fields;
}

}  // namespace cli
