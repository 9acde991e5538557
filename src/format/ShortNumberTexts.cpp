#include "format/ShortNumberTexts.h"

#include <array>
#include <bit>
#include <memory>
#include <mutex>

#include "format/NumberText.h"

namespace format {

ShortNumberTexts::ShortNumberTexts(format::Separator separator)
    : m_separator(separator), m_entries(kCount) {
    static_assert(std::endian::native == std::endian::little);
    for (uint32_t n = 0; n < kCount; ++n) {
        std::array<char, kNumberRoom> text{};
        const char* end = WriteNumber(text.data(), static_cast<int32_t>(n), separator);
        uint64_t entry = 0;
        std::memcpy(&entry, text.data(), static_cast<size_t>(end - text.data()));  // at most 6
        m_entries[n] = entry | static_cast<uint64_t>(end - text.data()) << 56;
    }
}

const ShortNumberTexts& ShortNumberTexts::For(format::Separator separator) {
    static constexpr size_t kSeparators = static_cast<size_t>(format::Separator::None) + 1;
    static std::array<std::once_flag, kSeparators> made;
    static std::array<std::unique_ptr<const ShortNumberTexts>, kSeparators> tables;
    const auto at = static_cast<size_t>(separator);
    std::call_once(made[at], [&] { tables[at].reset(new ShortNumberTexts(separator)); });
    return *tables[at];
}

}  // namespace format
