#pragma once

#include <string>

namespace engine {

enum class MessageIcon { None, Information, Warning, Error };

inline constexpr const char* kProgramTitle = "Primorator";

// One modal message: the caller waits until it is confirmed.
struct Message {
    std::string text;
    std::string title = kProgramTitle;
    MessageIcon icon = MessageIcon::None;

    bool operator==(const Message&) const = default;
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowMessage(const Message& message) = 0;
};

}  // namespace engine
