// Starts a program and watches the X server from outside it: the time from the start of the
// process until it maps a top-level window with the given title, and the process's peak
// resident memory once that window has had a moment to paint. The program is then ended.
// Usage: window_watch <title> <settle milliseconds> <program> [arguments...]
// Prints one line: "<milliseconds to the map> <peak memory in KiB>".
//
// An X event is seen the moment it happens; a search tool run in a loop would add its own
// start-up and polling interval to every figure.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kGiveUpAfter = std::chrono::seconds(20);

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const std::string& name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.c_str()), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<std::string> TextProperty(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->type == XCB_ATOM_NONE) {
        return std::nullopt;
    }
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

// The peak resident set of a running process, in KiB; 0 when it cannot be read.
long PeakMemoryKiB(pid_t process) {
    std::ifstream status("/proc/" + std::to_string(process) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return 0;
}

bool Fail(const char* why) {
    std::fprintf(stderr, "window_watch: %s\n", why);
    return false;
}

class Watch final {
public:
    Watch(std::string title, xcb_connection_t* connection)
        : m_title(std::move(title))
        , m_connection(connection)
        , m_netWmName(Atom(connection, "_NET_WM_NAME")) {}

    // Waits for the map of the titled window; false when the process ended or time ran out.
    bool waitForMap(pid_t process, Clock::time_point started) {
        pollfd events{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        while (Clock::now() - started < kGiveUpAfter) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
                const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                                    hasTitle(reinterpret_cast<xcb_map_notify_event_t*>(event)->window);
                std::free(event);
                if (mapped) {
                    return true;
                }
            }
            if (xcb_connection_has_error(m_connection) != 0) {
                return Fail("lost the X connection");
            }
            if (waitpid(process, nullptr, WNOHANG) == process) {
                return Fail("the program ended before it showed its window");
            }
            poll(&events, 1, 50);
        }
        return Fail("no window with that title appeared");
    }

private:
    bool hasTitle(xcb_window_t window) const {
        const auto name = TextProperty(m_connection, window, m_netWmName);
        return (name ? name : TextProperty(m_connection, window, XCB_ATOM_WM_NAME)) == m_title;
    }

    std::string m_title;
    xcb_connection_t* m_connection;
    xcb_atom_t m_netWmName;
};

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <title> <settle milliseconds> <program> [arguments...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        Fail("cannot reach the X server");
        return 1;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i) {
        xcb_screen_next(&screens);
    }
    // Without a window manager the program's windows are the root's children: their maps
    // reach whoever listens for the root's structure changes.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(connection,
                      xcb_change_window_attributes_checked(connection, screens.data->root, XCB_CW_EVENT_MASK, &mask));
    Watch watch(argv[1], connection);

    const auto started = Clock::now();
    pid_t process = 0;
    if (posix_spawnp(&process, argv[3], nullptr, nullptr, argv + 3, environ) != 0) {
        Fail("cannot start the program");
        return 1;
    }
    const bool mapped = watch.waitForMap(process, started);
    const auto mappedAt = Clock::now();
    if (mapped) {
        std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[2])));
    }
    const long peak = mapped ? PeakMemoryKiB(process) : 0;
    kill(process, SIGTERM);
    waitpid(process, nullptr, 0);
    xcb_disconnect(connection);
    if (!mapped) {
        return 1;
    }
    std::printf("%.1f %ld\n", std::chrono::duration<double, std::milli>(mappedAt - started).count(), peak);
    return 0;
}
