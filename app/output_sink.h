// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zirev1 {

// Buffered writes to a file descriptor. A reader that has gone away (a closed pipe) is not an
// error worth a message: the sink just stops, and closed() tells the caller to stop producing.
class OutputSink {
public:
    explicit OutputSink(int fd) : m_fd(fd) {}
    OutputSink(const OutputSink&) = delete;
    OutputSink& operator=(const OutputSink&) = delete;
    ~OutputSink() { flush(); }

    void write(std::string_view text);
    void put(char ch);
    bool flush();

    bool closed() const { return m_closed; }
    bool failed() const { return m_failed; }

private:
    bool writeAll(const char* data, std::size_t size);

    int m_fd;
    std::array<char, 1 << 16> m_buffer{};
    std::size_t m_used = 0;
    bool m_closed = false; // the reader has gone
    bool m_failed = false; // any other write error
};

} // namespace zirev1
