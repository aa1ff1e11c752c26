// SPDX-License-Identifier: MIT
#include "output_sink.h"

#include "standard_streams.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace zirev1 {

void OutputSink::write(std::string_view text) {
    if (text.size() > m_buffer.size() - m_used) {
        flush();
        if (text.size() > m_buffer.size()) {
            writeAll(text.data(), text.size());
            return;
        }
    }
    std::memcpy(m_buffer.data() + m_used, text.data(), text.size());
    m_used += text.size();
}

void OutputSink::put(char ch) {
    if (m_used == m_buffer.size()) {
        flush();
    }
    m_buffer[m_used++] = ch;
}

bool OutputSink::flush() {
    const bool ok = writeAll(m_buffer.data(), m_used);
    m_used = 0;
    return ok;
}

bool OutputSink::writeAll(const char* data, std::size_t size) {
    while (size > 0 && !m_closed && !m_failed) {
        const ssize_t written = ::write(m_fd, data, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            (readerHasGone(errno) ? m_closed : m_failed) = true;
            break;
        }
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return !m_closed && !m_failed;
}

} // namespace zirev1
