// zelto_map_timer COMMAND [ARGS...]: starts COMMAND and prints the milliseconds from
// the fork to the first top-level window it maps on $DISPLAY, then ends it.
// Watching the root window for MapNotify sees the map itself, with no polling delay.
#include <chrono>
#include <cstdio>

#include <X11/Xlib.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kTimeoutMs = 20000;

pid_t launch(char* argv[]) {
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);  // so the whole command can be ended at once
        execvp(argv[0], argv);
        _exit(127);
    }
    return pid;
}

// True once a child of the root window is mapped; false when the time is up or the
// command ended first.
bool waitForMap(Display* display, pid_t pid, Clock::time_point start) {
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) return true;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) return false;
        const auto waited =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        if (waited > kTimeoutMs) return false;
        poll(&fd, 1, 10);
    }
}

void end(pid_t pid) {
    kill(-pid, SIGTERM);
    for (int i = 0; i < 300 && waitpid(pid, nullptr, WNOHANG) == 0; ++i) usleep(10000);
    kill(-pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}
}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s COMMAND [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const Clock::time_point start = Clock::now();
    const pid_t pid = launch(argv + 1);
    const bool mapped = pid > 0 && waitForMap(display, pid, start);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (pid > 0) end(pid);
    XCloseDisplay(display);
    if (!mapped) {
        std::fprintf(stderr, "no window was mapped\n");
        return 1;
    }
    std::printf("%.1f\n", ms);
    return 0;
}
