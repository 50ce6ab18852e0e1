// SPDX-License-Identifier: GPL-3.0-or-later
// Launches the start-up probes in turn, many times each, and prints the
// median wall time from launch to first painted frame, the median processor
// time (user + system) spent by then and the median peak resident memory of
// each, with the ratios of Tavrimo to each of the others.
//
//   startup-bench RUNS PLATFORM TAVRIMO_PROBE NAME=PROBE...
//
// PLATFORM is only the label printed; the probes use whatever QT_QPA_PLATFORM
// and DISPLAY say.

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

struct Run {
    double milliseconds = 0;
    double cpuMilliseconds = 0;  // user + system time of the process
    long peakKilobytes = 0;
    long long widgets = 0;
};

// One launch: from just before the process is created to the moment it
// reports its first frame; its peak resident set from wait4.
Run launch(const char* program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) {
        std::perror("pipe");
        std::exit(1);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[1]);
    char* argv[] = {const_cast<char*>(program), nullptr};

    const long long start = monotonicNanoseconds();
    pid_t child = 0;
    if (const int error = posix_spawn(&child, program, &actions, nullptr, argv, environ); error != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program, std::strerror(error));
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);

    std::string output;
    char buffer[256];
    ssize_t got = 0;
    while ((got = read(pipeEnds[0], buffer, sizeof buffer)) > 0 || (got < 0 && errno == EINTR))
        if (got > 0)
            output.append(buffer, static_cast<size_t>(got));
    close(pipeEnds[0]);

    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    long long frameAt = 0;
    Run run;
    if (std::sscanf(output.c_str(), "first-frame %lld widgets %lld", &frameAt, &run.widgets) != 2
        || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not report a first frame (status %d): %s\n", program, status, output.c_str());
        std::exit(1);
    }
    run.milliseconds = static_cast<double>(frameAt - start) / 1e6;
    run.peakKilobytes = usage.ru_maxrss;
    const auto ms = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_usec) / 1e3; };
    run.cpuMilliseconds = ms(usage.ru_utime) + ms(usage.ru_stime);
    return run;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Summary {
    double medianMs, minMs, maxMs, medianCpuMs;
    long medianKb;
    long long widgets;
};

Summary summarise(const std::vector<Run>& runs)
{
    std::vector<double> ms, cpu;
    std::vector<long> kb;
    for (const Run& r : runs) {
        ms.push_back(r.milliseconds);
        cpu.push_back(r.cpuMilliseconds);
        kb.push_back(r.peakKilobytes);
    }
    return {median(ms), *std::min_element(ms.begin(), ms.end()), *std::max_element(ms.begin(), ms.end()),
            median(cpu), median(kb), runs.front().widgets};
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s RUNS PLATFORM TAVRIMO_PROBE NAME=PROBE...\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const char* platform = argv[2];
    std::vector<std::string> names{"Tavrimo"};
    std::vector<std::string> programs{argv[3]};
    for (int i = 4; i < argc; ++i) {
        const std::string arg = argv[i];
        const size_t equals = arg.find('=');
        names.push_back(equals == std::string::npos ? arg : arg.substr(0, equals));
        programs.push_back(equals == std::string::npos ? arg : arg.substr(equals + 1));
    }

    // One unmeasured launch each fills the file and font caches.
    for (const std::string& program : programs)
        launch(program.c_str());

    // The probes alternate so that all see the same state of the machine.
    std::vector<std::vector<Run>> results(programs.size());
    for (int i = 0; i < runs; ++i)
        for (size_t p = 0; p < programs.size(); ++p)
            results[p].push_back(launch(programs[p].c_str()));

    std::vector<Summary> summaries;
    for (const auto& r : results)
        summaries.push_back(summarise(r));
    for (size_t p = 0; p < programs.size(); ++p) {
        const Summary& s = summaries[p];
        std::printf("| %-9s | %-8s | %8.1f | %5.1f - %5.1f | %7.1f | %13.1f | %7lld |\n", platform, names[p].c_str(),
                    s.medianMs, s.minMs, s.maxMs, s.medianCpuMs, s.medianKb / 1024.0, s.widgets);
    }
    const Summary& tavrimo = summaries.front();
    for (size_t p = 1; p < programs.size(); ++p) {
        const Summary& other = summaries[p];
        const std::string label = "/ " + names[p];
        std::printf("| %-9s | %-8s | %7.2fx |               | %6.2fx | %12.2fx |         |\n", platform, label.c_str(),
                    tavrimo.medianMs / other.medianMs, tavrimo.medianCpuMs / other.medianCpuMs,
                    static_cast<double>(tavrimo.medianKb) / static_cast<double>(other.medianKb));
    }
    std::fflush(stdout);
    return 0;
}
