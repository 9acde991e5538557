#pragma once

namespace format {

// The thousands separator chosen on the window; numbers are written with it.
enum class Separator { Comma, Space, Apostrophe, None };

// The separator's character code as the kernel takes it (0 for None).
constexpr int SeparatorCode(Separator separator) {
    switch (separator) {
        case Separator::Comma:
            return ',';
        case Separator::Space:
            return ' ';
        case Separator::Apostrophe:
            return '\'';
        case Separator::None:
            return 0;
    }
    return 0;
}

}  // namespace format
