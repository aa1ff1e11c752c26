// SPDX-License-Identifier: MIT
// Starts a program under the X server of $DISPLAY (with a window manager running) and measures,
// from outside, how fast its window appears:
//   map    exec to the first top-level window mapped (the window manager's frame);
//   paint  exec to the first paint of the whole window, pictures and labels included: Qt paints
//          every widget into its backing store and then puts it on the screen at once, so this
//          is the first change of the screen that covers most of it (both windows measured are
//          maximized). Later small repaints, such as the focus frame drawn when the window
//          becomes active, do not count;
//   rss    the program's peak resident memory (VmHWM) once the screen has stayed still for
//          SETTLE_MS.
// Prints "map_ms paint_ms rss_kib" and ends the program.
//
//   startup_probe PROGRAM [ARGS...]

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int SETTLE_MS = 600;
constexpr int TIMEOUT_MS = 15000;

double msSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

long peakResidentKiB(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

// Waits up to timeoutMs for an X event; false on time-out.
bool waitForEvent(Display* display, int timeoutMs) {
    if (XPending(display) > 0) {
        return true;
    }
    const int fd = ConnectionNumber(display);
    fd_set readable;
    FD_ZERO(&readable);
    FD_SET(fd, &readable);
    timeval timeout{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    return select(fd + 1, &readable, nullptr, nullptr, &timeout) > 0 && XPending(display) > 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGS...]\n");
        return 64;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0;
    int damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, False);
    while (XPending(display) > 0) { // what happened before the start does not count
        XEvent stale;
        XNextEvent(display, &stale);
    }

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        std::perror("startup_probe: exec");
        _exit(127);
    }

    const Screen* screen = DefaultScreenOfDisplay(display);
    const long wholeWindowArea =
        static_cast<long>(WidthOfScreen(screen)) * HeightOfScreen(screen) * 8 / 10;
    double mapMs = -1;
    double paintMs = -1;
    double lastDamageMs = -1;
    while (msSince(start) < TIMEOUT_MS) {
        if (paintMs >= 0 && msSince(start) - lastDamageMs > SETTLE_MS) {
            break;
        }
        if (!waitForEvent(display, 50)) {
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        const double now = msSince(start);
        if (event.type == MapNotify && mapMs < 0) {
            mapMs = now;
        } else if (event.type == damageEvent + XDamageNotify && mapMs >= 0) {
            lastDamageMs = now;
            const XRectangle& area = reinterpret_cast<XDamageNotifyEvent*>(&event)->area;
            if (paintMs < 0 && static_cast<long>(area.width) * area.height >= wholeWindowArea) {
                paintMs = now;
            }
        }
    }

    const long rss = peakResidentKiB(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    XCloseDisplay(display);
    if (mapMs < 0 || paintMs < 0) {
        std::fprintf(stderr, "startup_probe: %s showed no maximized window\n", argv[1]);
        return 1;
    }
    std::printf("%.1f %.1f %ld\n", mapMs, paintMs, rss);
    return 0;
}
