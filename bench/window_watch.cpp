#include "bench/window_watch.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Watched
{
    bool mapped = false;
    bool drawn = false;
};

} // namespace

std::optional<WindowTimes> watchStart(const std::vector<std::string>& command, bool waitForSplash,
                                      int timeoutMs)
{
    // One connection for every run: an X server whose last client leaves
    // resets itself, and would refuse the next run's program meanwhile.
    static xcb_connection_t* const c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        return std::nullopt;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damage || !damage->present)
        return std::nullopt;
    xcb_discard_reply(c, xcb_damage_query_version(c, 1, 1).sequence);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // New top-level windows are announced to the root's substructure
    // listeners before they can be drawn into.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(c);

    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }

    WindowTimes times;
    std::map<xcb_window_t, Watched> windows;
    std::map<xcb_window_t, std::pair<int, int>> sizes;
    bool done = false;
    while (!done && msSince(start) < timeoutMs) {
        pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
        ::poll(&fd, 1, 50);
        while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                const xcb_damage_damage_t id = xcb_generate_id(c);
                xcb_damage_create(c, id, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                sizes[created->window] = {created->width, created->height};
            } else if (type == XCB_CONFIGURE_NOTIFY) {
                const auto* configured = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                sizes[configured->window] = {configured->width, configured->height};
            } else if (type == XCB_MAP_NOTIFY) {
                windows[reinterpret_cast<xcb_map_notify_event_t*>(event)->window].mapped = true;
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
                const auto* drawn = reinterpret_cast<xcb_damage_notify_event_t*>(event);
                Watched& w = windows[drawn->drawable];
                if (w.mapped && !w.drawn) {
                    w.drawn = true;
                    const double at = msSince(start);
                    if (!times.firstFrame)
                        times.firstFrame = at;
                    const auto size = sizes[drawn->drawable];
                    if (size == std::pair(830, 530) && !times.mainPainted)
                        times.mainPainted = at;
                    if (size == std::pair(350, 232) && !times.splashPainted)
                        times.splashPainted = at;
                }
                xcb_damage_subtract(c, drawn->damage, XCB_NONE, XCB_NONE);
            }
            std::free(event);
        }
        xcb_flush(c);
        done = times.mainPainted && (!waitForSplash || times.splashPainted);
        int status = 0;
        rusage usage{};
        if (!done && ::wait4(child, &status, WNOHANG, &usage) == child) {
            times.peakKiB = double(usage.ru_maxrss);
            return times; // ended by itself
        }
    }
    ::kill(child, SIGKILL);
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    times.peakKiB = double(usage.ru_maxrss);
    return times;
}

} // namespace bench
