// Start-up as the user meets it, measured from outside the process: the time
// from starting the program to the first drawing into its window (as the X
// server reports it), and the program's peak resident memory (VmHWM) at
// that moment. The
// baseline is minimal_window, a separately built Qt Widgets program that
// shows one label and links nothing else, so that whatever pruz loads or
// makes before its window shows in the ratios. In every iteration the two
// start one after the other, with the same scratch home and settings; pruz
// finds the catalogue a first start has made ("program"), and once more
// starts in a fresh data folder, where it copies the shipped catalogue
// ("first"). The counters are medians over the iterations, so a neighbour's
// build on a shared machine moves them little: program_ms, minimal_ms,
// ratio = program / minimal (aim: at most 1.5), program_rss_mib,
// minimal_rss_mib, ratio_rss (aim: at most 1.15), first_ms, ratio_first, and
// ratio_cpu, the processor time the two took up to that moment, every
// thread's (which a busy machine moves less than the time on the clock).
// Needs an X display: xvfb-run -a build/bench/bench_gui_startup.
#include <benchmark/benchmark.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// The main window, not a message that the program could not start.
const std::string kMainCaption = "Расчет пружин сжатия по ОСТ 5.9539-80";

struct Start {
    double ms = 0;
    double rssMib = 0;
    double cpuMs = 0;
};

// Watches the X server for the first drawing into a window of a process:
// every new top-level window gets a damage report, and the first report
// on a window whose _NET_WM_PID is the process's is the moment its window
// shows something.
class Screen {
public:
    Screen()
        : conn_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(conn_))
            throw std::runtime_error("no X display (run under xvfb-run -a)");
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
        if (!damage || !damage->present)
            throw std::runtime_error("the X server has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        std::free(xcb_damage_query_version_reply(conn_,
            xcb_damage_query_version(conn_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root, XCB_CW_EVENT_MASK, &mask);
        pidAtom_ = atom("_NET_WM_PID");
        nameAtom_ = atom("_NET_WM_NAME");
        xcb_flush(conn_);
    }
    ~Screen() { xcb_disconnect(conn_); }

    // Waits for a window of `pid` captioned `caption` (any, when empty) to
    // be drawn into; false when the process ends first or a minute passes.
    bool waitForWindow(pid_t pid, const std::string& caption)
    {
        const auto deadline = Clock::now() + std::chrono::minutes(1);
        while (Clock::now() < deadline) {
            while (xcb_generic_event_t* event = xcb_poll_for_event(conn_)) {
                std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
                const int type = event->response_type & 0x7F;
                if (type == XCB_CREATE_NOTIFY) {
                    const auto window = reinterpret_cast<xcb_create_notify_event_t*>(event)->window;
                    xcb_damage_create(
                        conn_, xcb_generate_id(conn_), window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    xcb_flush(conn_);
                } else if (type == damageEvent_
                    && isWindow(
                        reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable, pid, caption)) {
                    return true;
                }
            }
            int status = 0;
            if (waitpid(pid, &status, WNOHANG) == pid)
                return false;
            pollfd fd { xcb_get_file_descriptor(conn_), POLLIN, 0 };
            poll(&fd, 1, 5);
        }
        return false;
    }

private:
    xcb_atom_t atom(const std::string& name)
    {
        auto* reply = xcb_intern_atom_reply(
            conn_, xcb_intern_atom(conn_, 0, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
        const xcb_atom_t atom = reply ? reply->atom : XCB_ATOM_NONE;
        std::free(reply);
        return atom;
    }

    std::string property(xcb_window_t window, xcb_atom_t name)
    {
        auto* reply = xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
        std::string value;
        if (reply)
            value.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                static_cast<size_t>(xcb_get_property_value_length(reply)));
        std::free(reply);
        return value;
    }

    bool isWindow(xcb_window_t window, pid_t pid, const std::string& caption)
    {
        const std::string owner = property(window, pidAtom_);
        const auto id = static_cast<uint32_t>(pid);
        return owner.size() == sizeof id && std::memcmp(owner.data(), &id, sizeof id) == 0
            && (caption.empty() || property(window, nameAtom_) == caption);
    }

    xcb_connection_t* conn_;
    int damageEvent_ = 0;
    xcb_atom_t pidAtom_ = 0;
    xcb_atom_t nameAtom_ = 0;
};

double peakRssMib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024;
    return 0;
}

// The environment with HOME and the XDG folders in `home`; the data folder
// may be another one.
std::vector<std::string> environment(const std::string& home, const std::string& dataHome)
{
    const char* const replaced[]
        = { "HOME=", "XDG_DATA_HOME=", "XDG_CONFIG_HOME=", "XDG_RUNTIME_DIR=", "QT_QPA_PLATFORM=" };
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (std::none_of(std::begin(replaced), std::end(replaced),
                [&](const char* name) { return entry.rfind(name, 0) == 0; }))
            env.push_back(entry);
    }
    env.push_back("HOME=" + home);
    env.push_back("XDG_CONFIG_HOME=" + home + "/.config");
    env.push_back("XDG_DATA_HOME=" + dataHome);
    std::filesystem::create_directories(home + "/runtime");
    std::filesystem::permissions(home + "/runtime", std::filesystem::perms::owner_all);
    env.push_back("XDG_RUNTIME_DIR=" + home + "/runtime");
    return env;
}

// Starts `program` and waits for its window captioned `caption`.
Start start(
    Screen& screen, const char* program, const std::string& caption, const std::vector<std::string>& env)
{
    std::vector<char*> envp;
    for (const std::string& e : env)
        envp.push_back(const_cast<char*>(e.c_str()));
    envp.push_back(nullptr);
    char* argv[] = { const_cast<char*>(program), nullptr };
    pid_t pid = 0;
    const auto begin = Clock::now();
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, envp.data()) != 0)
        throw std::runtime_error(std::string("cannot start ") + program);
    const bool shown = screen.waitForWindow(pid, caption);
    Start s;
    s.ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    // Stopped where it was seen, so that the processor time the kernel
    // reports when it is reaped (every thread's, ended ones too) ends there.
    kill(pid, SIGSTOP);
    s.rssMib = peakRssMib(pid);
    kill(pid, SIGKILL);
    rusage usage {};
    wait4(pid, nullptr, 0, &usage);
    auto millis = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    s.cpuMs = millis(usage.ru_utime) + millis(usage.ru_stime);
    if (!shown)
        throw std::runtime_error(std::string(program) + " did not show its window " + caption);
    return s;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct ScratchFolder {
    std::string path;
    ScratchFolder()
    {
        std::string name = (std::filesystem::temp_directory_path() / "pruz-startup-XXXXXX").string();
        path = mkdtemp(name.data()) ? name : throw std::runtime_error("no scratch folder");
    }
    ~ScratchFolder() { std::filesystem::remove_all(path); }
};

void BM_StartUp(benchmark::State& state)
{
    try {
        Screen screen;
        ScratchFolder home;
        const auto env = environment(home.path, home.path + "/.local/share");
        start(screen, PRUZ_PROGRAM, kMainCaption, env); // makes the catalogue the later starts find
        std::vector<double> program, minimal, first, programRss, minimalRss, programCpu, minimalCpu;
        for (auto _ : state) {
            const Start m = start(screen, MINIMAL_PROGRAM, {}, env);
            const Start p = start(screen, PRUZ_PROGRAM, kMainCaption, env);
            ScratchFolder fresh;
            const Start f = start(screen, PRUZ_PROGRAM, kMainCaption, environment(home.path, fresh.path));
            minimal.push_back(m.ms);
            minimalRss.push_back(m.rssMib);
            program.push_back(p.ms);
            programRss.push_back(p.rssMib);
            minimalCpu.push_back(m.cpuMs);
            programCpu.push_back(p.cpuMs);
            first.push_back(f.ms);
        }
        state.counters["program_ms"] = median(program);
        state.counters["minimal_ms"] = median(minimal);
        state.counters["first_ms"] = median(first);
        state.counters["ratio"] = median(program) / median(minimal);
        state.counters["ratio_first"] = median(first) / median(minimal);
        state.counters["program_rss_mib"] = median(programRss);
        state.counters["minimal_rss_mib"] = median(minimalRss);
        state.counters["ratio_rss"] = median(programRss) / median(minimalRss);
        state.counters["ratio_cpu"] = median(programCpu) / median(minimalCpu);
    } catch (const std::exception& e) {
        state.SkipWithError(e.what());
    }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond)->Iterations(15);

} // namespace

BENCHMARK_MAIN();
