// Start-up of the program against the bare Qt window, run by run in pairs under the same
// X server: time from exec to the first paint, CPU time and peak resident memory of the
// whole process. Also the hand-over delay: the main window's first paint after the
// splash was shown.
//
//   startup_bench PROGRAM_PROBE BARE_PROBE [PAIRS]      (needs DISPLAY)
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

struct Run {
    double startMs = 0;  // exec to first paint
    double cpuMs = 0;    // user + system
    double peakRssMiB = 0;
    std::map<std::string, long long> moments;
};

Run runOnce(const std::string& program, const std::string& argument) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    if (!argument.empty())
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const long long started = monotonicNanoseconds();
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", program.c_str());
        std::exit(1);
    }
    close(pipeFds[1]);
    std::string output;
    char buffer[256];
    for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, std::size_t(n));
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end cleanly\n", program.c_str());
        std::exit(1);
    }
    Run run;
    char name[32];
    long long moment = 0;
    for (const char* line = output.c_str(); std::sscanf(line, "%31s %lld", name, &moment) == 2;) {
        run.moments[name] = moment;
        line = std::strchr(line, '\n');
        if (!line)
            break;
        ++line;
    }
    run.startMs = (run.moments.at("painted") - started) / 1e6;
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
                (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    run.peakRssMiB = usage.ru_maxrss / 1024.0;
    return run;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3 || !std::getenv("DISPLAY")) {
        std::fprintf(stderr, "usage: DISPLAY=... %s PROGRAM_PROBE BARE_PROBE [PAIRS]\n", argv[0]);
        return 2;
    }
    const std::string program = argv[1];
    const std::string bare = argv[2];
    const int pairs = argc > 3 ? std::atoi(argv[3]) : 21;

    runOnce(program, "splash");  // warm the caches once for both
    runOnce(bare, "");
    std::vector<double> startRatio, cpuRatio, rssRatio, programStart, bareStart, programCpu,
        bareCpu, programRss, bareRss;
    for (int i = 0; i < pairs; ++i) {
        // Alternate which goes first, so that neither always finds the caches warmer.
        Run p, b;
        if (i % 2) {
            b = runOnce(bare, "");
            p = runOnce(program, "splash");
        } else {
            p = runOnce(program, "splash");
            b = runOnce(bare, "");
        }
        startRatio.push_back(p.startMs / b.startMs);
        cpuRatio.push_back(p.cpuMs / b.cpuMs);
        rssRatio.push_back(p.peakRssMiB / b.peakRssMiB);
        programStart.push_back(p.startMs);
        bareStart.push_back(b.startMs);
        programCpu.push_back(p.cpuMs);
        bareCpu.push_back(b.cpuMs);
        programRss.push_back(p.peakRssMiB);
        bareRss.push_back(b.peakRssMiB);
    }
    std::vector<double> handOver, tick, tickToPaint;
    for (int i = 0; i < 11; ++i) {
        const Run r = runOnce(program, "hand-over");
        handOver.push_back((r.moments.at("painted") - r.moments.at("shown")) / 1e6);
        tick.push_back((r.moments.at("ticked") - r.moments.at("shown")) / 1e6);
        tickToPaint.push_back((r.moments.at("painted") - r.moments.at("ticked")) / 1e6);
    }

    std::printf("| Measure (median of %d pairs) | Morvane 101 | Bare Qt window | Ratio |\n", pairs);
    std::printf("|---|---|---|---|\n");
    std::printf("| Exec to first paint | %.1f ms | %.1f ms | %.3fx |\n", median(programStart),
                median(bareStart), median(startRatio));
    std::printf("| CPU time to first paint | %.1f ms | %.1f ms | %.3fx |\n", median(programCpu),
                median(bareCpu), median(cpuRatio));
    std::printf("| Peak RSS | %.1f MiB | %.1f MiB | %.3fx |\n", median(programRss), median(bareRss),
                median(rssRatio));
    std::printf(
        "\nHand-over, splash shown to main window's first paint (median of 11): %.1f ms"
        " (max %.1f ms)\n",
        median(handOver), *std::max_element(handOver.begin(), handOver.end()));
    std::printf("  of which: splash shown to timer tick %.1f ms, tick to first paint %.1f ms\n",
                median(tick), median(tickToPaint));
    return 0;
}
