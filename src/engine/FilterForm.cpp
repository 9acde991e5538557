#include "engine/FilterForm.h"

namespace engine {

char OperatorSymbol(FilterOperator op) {
    switch (op) {
        case FilterOperator::Multiply:
            return '*';
        case FilterOperator::Divide:
            return '/';
        case FilterOperator::Power:
            break;
    }
    return '^';
}

std::string_view SignText(FilterSign sign) {
    switch (sign) {
        case FilterSign::Plus:
            return "+";
        case FilterSign::Minus:
            return "-";
        case FilterSign::Both:
            break;
    }
    return "+|-";
}

FilterForm ParseFilterCaption(std::string_view caption) {
    const auto contains = [&](std::string_view piece) {
        return caption.find(piece) != std::string_view::npos;
    };
    FilterForm form;
    form.op = contains("*")   ? FilterOperator::Multiply
              : contains("/") ? FilterOperator::Divide
                              : FilterOperator::Power;
    form.sign = contains("+|-") ? FilterSign::Both
                : contains("+") ? FilterSign::Plus
                : contains("-") ? FilterSign::Minus
                                : FilterSign::Both;
    return form;
}

std::string FilterCaption(const FilterForm& form) {
    std::string caption(1, OperatorSymbol(form.op));
    caption += " N   ";
    caption += SignText(form.sign);
    return caption;
}

}  // namespace engine
