// SPDX-License-Identifier: MIT
#include "line_reader.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <unistd.h>

namespace zirev1 {

LineReader::LineReader(int fd, std::size_t maxLineLength)
    : m_fd(fd), m_maxLineLength(maxLineLength), m_buffer(1 << 16) {}

bool LineReader::fill() {
    while (true) {
        const ssize_t got = ::read(m_fd, m_buffer.data(), m_buffer.size());
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            throw std::system_error(errno, std::generic_category(), "read");
        }
        m_begin = 0;
        m_end = static_cast<std::size_t>(got);
        m_eof = got == 0;
        return !m_eof;
    }
}

LineReader::Line LineReader::finish(std::string_view text, bool tooLong) {
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    return {tooLong ? std::string_view() : text, tooLong};
}

std::optional<LineReader::Line> LineReader::next() {
    m_pending.clear();
    bool tooLong = false;
    bool started = false;
    while (true) {
        if (m_begin == m_end && (m_eof || !fill())) {
            if (!started) {
                return std::nullopt;
            }
            return finish(m_pending, tooLong);
        }
        started = true;
        const char* chunk = m_buffer.data() + m_begin;
        const std::size_t available = m_end - m_begin;
        const auto* newline = static_cast<const char*>(std::memchr(chunk, '\n', available));
        const std::size_t length = newline ? static_cast<std::size_t>(newline - chunk) : available;
        m_begin += newline ? length + 1 : length;

        // The common case, a whole line inside the buffer, is passed on without a copy.
        if (newline && m_pending.empty() && !tooLong) {
            return finish(std::string_view(chunk, length), length > m_maxLineLength);
        }
        if (!tooLong && m_pending.size() + length > m_maxLineLength) {
            tooLong = true;
            m_pending.clear();
            m_pending.shrink_to_fit();
        }
        if (!tooLong) {
            m_pending.append(chunk, length);
        }
        if (newline) {
            return finish(m_pending, tooLong);
        }
    }
}

} // namespace zirev1
