#pragma once

#include <string>

#include "engine/OutputText.h"

namespace engine {

// An output text held in memory: the command-line tool's and the tests'.
class OutputBuffer : public OutputText {
public:
    OutputBuffer() = default;
    explicit OutputBuffer(std::string text) : m_text(std::move(text)) {}

    void Append(std::string_view text) override { m_text.append(text); }
    size_t Length() const override { return m_text.size(); }
    void KeepFirst(size_t count) override {
        if (count < m_text.size()) m_text.resize(count);
    }

    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};

}  // namespace engine
