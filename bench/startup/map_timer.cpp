// map_timer: how long a program takes from exec until its first top-level window is mapped on the
// X server, and how much memory it holds once it has settled. The window being mapped is what the
// user perceives as "it started"; timing it from outside needs no cooperation from the program,
// so the editor and the bare baseline are measured the same way.
//
//   map_timer [--runs N] [--warmup N] [--settle-ms N] [--timeout-ms N] [--quiet] [--verbose]
//             -- PROGRAM [ARGS...]
//
// Every run opens its own connection, so nothing a previous run left behind on the server can be
// mistaken for the new window.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#if MAP_TIMER_HAVE_XDAMAGE
#include <X11/extensions/Xdamage.h>
#endif

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int runs = 15;
    int warmups = 1;
    int settleMs = 300;
    int timeoutMs = 10000;
    bool quiet = false;
    bool verbose = false;
    std::vector<char*> command; // null-terminated, ready for execvp
};

struct Run {
    double mapMs = 0;
    std::optional<double> paintMs;
    long rssKb = 0;
    long hwmKb = 0;
};

double millisecondsBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double megabytes(long kilobytes) {
    return static_cast<double>(kilobytes) / 1024.0;
}

// Windows vanish while we look at them (Qt creates and destroys helpers at start-up); Xlib's
// default handler would end the whole measurement over that.
int ignoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

std::optional<int> parseCount(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0) {
        return std::nullopt;
    }
    return value;
}

[[noreturn]] void usage(const char* message) {
    if (message != nullptr) {
        std::fprintf(stderr, "map_timer: %s\n", message);
    }
    std::fprintf(stderr,
                 "usage: map_timer [--runs N] [--warmup N] [--settle-ms N] [--timeout-ms N] "
                 "[--quiet] [--verbose] -- PROGRAM [ARGS...]\n");
    std::exit(2);
}

Options parseOptions(int argc, char* argv[]) {
    Options options;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--") {
            ++i;
            break;
        }
        if (arg == "--quiet") {
            options.quiet = true;
            continue;
        }
        if (arg == "--verbose") {
            options.verbose = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            usage(nullptr);
        }
        int* target = nullptr;
        if (arg == "--runs") {
            target = &options.runs;
        } else if (arg == "--warmup") {
            target = &options.warmups;
        } else if (arg == "--settle-ms") {
            target = &options.settleMs;
        } else if (arg == "--timeout-ms") {
            target = &options.timeoutMs;
        } else if (arg.starts_with("-")) {
            usage(("unknown option " + std::string(arg)).c_str());
        } else {
            break; // the program itself, given without "--"
        }
        if (i + 1 >= argc) {
            usage(("missing value for " + std::string(arg)).c_str());
        }
        const auto value = parseCount(argv[++i]);
        if (!value) {
            usage(("not a count: " + std::string(argv[i])).c_str());
        }
        *target = *value;
    }
    if (i >= argc) {
        usage("no program given");
    }
    if (options.runs < 1) {
        usage("--runs must be at least 1");
    }
    options.command.assign(argv + i, argv + argc);
    options.command.push_back(nullptr);
    return options;
}

std::optional<pid_t> parentOf(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    if (!std::getline(stat, line)) {
        return std::nullopt;
    }
    // The command name may contain spaces and parentheses; the fields after the last ')' do not.
    const auto close = line.rfind(')');
    if (close == std::string::npos) {
        return std::nullopt;
    }
    char state = 0;
    int parent = 0;
    if (std::sscanf(line.c_str() + close + 1, " %c %d", &state, &parent) != 2) {
        return std::nullopt;
    }
    return static_cast<pid_t>(parent);
}

// A wrapper script may fork the real program, so its windows count too.
bool isSameOrDescendant(pid_t pid, pid_t ancestor) {
    for (int depth = 0; depth < 32 && pid > 1; ++depth) {
        if (pid == ancestor) {
            return true;
        }
        const auto parent = parentOf(pid);
        if (!parent) {
            return false;
        }
        pid = *parent;
    }
    return false;
}

std::optional<pid_t> windowPid(Display* display, Window window, Atom netWmPid) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    const int status = XGetWindowProperty(display, window, netWmPid, 0, 1, False, XA_CARDINAL,
                                          &type, &format, &count, &remaining, &data);
    std::optional<pid_t> pid;
    if (status == Success && type == XA_CARDINAL && format == 32 && count == 1) {
        // Format 32 comes back as an array of long, whatever the width of long.
        pid = static_cast<pid_t>(*reinterpret_cast<const long*>(data));
    }
    if (data != nullptr) {
        XFree(data);
    }
    return pid;
}

struct Memory {
    long rssKb = -1;
    long hwmKb = -1;
};

Memory readMemory(pid_t pid) {
    Memory memory;
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        long* target = nullptr;
        if (line.starts_with("VmRSS:")) {
            target = &memory.rssKb;
        } else if (line.starts_with("VmHWM:")) {
            target = &memory.hwmKb;
        }
        if (target != nullptr) {
            *target = std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return memory;
}

std::string describeExit(int status) {
    if (WIFEXITED(status)) {
        return "exited with status " + std::to_string(WEXITSTATUS(status));
    }
    if (WIFSIGNALED(status)) {
        return std::string("was killed by signal ") + strsignal(WTERMSIG(status));
    }
    return "stopped";
}

// The child leads its own process group so that helpers it spawned go down with it. As a
// subreaper we inherit those helpers when the child dies, and reap them here too.
void stopChild(pid_t pid) {
    kill(-pid, SIGTERM);
    const auto deadline = Clock::now() + std::chrono::seconds(2);
    while (Clock::now() < deadline) {
        const pid_t done = waitpid(-1, nullptr, WNOHANG);
        if (done < 0 && errno == ECHILD) {
            return;
        }
        if (done <= 0) {
            usleep(5000);
        }
    }
    kill(-pid, SIGKILL);
    while (waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
    }
}

class Connection {
  public:
    Connection() : display_(XOpenDisplay(nullptr)) {}
    ~Connection() {
        if (display_ != nullptr) {
            XCloseDisplay(display_);
        }
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    Display* get() const { return display_; }

  private:
    Display* display_;
};

std::optional<Run> measureOnce(const Options& options) {
    const Connection connection;
    Display* const display = connection.get();
    if (display == nullptr) {
        const char* name = std::getenv("DISPLAY");
        std::fprintf(stderr, "map_timer: cannot open display %s\n",
                     name ? name : "(DISPLAY unset)");
        return std::nullopt;
    }
    const int fd = ConnectionNumber(display);
    fcntl(fd, F_SETFD, fcntl(fd, F_GETFD) | FD_CLOEXEC);

    const Window root = DefaultRootWindow(display);
    const Atom netWmPid = XInternAtom(display, "_NET_WM_PID", False);
    XSelectInput(display, root, SubstructureNotifyMask);

#if MAP_TIMER_HAVE_XDAMAGE
    // The first damage to the mapped window is the program's first paint. Damage has to be
    // watched from the window's creation on, or a quick first paint could slip by unseen.
    int damageEvent = 0;
    int damageError = 0;
    const bool haveDamage = XDamageQueryExtension(display, &damageEvent, &damageError) != 0;
#else
    const bool haveDamage = false;
#endif
    std::map<Window, Clock::time_point> firstDamage;

    // The selection must be in force on the server before the program can map anything.
    XSync(display, False);

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("map_timer: fork");
        return std::nullopt;
    }
    if (child == 0) {
        setpgid(0, 0);
        if (options.quiet) {
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0) {
                dup2(null, STDOUT_FILENO);
                dup2(null, STDERR_FILENO);
            }
        }
        execvp(options.command[0], options.command.data());
        std::fprintf(stderr, "map_timer: cannot run %s: %s\n", options.command[0],
                     std::strerror(errno));
        _exit(127);
    }
    setpgid(child, child); // both sides, whichever runs first

    std::optional<Window> mapped;
    Clock::time_point mappedAt;
    pid_t memoryPid = child;
    Clock::time_point deadline = start + std::chrono::milliseconds(options.timeoutMs);
    bool childGone = false;
    int childStatus = 0;

    // Until the window is mapped: wait for it. After that: let the program settle for a while,
    // still watching for its first paint.
    while (true) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            const auto now = Clock::now();
            if (event.type == CreateNotify && event.xcreatewindow.parent == root) {
#if MAP_TIMER_HAVE_XDAMAGE
                if (haveDamage && !event.xcreatewindow.override_redirect) {
                    XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
                }
#endif
            } else if (event.type == MapNotify && event.xmap.event == root && !mapped &&
                       !event.xmap.override_redirect) {
                // Popups and tooltips are override-redirect; they are not the program's window.
                const Window window = event.xmap.window;
                const auto owner = windowPid(display, window, netWmPid);
                if (owner && !isSameOrDescendant(*owner, child)) {
                    if (options.verbose) {
                        std::fprintf(stderr, "map_timer: ignored window 0x%lx of process %d\n",
                                     window, static_cast<int>(*owner));
                    }
                    continue; // someone else's window
                }
                if (owner) {
                    memoryPid = *owner;
                }
                if (options.verbose) {
                    std::fprintf(stderr, "map_timer: window 0x%lx mapped, %s %d\n", window,
                                 owner ? "_NET_WM_PID" : "no _NET_WM_PID, assumed child",
                                 static_cast<int>(memoryPid));
                }
                mapped = window;
                mappedAt = now;
                deadline = now + std::chrono::milliseconds(options.settleMs);
            }
#if MAP_TIMER_HAVE_XDAMAGE
            else if (haveDamage && event.type == damageEvent + XDamageNotify) {
                const auto& damage = reinterpret_cast<const XDamageNotifyEvent&>(event);
                firstDamage.try_emplace(damage.drawable, now);
            }
#endif
        }

        if (!childGone) {
            const pid_t done = waitpid(child, &childStatus, WNOHANG);
            if (done == child) {
                childGone = true;
            }
        }
        if (childGone && memoryPid == child) {
            const char* when = mapped ? "before it had settled" : "before mapping a window";
            std::fprintf(stderr, "map_timer: %s %s %s\n", options.command[0],
                         describeExit(childStatus).c_str(), when);
            stopChild(child);
            return std::nullopt;
        }

        const auto now = Clock::now();
        if (now >= deadline) {
            break;
        }
        // Short slices, because the child's death does not wake poll().
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now).count();
        pollfd wait{fd, POLLIN, 0};
        poll(&wait, 1, static_cast<int>(std::min<long long>(left, 10)));
    }

    if (!mapped) {
        std::fprintf(stderr, "map_timer: %s mapped no window within %d ms\n", options.command[0],
                     options.timeoutMs);
        stopChild(child);
        return std::nullopt;
    }

    const Memory memory = readMemory(memoryPid);
    stopChild(child);
    if (memory.rssKb < 0) {
        std::fprintf(stderr, "map_timer: cannot read the memory of process %d\n",
                     static_cast<int>(memoryPid));
        return std::nullopt;
    }

    Run run;
    run.mapMs = millisecondsBetween(start, mappedAt);
    run.rssKb = memory.rssKb;
    run.hwmKb = memory.hwmKb;
    if (const auto painted = firstDamage.find(*mapped); painted != firstDamage.end()) {
        run.paintMs = millisecondsBetween(start, painted->second);
    } else if (haveDamage) {
        std::fprintf(stderr, "map_timer: no paint seen within %d ms of mapping\n",
                     options.settleMs);
    }
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void printRun(const char* label, const Run& run) {
    std::printf("%s map_ms=%.1f", label, run.mapMs);
    if (run.paintMs) {
        std::printf(" paint_ms=%.1f", *run.paintMs);
    }
    std::printf(" rss_mb=%.1f hwm_mb=%.1f\n", megabytes(run.rssKb), megabytes(run.hwmKb));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[]) {
    const Options options = parseOptions(argc, argv);
    XSetErrorHandler(ignoreXErrors);
    prctl(PR_SET_CHILD_SUBREAPER, 1);

    // An X server resets when its last client leaves, and a connection attempt that meets the
    // reset can fail. This idle connection keeps the server from resetting between runs.
    const Connection keeper;
    if (keeper.get() == nullptr) {
        const char* name = std::getenv("DISPLAY");
        std::fprintf(stderr, "map_timer: cannot open display %s\n",
                     name ? name : "(DISPLAY unset)");
        return 1;
    }
    const int keeperFd = ConnectionNumber(keeper.get());
    fcntl(keeperFd, F_SETFD, fcntl(keeperFd, F_GETFD) | FD_CLOEXEC);

    std::printf("program:");
    for (const char* arg : options.command) {
        if (arg != nullptr) {
            std::printf(" %s", arg);
        }
    }
    std::printf("\nruns=%d warmup=%d settle_ms=%d\n", options.runs, options.warmups,
                options.settleMs);

    for (int i = 0; i < options.warmups; ++i) {
        const auto run = measureOnce(options);
        if (!run) {
            return 1;
        }
        printRun("warm-up", *run);
    }

    std::vector<double> mapTimes;
    std::vector<double> paintTimes;
    std::vector<double> rss;
    std::vector<double> hwm;
    for (int i = 1; i <= options.runs; ++i) {
        const auto run = measureOnce(options);
        if (!run) {
            return 1;
        }
        printRun(("run " + std::to_string(i) + ":").c_str(), *run);
        mapTimes.push_back(run->mapMs);
        if (run->paintMs) {
            paintTimes.push_back(*run->paintMs);
        }
        rss.push_back(megabytes(run->rssKb));
        hwm.push_back(megabytes(run->hwmKb));
    }

    std::printf("median_ms=%.1f min_ms=%.1f median_rss_mb=%.1f median_hwm_mb=%.1f",
                median(mapTimes), *std::min_element(mapTimes.begin(), mapTimes.end()), median(rss),
                median(hwm));
    // Only when every run saw its paint; a median of some runs would mislead.
    if (paintTimes.size() == mapTimes.size()) {
        std::printf(" median_paint_ms=%.1f", median(paintTimes));
    }
    std::printf("\n");
    return 0;
}
