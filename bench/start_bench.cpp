// Start time to the first painted frame: orvane against a bare Qt Widgets program (one
// QMainWindow with a label, built with the same flags), and orvane opening the exhaust module
// with the corridor example two ways: "module", the main window shown first and the module
// opened by its button; "project", the example named on the command line (the desktop's "open
// with"), so the module window is the first window shown. The four are started in turn within
// one run, so every figure sees the same machine load; the order rotates from round to round.
//
// Each program runs on the offscreen platform under the measuring aid of app/start_probe.h and
// prints the moment of its first frame on the monotonic clock; a start is counted from just
// before the process is spawned to that moment. Medians are reported as counters (ms), with
// the ratios to the bare program and the CPU time (user + system) of each whole process with
// its ratios too. The module run also times the opening itself, from the main window's command
// to the module window's first frame (module_open_*), against the bare program's whole start
// (wall time, and the CPU time both spent up to their first frames).

#include "app/start_probe.h"

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Start {
    double firstPaintMs = -1; // negative: the program printed no first frame
    double cpuMs = 0;         // the whole process
    double paintCpuMs = 0;    // the process up to its first frame
    double openMs = -1;       // negative: no module was opened
    double openCpuMs = 0;
};

// The two numbers after `what` in the probe's output (monotonic and CPU nanoseconds), if printed.
bool FindMoment(const std::string &printed, const std::string &what, long long &moment,
                long long &cpu) {
    const size_t at = printed.find(what + " ");
    if (at == std::string::npos)
        return false;
    char *end = nullptr;
    moment = std::strtoll(printed.c_str() + at + what.size() + 1, &end, 10);
    cpu = std::strtoll(end, nullptr, 10);
    return true;
}

long long MonotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Runs `program` (with `argument` when it is not empty) with the probe set to `probe` and
// returns when it has ended.
Start Run(const char *program, const std::string &probe, const std::string &argument = {}) {
    std::vector<std::string> env;
    for (char **e = environ; *e != nullptr; ++e) {
        const std::string entry = *e;
        if (entry.rfind("QT_QPA_PLATFORM=", 0) != 0 &&
            entry.rfind(std::string(orvane::kStartProbeVariable) + "=", 0) != 0)
            env.push_back(entry);
    }
    env.push_back("QT_QPA_PLATFORM=offscreen");
    env.push_back(std::string(orvane::kStartProbeVariable) + "=" + probe);
    std::vector<char *> envp;
    for (std::string &entry : env)
        envp.push_back(entry.data());
    envp.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string argumentCopy = argument;
    std::array<char *, 3> argv{const_cast<char *>(program),
                               argument.empty() ? nullptr : argumentCopy.data(), nullptr};

    const long long started = MonotonicNs();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string printed;
    if (spawned == 0) {
        char buffer[256];
        ssize_t n = 0;
        while ((n = read(out[0], buffer, sizeof buffer)) > 0)
            printed.append(buffer, static_cast<size_t>(n));
    }
    close(out[0]);
    if (spawned != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);

    Start result;
    result.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                   (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    long long paint = 0, paintCpu = 0, open = 0, openCpu = 0;
    if (FindMoment(printed, "first-paint", paint, paintCpu)) {
        result.firstPaintMs = (paint - started) / 1e6;
        result.paintCpuMs = paintCpu / 1e6;
        if (FindMoment(printed, "open-command", open, openCpu)) {
            result.openMs = (paint - open) / 1e6;
            result.openCpuMs = (paintCpu - openCpu) / 1e6;
        }
    }
    return result;
}

double Median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

void BM_StartToFirstPaint(benchmark::State &state) {
    struct Kind {
        const char *name;
        const char *program;
        std::string probe;
        std::string argument;
        std::vector<double> paint, cpu, paintCpu, open, openCpu;
    };
    std::array<Kind, 4> kinds{{
        {"bare", BARE_PROGRAM, "1", {}, {}, {}, {}, {}, {}},
        {"orvane", ORVANE_PROGRAM, "1", {}, {}, {}, {}, {}, {}},
        {"module", ORVANE_PROGRAM, EXAMPLES_DIR "/corridor.smkprj", {}, {}, {}, {}, {}, {}},
        {"project", ORVANE_PROGRAM, "1", EXAMPLES_DIR "/corridor.smkprj", {}, {}, {}, {}, {}},
    }};
    Run(BARE_PROGRAM, "1"); // a first start fills the file caches for all that follow
    Run(ORVANE_PROGRAM, "1");
    size_t round = 0;
    for (auto _ : state) {
        double orvaneMs = 0;
        for (size_t i = 0; i < kinds.size(); ++i) {
            Kind &kind = kinds[(round + i) % kinds.size()];
            const Start s = Run(kind.program, kind.probe, kind.argument);
            if (s.firstPaintMs < 0) {
                state.SkipWithError((std::string(kind.name) + ": no first frame").c_str());
                return;
            }
            kind.paint.push_back(s.firstPaintMs);
            kind.cpu.push_back(s.cpuMs);
            kind.paintCpu.push_back(s.paintCpuMs);
            if (s.openMs >= 0) {
                kind.open.push_back(s.openMs);
                kind.openCpu.push_back(s.openCpuMs);
            }
            if (&kind == &kinds[1])
                orvaneMs = s.firstPaintMs;
        }
        state.SetIterationTime(orvaneMs / 1e3);
        ++round;
    }
    // On a loaded machine the wall-clock ratios carry the waits for a core; the CPU ratios
    // weigh the work alone (the whole process: its start, its first frame and its exit).
    const double bare = Median(kinds[0].paint);
    const double bareCpu = Median(kinds[0].cpu);
    for (const Kind &kind : kinds) {
        const std::string name = kind.name;
        state.counters[name + "_ms"] = Median(kind.paint);
        state.counters[name + "_cpu_ms"] = Median(kind.cpu);
        if (&kind != &kinds[0] && bare > 0)
            state.counters[name + "_ratio"] = Median(kind.paint) / bare;
        if (&kind != &kinds[0] && bareCpu > 0)
            state.counters[name + "_cpu_ratio"] = Median(kind.cpu) / bareCpu;
    }
    const Kind &module = kinds[2];
    const double barePaintCpu = Median(kinds[0].paintCpu);
    if (!module.open.empty() && bare > 0 && barePaintCpu > 0) {
        state.counters["module_open_ms"] = Median(module.open);
        state.counters["module_open_ratio"] = Median(module.open) / bare;
        state.counters["module_open_cpu_ms"] = Median(module.openCpu);
        state.counters["module_open_cpu_ratio"] = Median(module.openCpu) / barePaintCpu;
    }
}
BENCHMARK(BM_StartToFirstPaint)->UseManualTime()->Iterations(15)->Unit(benchmark::kMillisecond);

} // namespace
