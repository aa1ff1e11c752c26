// SPDX-License-Identifier: MIT
#pragma once

// A JSON writer for the build's exports: enough for objects, arrays, strings and numbers.

#include "json_text.h"

#include <charconv>
#include <string>
#include <string_view>

namespace zirev1::json {

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

} // namespace zirev1::json
