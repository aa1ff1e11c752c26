// SPDX-License-Identifier: MIT
#include "runtime_directory.h"

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace zirev1 {
namespace {

// A folder that this user owns and nobody else may enter.
bool isPrivateFolder(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
           status.st_uid == ::getuid() && (status.st_mode & 0777) == 0700;
}

} // namespace

void provideRuntimeDirectory() {
    const char* const current = std::getenv("XDG_RUNTIME_DIR");
    if (current != nullptr && *current != '\0') {
        return;
    }
    const char* const temporary = std::getenv("TMPDIR");
    const std::string base = temporary != nullptr && *temporary != '\0' ? temporary : "/tmp";
    std::string folder = base + "/zirev1-runtime-" + std::to_string(::getuid());
    ::mkdir(folder.c_str(), 0700);
    if (!isPrivateFolder(folder)) {
        // Someone else's, or not a folder: a fresh one with a name nobody could have guessed.
        std::string pattern = base + "/zirev1-runtime-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            return; // Qt will fall back on its own, with its warning
        }
        folder = pattern;
    }
    ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
}

} // namespace zirev1
