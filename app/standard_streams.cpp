// SPDX-License-Identifier: MIT
#include "standard_streams.h"

#include <cerrno>

#ifdef _WIN32
#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#endif

namespace zirev1 {

#ifdef _WIN32

void prepareStandardStreams() {
    // In text mode the C library writes CR LF for every newline and stops reading at a Ctrl-Z.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool readerHasGone(int error) {
    // A closed pipe comes back as EINVAL, with the system's reason in _doserrno: Windows says
    // the pipe is closing or ended, Wine that it is no longer connected.
    const unsigned long reason = _doserrno;
    return error == EPIPE ||
           (error == EINVAL && (reason == ERROR_NO_DATA || reason == ERROR_BROKEN_PIPE ||
                                reason == ERROR_PIPE_NOT_CONNECTED));
}

#else

void prepareStandardStreams() {
    // Without the signal, a closed output pipe is seen as EPIPE.
    std::signal(SIGPIPE, SIG_IGN);
}

bool readerHasGone(int error) {
    return error == EPIPE;
}

#endif

} // namespace zirev1
