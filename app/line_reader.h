// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zirev1 {

// Reads lines from a file descriptor in bounded memory, whatever the input: a line of more than
// maxLineLength bytes (its newline not counted) is skipped to its end and reported as too long,
// not held. A final line without a
// newline still counts; one CR before the newline is dropped.
class LineReader {
public:
    struct Line {
        std::string_view text; // valid until the next call of next()
        bool tooLong = false;
    };

    LineReader(int fd, std::size_t maxLineLength);

    // The next line, or nothing at the end of input. Throws std::system_error on a read error.
    std::optional<Line> next();

    // True when the next call of next() would have to wait for input.
    bool bufferEmpty() const { return m_begin == m_end; }

private:
    bool fill();
    Line finish(std::string_view text, bool tooLong);

    int m_fd;
    std::size_t m_maxLineLength;
    std::vector<char> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_eof = false;
    std::string m_pending; // the start of a line that crosses a buffer boundary
};

} // namespace zirev1
