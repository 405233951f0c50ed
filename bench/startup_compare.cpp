// Start-up time and peak memory of the program against the minimal Qt window program.
// Usage: startup_compare <program> <yardstick> [runs]
// Each run measures from just before exec() to the first shown frame the child reports.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

struct Run
{
    double ms;
    long maxRssKb;
};

static long long nowNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<long long>(ts.tv_sec) * 1000000000LL + ts.tv_nsec;
}

static Run runOnce(const char* program)
{
    int out[2];
    if (pipe(out) != 0)
        std::exit(2);
    const long long start = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    char buf[128];
    for (ssize_t n; (n = read(out[0], buf, sizeof buf)) > 0;)
        text.append(buf, size_t(n));
    close(out[0]);
    int status = 0;
    rusage usage {};
    wait4(pid, &status, 0, &usage);
    const long long frame = std::atoll(text.c_str());
    if (frame == 0) {
        std::fprintf(stderr, "%s reported no frame\n", program);
        std::exit(1);
    }
    return {double(frame - start) / 1e6, usage.ru_maxrss};
}

template <class T, class F>
static double median(std::vector<T> v, F key)
{
    std::sort(v.begin(), v.end(), [&](const T& a, const T& b) { return key(a) < key(b); });
    return double(key(v[v.size() / 2]));
}

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program> <yardstick> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 15;
    std::vector<Run> program, yardstick;
    for (int i = 0; i < runs; ++i) {
        program.push_back(runOnce(argv[1]));
        yardstick.push_back(runOnce(argv[2]));
    }
    const auto ms = [](const Run& r) { return r.ms; };
    const auto kb = [](const Run& r) { return r.maxRssKb; };
    const double pMs = median(program, ms), yMs = median(yardstick, ms);
    const double pKb = median(program, kb), yKb = median(yardstick, kb);
    std::printf("first frame: %.1f ms vs %.1f ms (ratio %.2f)\n", pMs, yMs, pMs / yMs);
    std::printf("peak memory: %.0f KiB vs %.0f KiB (ratio %.2f)\n", pKb, yKb, pKb / yKb);
    return 0;
}
