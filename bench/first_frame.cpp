// Starts a program and reports how long it took until its first window with
// a given title was on the screen and painted, then waits for the program.
//
//     tarvik_first_frame TITLE PROGRAM [ARGS...]
//
// Prints "pid PID" as soon as the program runs, then "first_frame_ms MS"
// (milliseconds from just before the start, to 0.01 ms), and exits with the
// program's status once it ends. "Painted" means: the window is viewable and
// a pixel of its middle row or column differs from the black root window of
// an X server started with -br (before the first paint, a window without a
// background shows what lay below it). The poll runs every 0.5 ms.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

std::string window_name(Display* display, Window window) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) == 0 || name == nullptr) return {};
    std::string result(name);
    XFree(name);
    return result;
}

// The first window below root (at any depth) with that exact name.
std::optional<Window> find_window(Display* display, Window parent, const std::string& title) {
    Window root_return = 0, parent_return = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, parent, &root_return, &parent_return, &children, &count) == 0) return std::nullopt;
    std::optional<Window> found;
    for (unsigned int i = 0; i < count && !found; ++i) {
        if (window_name(display, children[i]) == title)
            found = children[i];
        else
            found = find_window(display, children[i], title);
    }
    if (children != nullptr) XFree(children);
    return found;
}

bool has_ink(XImage* image) {
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x)
            if ((XGetPixel(image, x, y) & 0xFFFFFF) != 0) return true;
    return false;
}

// Viewable, and something other than black in its middle row or column.
bool painted(Display* display, Window window) {
    XWindowAttributes attributes;
    if (XGetWindowAttributes(display, window, &attributes) == 0) return false;
    if (attributes.map_state != IsViewable || attributes.width < 1 || attributes.height < 1) return false;
    bool ink = false;
    if (XImage* row = XGetImage(display, window, 0, attributes.height / 2, static_cast<unsigned>(attributes.width), 1,
                                AllPlanes, ZPixmap)) {
        ink = has_ink(row);
        XDestroyImage(row);
    }
    if (!ink) {
        if (XImage* column = XGetImage(display, window, attributes.width / 2, 0, 1,
                                       static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap)) {
            ink = has_ink(column);
            XDestroyImage(column);
        }
    }
    return ink;
}

int ignore_errors(Display*, XErrorEvent*) { return 0; }

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const std::string title = argv[1];
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "first_frame: cannot open the display\n");
        return 2;
    }
    // A window may vanish between the tree query and the next request.
    XSetErrorHandler(ignore_errors);

    if (find_window(display, DefaultRootWindow(display), title)) {
        std::fprintf(stderr, "first_frame: a window titled %s is already there\n", title.c_str());
        return 2;
    }

    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) {
        std::fprintf(stderr, "first_frame: cannot start %s\n", argv[2]);
        return 2;
    }
    std::printf("pid %d\n", static_cast<int>(pid));
    std::fflush(stdout);

    int status = 0;
    bool exited = false;
    for (;;) {
        if (waitpid(pid, &status, WNOHANG) == pid) {
            exited = true;
            std::fprintf(stderr, "first_frame: the program ended before its window was painted\n");
            break;
        }
        std::optional<Window> window = find_window(display, DefaultRootWindow(display), title);
        if (window && painted(display, *window)) {
            const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::printf("first_frame_ms %.2f\n", ms);
            std::fflush(stdout);
            break;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    XCloseDisplay(display);
    if (!exited) waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 1;
}
