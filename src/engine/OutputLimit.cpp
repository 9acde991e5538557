#include "engine/OutputLimit.h"

#include <string>

namespace engine {

void CutAndAppend(OutputText& output, std::string_view note) {
    size_t length = output.Length();
    output.KeepFirst(length > kCutOnFull ? length - kCutOnFull : 0);
    output.Append(note);
}

bool CheckOutputLimit(OutputText& output, MessageSink& messages) {
    if (!output.Limited() || output.Length() <= kOutputLimit) return false;
    messages.ShowMessage({"Cannot continue because the text buffer is full.", "Out of memory",
                          MessageIcon::Warning});
    CutAndAppend(output, "\r\n\r\nBuffer full.\r\n");
    return true;
}

}  // namespace engine
