// SPDX-License-Identifier: GPL-3.0-or-later
// tavrimo-script replays tens of thousands of generated actions: peak memory
// stays within a few MiB of that after the first thousand. Both scripts are of
// one length, the shorter padded with commands that only print.

#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr long kAllowedGrowthKiB = 4 * 1024;
constexpr int kWarmUpActions = 1000;

// Fields every category shows: typing into a hidden one stops the driver.
const std::array<const char*, 20> kFields = {
    "txtTAS(0)", "txtTAS(1)", "txtTAS(2)", "txtTAS(3)", "txtTAS(4)", "txtTAS(5)", "txtTAS(6)",
    "txtUSA(0)", "txtUSA(1)", "txtUSA(2)", "txtC", "txtF", "txtK",
    "txtA", "txtB", "txtG", "optTall", "optArea", "optSize", "optW",
};
const std::array<const char*, 7> kKeys = {"Backspace", "Delete", "Home", "End", "Left", "Tab", "Enter"};
const std::string kTyped = "0123456789.-e +x";

std::vector<std::string> generateActions(int count)
{
    std::mt19937 random(20261206);
    const auto pick = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    std::vector<std::string> actions;
    for (int i = 0; i < count; ++i) {
        const char* field = kFields[pick(16)];
        switch (pick(10)) {
        case 0: case 1: case 2: case 3:
            actions.push_back(std::string("type ") + field + " \"" + kTyped[pick(kTyped.size())] + "\"");
            break;
        case 4: {
            std::string text;  // now and then the longest text a field takes
            for (size_t n = pick(50) == 0 ? 1000 : pick(8); n > 0; --n)
                text += kTyped[pick(kTyped.size())];
            actions.push_back(std::string("paste ") + field + " \"" + text + "\"");
            break;
        }
        case 5: actions.push_back(std::string("key ") + kKeys[pick(kKeys.size())]); break;
        case 6: actions.push_back(std::string("click ") + kFields[16 + pick(4)]); break;
        case 7: actions.push_back(std::string("click ") + (pick(2) ? "cmdResult" : "cmdCls")); break;
        case 8: actions.push_back("pick Combo1 " + std::to_string(pick(9))); break;
        default: actions.push_back("page " + std::to_string(pick(3))); break;
        }
    }
    return actions;
}

// Runs the driver on a script and returns its peak resident memory in KiB.
long peakMemoryKiB(const char* driver, const std::vector<std::string>& actions, size_t count)
{
    char path[] = "/tmp/tavrimo-soak-XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0)
        return -1;
    close(fd);
    {
        std::ofstream script(path);
        for (size_t i = 0; i < actions.size(); ++i)
            script << (i < count ? actions[i] : std::string("show bytSource")) << '\n';
    }
    const pid_t child = fork();
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        execl(driver, driver, path, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    unlink(path);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the driver ended with status %d\n", status);
        return -1;
    }
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: soak-test DRIVER [ACTIONS]\n");
        return 2;
    }
    const int count = argc > 2 ? std::atoi(argv[2]) : 20000;
    const std::vector<std::string> actions = generateActions(count);
    const long warm = peakMemoryKiB(argv[1], actions, kWarmUpActions);
    const long full = peakMemoryKiB(argv[1], actions, actions.size());
    std::printf("peak memory after %d actions: %ld KiB; after %d actions: %ld KiB; growth %ld KiB\n", kWarmUpActions,
                warm, count, full, full - warm);
    if (warm < 0 || full < 0)
        return 1;
    return full - warm <= kAllowedGrowthKiB ? 0 : 1;
}
