#include "storage/SettingsText.h"

namespace korvat::storage {
namespace {

std::string_view trim(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

std::optional<uint32_t> parseDecimal(std::string_view s) {
    if (s.empty()) {
        return std::nullopt;
    }
    uint64_t n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        n = n * 10 + static_cast<uint64_t>(c - '0');
        if (n > UINT32_MAX) {
            return std::nullopt;
        }
    }
    return static_cast<uint32_t>(n);
}

}  // namespace

SettingsText SettingsText::parse(std::string_view text) {
    SettingsText doc;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        doc.lines_.emplace_back(text.substr(0, nl));
        if (nl == std::string_view::npos) {
            break;
        }
        text.remove_prefix(nl + 1);
    }
    return doc;
}

std::optional<size_t> SettingsText::definingLine(std::string_view name) const {
    std::optional<size_t> found;
    for (size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos && trim(line.substr(0, eq)) == name) {
            found = i;
        }
    }
    return found;
}

std::optional<uint32_t> SettingsText::value(std::string_view name) const {
    const std::optional<size_t> line = definingLine(name);
    if (!line) {
        return std::nullopt;
    }
    const std::string_view text = lines_[*line];
    return parseDecimal(trim(text.substr(text.find('=') + 1)));
}

void SettingsText::setValue(std::string_view name, uint32_t value) {
    std::string line = std::string(name) + '=' + std::to_string(value);
    if (const std::optional<size_t> at = definingLine(name)) {
        lines_[*at] = std::move(line);
    } else {
        lines_.push_back(std::move(line));
    }
}

std::string SettingsText::text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += '\n';
    }
    return out;
}

}  // namespace korvat::storage
