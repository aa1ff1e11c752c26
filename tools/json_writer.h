// SPDX-License-Identifier: MIT
#pragma once

// A JSON writer for the build's exports: enough for objects, arrays, strings and numbers.

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace zirev1::json {

// A JSON string; what is not plain printable ASCII passes as UTF-8, except the control
// characters, which JSON must escape.
inline std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char ch : utf8) {
        switch (ch) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(ch) < 0x20) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(ch));
                out += escape;
            } else {
                out += ch;
            }
        }
    }
    return out + '"';
}

// A JSON number, the shortest text that reads back as the same double.
inline std::string number(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return error == std::errc{} ? std::string(buffer, end) : "0";
}

// The members of one JSON object, written in the order they are added.
class Object {
public:
    Object& add(std::string_view key, const std::string& json) {
        m_text += (m_text.empty() ? "" : ", ") + quoted(key) + ": " + json;
        return *this;
    }
    Object& text(std::string_view key, std::string_view value) { return add(key, quoted(value)); }
    Object& number(std::string_view key, double value) { return add(key, json::number(value)); }
    Object& flag(std::string_view key, bool value) { return add(key, value ? "true" : "false"); }
    std::string json() const { return '{' + m_text + '}'; }

private:
    std::string m_text;
};

inline std::string array(const std::vector<std::string>& items, std::string_view separator = ", ") {
    std::string out = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        out += (i == 0 ? "" : std::string(separator)) + items[i];
    }
    return out + ']';
}

} // namespace zirev1::json
