#include "engine/Filter.h"

namespace engine {

std::string FilterDescription(const FilterForm& form, int32_t b, std::string_view aText,
                              std::string_view bText) {
    std::string text(aText);
    text += OperatorSymbol(form.op);
    text += "N ";
    if (b > 0) {
        text += SignText(form.sign);
        text += ' ';
        text += bText;
    }
    return text;
}

}  // namespace engine
