#pragma once

#include "format/Separator.h"

namespace persist {

// How the window's choices are written as the state file's integers, and what
// those integers select again on restore. The separator is written with
// format::SeparatorCode (44, 32, 39, 0).

// 44 selects Comma, 32 Space, 39 Apostrophe; any other code (0 among them) None.
constexpr format::Separator SeparatorFromCode(int code) {
    switch (code) {
        case ',':
            return format::Separator::Comma;
        case ' ':
            return format::Separator::Space;
        case '\'':
            return format::Separator::Apostrophe;
        default:
            return format::Separator::None;
    }
}

// A mode option is written -1 when selected, else 0, and selected on restore
// only by -1.
constexpr int OptionValue(bool selected) { return selected ? -1 : 0; }
constexpr bool IsOptionSelected(int value) { return value == -1; }

// A check box is written 1 when checked, else 0, and checked on restore by any
// value but 0.
constexpr int CheckBoxValue(bool checked) { return checked ? 1 : 0; }
constexpr bool IsCheckBoxChecked(int value) { return value != 0; }

}  // namespace persist
