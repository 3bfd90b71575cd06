// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of window programs, side by side: each run starts a program, waits for its top-level
// window to be mapped and then first drawn (X DAMAGE on the root window), and records the times
// from the fork and the process's peak resident memory. Programs alternate run by run, so that
// they share the machine's ups and downs. Needs an X server without a window manager, such as
//   xvfb-run -a -s "-screen 0 1280x1024x24" startup_bench [--runs N] PROGRAM...
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double mappedMs;
    double paintedMs;
    double cpuMs;  // user and system time until the first frame, steadier than the clock
    double peakMiB;
};

struct Connection {
    xcb_connection_t* xcb = nullptr;
    xcb_window_t root = 0;
    std::uint8_t damageEvent = 0;
};

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::optional<Connection> connectToDisplay() {
    Connection c;
    int screenNumber = 0;
    c.xcb = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c.xcb)) return std::nullopt;
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c.xcb));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    c.root = screens.data->root;

    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c.xcb, &xcb_damage_id);
    if (!damage || !damage->present) return std::nullopt;
    c.damageEvent = damage->first_event + XCB_DAMAGE_NOTIFY;
    std::free(xcb_damage_query_version_reply(
        c.xcb, xcb_damage_query_version(c.xcb, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));

    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c.xcb, c.root, XCB_CW_EVENT_MASK, &mask);
    // Every drawing on the screen, reported rectangle by rectangle.
    xcb_damage_create(c.xcb, xcb_generate_id(c.xcb), c.root,
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(c.xcb);
    return c;
}

// Waits for the next event, at most until `deadline`.
std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> nextEvent(const Connection& c,
                                                                     Clock::time_point deadline) {
    for (;;) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(c.xcb)) return {event, &std::free};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(c.xcb)) return {nullptr, &std::free};
        pollfd fd{xcb_get_file_descriptor(c.xcb), POLLIN, 0};
        poll(&fd, 1, int(left.count()));
    }
}

std::optional<Run> runOnce(const Connection& c, const char* program) {
    // Drop whatever the previous run left behind.
    while (auto event = nextEvent(c, Clock::now())) {
    }
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) return std::nullopt;
    if (pid == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        std::perror(program);
        _exit(127);
    }

    Run run{-1, -1, 0, 0};
    std::map<xcb_window_t, xcb_rectangle_t> places;  // top-level windows as last placed
    xcb_rectangle_t area{};
    const Clock::time_point deadline = start + std::chrono::seconds(10);
    while (run.paintedMs < 0) {
        auto event = nextEvent(c, deadline);
        if (!event) break;
        const std::uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
            if (created->parent == c.root)
                places[created->window] = {created->x, created->y, created->width, created->height};
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            auto* configured = reinterpret_cast<xcb_configure_notify_event_t*>(event.get());
            places[configured->window] = {configured->x, configured->y, configured->width,
                                          configured->height};
        } else if (type == XCB_MAP_NOTIFY && run.mappedMs < 0) {
            auto* mapped = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if (const auto place = places.find(mapped->window); place != places.end()) {
                area = place->second;
                run.mappedMs = millisecondsSince(start);
            }
        } else if (type == c.damageEvent && run.mappedMs >= 0) {
            auto* damage = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
            const xcb_rectangle_t& r = damage->area;
            if (r.x < area.x + area.width && area.x < r.x + r.width && r.y < area.y + area.height &&
                area.y < r.y + r.height)
                run.paintedMs = millisecondsSince(start);
        }
    }
    kill(pid, SIGKILL);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    run.peakMiB = double(usage.ru_maxrss) / 1024.0;
    run.cpuMs = (double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e6 +
                 double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec)) /
                1e3;
    if (run.paintedMs < 0) return std::nullopt;
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    int runs = 30;
    std::vector<const char*> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0 && i + 1 < argc)
            runs = std::max(1, std::atoi(argv[++i]));
        else
            programs.push_back(argv[i]);
    }
    if (programs.empty()) {
        std::fprintf(stderr, "usage: startup_bench [--runs N] PROGRAM...\n");
        return 2;
    }
    const std::optional<Connection> connection = connectToDisplay();
    if (!connection) {
        std::fprintf(stderr, "startup_bench: no X display with the DAMAGE extension\n");
        return 1;
    }

    std::vector<std::vector<Run>> results(programs.size());
    for (int round = 0; round < runs + 1; ++round) {
        for (std::size_t k = 0; k < programs.size(); ++k) {
            // Alternate the order, so that neither program always runs first.
            const std::size_t p = round % 2 ? programs.size() - 1 - k : k;
            const std::optional<Run> run = runOnce(*connection, programs[p]);
            if (!run) {
                std::fprintf(stderr, "startup_bench: %s showed no window within 10 s\n",
                             programs[p]);
                return 1;
            }
            if (round > 0) results[p].push_back(*run);  // round 0 warms the caches
        }
    }

    std::printf("%d runs each, medians; ratios against the first program\n", runs);
    std::printf("%-32s %9s %10s %7s %9s %7s %6s %8s\n", "program", "mapped ms", "painted ms",
                "cpu ms", "peak MiB", "time x", "cpu x", "memory x");
    double baseTime = 0, baseCpu = 0, baseMemory = 0;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> mapped, painted, cpu, peak;
        for (const Run& run : results[p]) {
            mapped.push_back(run.mappedMs);
            painted.push_back(run.paintedMs);
            cpu.push_back(run.cpuMs);
            peak.push_back(run.peakMiB);
        }
        const double time = median(painted), cpuTime = median(cpu), memory = median(peak);
        if (p == 0) baseTime = time, baseCpu = cpuTime, baseMemory = memory;
        std::string name = programs[p];
        if (name.size() > 32) name = name.substr(name.size() - 32);
        std::printf("%-32s %9.1f %10.1f %7.1f %9.2f %7.3f %6.3f %8.3f\n", name.c_str(),
                    median(mapped), time, cpuTime, memory, time / baseTime, cpuTime / baseCpu,
                    memory / baseMemory);
    }
    return 0;
}
