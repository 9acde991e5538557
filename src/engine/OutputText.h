#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace engine {

// The output window's text as a run sees it. Lengths count characters with
// each line end "\r\n" as two, exactly as the limit and the state file see it.
class OutputText {
public:
    virtual ~OutputText() = default;
    virtual void Append(std::string_view text) = 0;
    // The texts one after the other; an output that streams out may write
    // them where they lie, without gathering them first.
    virtual void AppendPieces(std::span<const std::string_view> pieces) {
        for (std::string_view piece : pieces) Append(piece);
    }
    virtual size_t Length() const = 0;
    virtual void KeepFirst(size_t count) = 0;
    // A text that streams out as it is written (the command-line tool's
    // --no-limit) has no output limit and cannot be cut.
    virtual bool Limited() const { return true; }
    // A text that streams out and could not be written (a full disk, a
    // closed pipe): what follows is dropped, and the run is stopped.
    virtual bool WriteFailed() const { return false; }
};

}  // namespace engine
