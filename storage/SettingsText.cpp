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

// The line (without its '\n') that counts for name; empty data() when there is none.
std::string_view lastLineNaming(std::string_view text, std::string_view name) {
    std::string_view found;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        const std::string_view line = text.substr(0, nl);
        const size_t eq = line.find('=');
        if (eq != std::string_view::npos && trim(line.substr(0, eq)) == name) {
            found = line;
        }
        text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
    }
    return found;
}

}  // namespace

std::optional<uint32_t> findSetting(std::string_view text, std::string_view name) {
    const std::string_view line = lastLineNaming(text, name);
    if (line.data() == nullptr) {
        return std::nullopt;
    }
    const std::string_view digits = trim(line.substr(line.find('=') + 1));
    if (digits.empty()) {
        return std::nullopt;
    }
    uint64_t n = 0;
    for (const char c : digits) {
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

std::string withSetting(std::string_view text, std::string_view name, uint32_t value) {
    const std::string line = std::string(name) + '=' + std::to_string(value);
    const std::string_view old = lastLineNaming(text, name);
    if (old.data() == nullptr) {
        std::string out(text);
        if (!out.empty() && out.back() != '\n') {
            out += '\n';
        }
        return out + line + '\n';
    }
    const size_t at = static_cast<size_t>(old.data() - text.data());
    return std::string(text.substr(0, at)) + line + std::string(text.substr(at + old.size()));
}

}  // namespace korvat::storage
