// Runs two programs alternately and prints the median wall time and peak
// memory of each, and their ratios.
//   startup_compare RUNS BASELINE PROGRAM
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Run {
    double milliseconds;
    double megabytes;
};

Run run(const char* program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            static_cast<double>(usage.ru_maxrss) / 1024};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s RUNS BASELINE PROGRAM\n", argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    std::vector<double> time[2], memory[2];
    run(argv[2]);  // warm the file cache
    run(argv[3]);
    for (int i = 0; i < runs; ++i) {
        for (int which = 0; which < 2; ++which) {
            const Run r = run(argv[2 + which]);
            time[which].push_back(r.milliseconds);
            memory[which].push_back(r.megabytes);
        }
    }
    const double t0 = median(time[0]), t1 = median(time[1]), m0 = median(memory[0]), m1 = median(memory[1]);
    std::printf("  %-16s %8.1f ms %8.1f MB\n", "minimal window", t0, m0);
    std::printf("  %-16s %8.1f ms %8.1f MB\n", "sparvik", t1, m1);
    std::printf("  ratio %.2f time, %+.1f MB memory (%d runs each, medians)\n", t1 / t0, m1 - m0, runs);
    return 0;
}
