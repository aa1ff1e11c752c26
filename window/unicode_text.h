// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace zirev1 {

// The form's one codec: its texts are UTF-8; Win32 and the keystroke rule take UTF-16. What is
// malformed in either becomes U+FFFD, never a byte or a unit of its own.

// The next code point of a UTF-8 text, advancing `at`; a malformed byte counts as U+FFFD, and so
// does each byte of an overlong form, of a surrogate and of a code beyond U+10FFFF.
constexpr char32_t nextCodePoint(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    const int length = lead < 0x80         ? 1
                       : (lead >> 5) == 6  ? 2
                       : (lead >> 4) == 14 ? 3
                       : (lead >> 3) == 30 ? 4
                                           : 0;
    if (length == 0 || at + static_cast<std::size_t>(length) > text.size()) {
        ++at;
        return U'\uFFFD';
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        if ((byte(at + static_cast<std::size_t>(i)) & 0xC0) != 0x80) {
            ++at;
            return U'\uFFFD';
        }
        code = (code << 6) | (byte(at + static_cast<std::size_t>(i)) & 0x3F);
    }
    constexpr char32_t LEAST[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < LEAST[length] || (code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF) {
        ++at;
        return U'\uFFFD';
    }
    at += static_cast<std::size_t>(length);
    return code;
}

// The next code point of a UTF-16 text, advancing `at`; a lone surrogate counts as U+FFFD.
constexpr char32_t nextCodePoint(std::u16string_view text, std::size_t& at) {
    const char32_t unit = text[at++];
    if (unit < 0xD800 || unit > 0xDFFF) {
        return unit;
    }
    if (unit < 0xDC00 && at < text.size() && text[at] >= 0xDC00 && text[at] <= 0xDFFF) {
        return 0x10000 + ((unit - 0xD800) << 10) + (text[at++] - 0xDC00);
    }
    return U'\uFFFD';
}

constexpr void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

constexpr void appendUtf16(std::u16string& out, char32_t code) {
    if (code < 0x10000) {
        out += static_cast<char16_t>(code);
    } else {
        out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
        out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
}

// Not constexpr, as libc++ 14 (the WebAssembly module's) has no constant-evaluated strings.
inline std::u16string toUtf16(std::string_view utf8) {
    std::u16string out;
    for (std::size_t at = 0; at < utf8.size();) {
        appendUtf16(out, nextCodePoint(utf8, at));
    }
    return out;
}

inline std::string toUtf8(std::u16string_view utf16) {
    std::string out;
    for (std::size_t at = 0; at < utf16.size();) {
        appendUtf8(out, nextCodePoint(utf16, at));
    }
    return out;
}

} // namespace zirev1
