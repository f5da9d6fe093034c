// Times a program's start to its first large window on the X display: starts the command,
// waits (blocked on the X server's notices, so it takes no processor time from the program)
// until a top-level window of at least the given size is mapped, prints the milliseconds
// since the start, waits a little more so the program settles, and ends the window's
// process with SIGTERM. The splash window and the main window carry the same caption, so
// the main window is told by its size. Run it without a window manager: the program's own
// windows are then the children of the root window.
//   usage: zemlo-start-watch MIN_WIDTH MIN_HEIGHT SETTLE_MS COMMAND [ARG ...]
// Exit status 0 when the window came and the command ended; 1 otherwise.
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

xcb_atom_t Atom(xcb_connection_t* x, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

bool LargeEnough(xcb_connection_t* x, xcb_window_t window, int minWidth, int minHeight) {
    xcb_get_geometry_reply_t* geometry =
        xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr);
    const bool large = geometry && geometry->width >= minWidth && geometry->height >= minHeight;
    std::free(geometry);
    return large;
}

// The process that made the window, as the toolkit writes it into _NET_WM_PID; 0 if none.
pid_t WindowProcess(xcb_connection_t* x, xcb_window_t window) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, Atom(x, "_NET_WM_PID"), XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    pid_t pid = 0;
    if (reply && xcb_get_property_value_length(reply) == 4) {
        pid = static_cast<pid_t>(*static_cast<const uint32_t*>(xcb_get_property_value(reply)));
    }
    std::free(reply);
    return pid;
}

// Waits for the child within the given time; true when it ended.
bool Reap(pid_t child, int seconds) {
    const auto until = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < until) {
        int status = 0;
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child || (done < 0 && errno == ECHILD)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s MIN_WIDTH MIN_HEIGHT SETTLE_MS COMMAND [ARG ...]\n",
                     argv[0]);
        return 1;
    }
    const int minWidth = std::atoi(argv[1]);
    const int minHeight = std::atoi(argv[2]);
    const int settleMs = std::atoi(argv[3]);

    int screenNumber = 0;
    xcb_connection_t* x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X display (DISPLAY=%s)\n", std::getenv("DISPLAY"));
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i) xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const Clock::time_point start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execvp(argv[4], argv + 4);
        std::perror(argv[4]);
        ::_exit(127);
    }
    if (child < 0) {
        std::perror("fork");
        return 1;
    }

    // A second thread ends the wait when the command ends without the window or takes far
    // too long: closing the connection's socket wakes the blocked read with an error.
    const int socket = xcb_get_file_descriptor(x);
    std::thread guard([socket, child] {
        const auto until = Clock::now() + std::chrono::seconds(60);
        while (Clock::now() < until && ::kill(child, 0) == 0) {
            int status = 0;
            if (::waitpid(child, &status, WNOHANG | WNOWAIT) == child) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
        ::shutdown(socket, SHUT_RDWR);
    });

    xcb_window_t window = XCB_WINDOW_NONE;
    double ms = 0;
    while (xcb_generic_event_t* event = xcb_wait_for_event(x)) {
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (LargeEnough(x, map->window, minWidth, minHeight)) {
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                window = map->window;
            }
        }
        std::free(event);
        if (window != XCB_WINDOW_NONE) break;
    }
    if (window == XCB_WINDOW_NONE) {
        guard.join();
        std::fprintf(stderr, "no window of at least %dx%d appeared\n", minWidth, minHeight);
        ::kill(child, SIGTERM);
        Reap(child, 10);
        return 1;
    }
    std::printf("%.1f\n", ms);
    std::fflush(stdout);
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    // The window's process may be a grandchild (under /usr/bin/time): end that one, so the
    // command around it reports on it.
    const pid_t owner = WindowProcess(x, window);
    ::kill(owner > 0 ? owner : child, SIGTERM);
    const bool ended = Reap(child, 20);
    if (!ended) ::kill(child, SIGKILL);
    ::shutdown(socket, SHUT_RDWR);
    guard.join();
    xcb_disconnect(x);
    return ended ? 0 : 1;
}
