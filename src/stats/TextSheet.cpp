#include "stats/TextSheet.h"

#include <cmath>

namespace stats {

namespace {

std::string RowLine(const std::vector<TextSheet::Item>& items) {
    std::string line;
    for (const TextSheet::Item& item : items) {
        // The x of a right-aligned text is no multiple of 7; the nearest column keeps its end.
        const long column = std::lround((item.x - kCharWidth) / static_cast<double>(kCharWidth));
        for (size_t i = 0; i < item.text.size(); ++i) {
            const long at = column + static_cast<long>(i);
            if (at < 0) continue;
            const size_t position = static_cast<size_t>(at);
            if (line.size() <= position) line.resize(position + 1, ' ');
            line[position] = item.text[i];
        }
    }
    const size_t end = line.find_last_not_of(' ');
    line.erase(end == std::string::npos ? 0 : end + 1);
    return line;
}

}  // namespace

void TextSheet::PrintAt(const std::string& text, int row, int x) {
    m_rows[row].push_back({x, text});
}

std::vector<TextSheet::Item> TextSheet::RowItems(int row) const {
    const auto found = m_rows.find(row);
    return found == m_rows.end() ? std::vector<Item>{} : found->second;
}

std::vector<std::string> TextSheet::Lines() const {
    std::vector<std::string> lines;
    int previousRow = 0;
    for (const auto& [row, items] : m_rows) {
        std::string line = RowLine(items);
        if (line.empty()) continue;
        if (!lines.empty() && row > previousRow + 1) lines.emplace_back();
        lines.push_back(std::move(line));
        previousRow = row;
    }
    return lines;
}

}  // namespace stats
