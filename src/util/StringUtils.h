#pragma once

#include <string>
#include <string_view>

namespace util {

// Text cleaning for the number fields. Positions are 1-based character
// positions in wide-character texts; characters are compared exactly.

// The position of the first character at or after `start` (below 1 counts as
// 1) that occurs in `set`, or 0 when there is none or the text or the set is
// empty. `setPosition` receives that character's position within `set` (0 when
// none is found).
int FindFirstOf(std::u16string_view text, int start, std::u16string_view set, int& setPosition);
int FindFirstOf(std::u16string_view text, int start, std::u16string_view set);

// The position of the first character at or after `start` (below 1 counts as
// 1) that does not occur in `set`, or 0. An empty text gives 0; an empty set
// gives 1 whatever the start.
int FindFirstNotOf(std::u16string_view text, int start, std::u16string_view set);

// Removes from `text` every character of `set` at or after position `start`;
// the characters before `start` stay. Works run by run of set characters.
void RemoveCharacters(std::u16string& text, std::u16string_view set, int start);

// Removes `prefix` from the front of `text` as many times in a row as it
// occurs there ("000123" with "0" becomes "123"). An empty prefix changes nothing.
void StripLeadingRepeats(std::u16string& text, std::u16string_view prefix);

}  // namespace util
