// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program under an X server and reports, in milliseconds from the launch, when its
// first top-level window was mapped and when that window's last paint landed before it stayed
// still for the quiet period; then ends the program.
// Usage: corvalo_bench_startprobe <quiet ms> <program> [arguments...]
// Prints "mapped <ms> painted <ms>", or exits non-zero when no window appeared within 10 s.

#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A window may be gone before its damage object is made; that is no failure of the probe.
int ignoreErrors(Display *, XErrorEvent *)
{
    return 0;
}

double nowMs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <quiet ms> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    const double quiet = std::atof(argv[1]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "the X server has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }

    Window mapped = 0;
    double mappedAt = -1, paintedAt = -1, lastEvent = start;
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            const double t = nowMs();
            if (event.type == CreateNotify) {
                // Watch every new top-level window from its birth, so no paint is missed.
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportRawRectangles);
            } else if (event.type == MapNotify && mapped == 0) {
                mapped = event.xmap.window;
                mappedAt = t;
                lastEvent = t;
            } else if (event.type == damageEvent + XDamageNotify) {
                const auto *damage = reinterpret_cast<XDamageNotifyEvent *>(&event);
                if (mapped != 0 && damage->drawable == mapped) {
                    paintedAt = t;
                    lastEvent = t;
                }
            }
        }
        const double t = nowMs();
        if (mapped == 0 && t - start > 10000)
            break;
        if (mapped != 0 && paintedAt >= 0 && t - lastEvent >= quiet)
            break;
        if (mapped != 0 && t - mappedAt > 10000)
            break;
        pollfd p {fd, POLLIN, 0};
        poll(&p, 1, 5);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (mapped == 0 || paintedAt < 0)
        return 1;
    std::printf("mapped %.2f painted %.2f\n", mappedAt - start, paintedAt - start);
    return 0;
}
