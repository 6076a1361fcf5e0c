// Start-up runner: starts the start-up probe many times for each kind of window, the kinds in turns
// (the order rotating from round to round), so that whatever else the machine does weighs on every
// kind alike. Each probe is timed from just before its process is started to the first frame it
// reports, and to its exit. One round of every kind runs first and is not counted (cold file caches).
//   startup_runner PROBE ROUNDS [KIND...]      kinds: bare plain charac (the default), plain+icon ...
// A kind LABEL=OTHER_PROBE:KIND runs that kind of another build's probe under the label, so that two
// builds are measured in one run ("before=/tmp/old/startup_probe:charac").
// Prints the median of each kind (wall time and the probe's own processor time), where its wall time
// went (loading the program up to main(), making the QApplication, building the window, show(), the
// first frame), and the ratios plain/bare and charac/plain and of any other kind to plain. A ratio is
// the median of the ratios within each round, which a change of the machine's load between rounds
// does not bias; its quartiles show how far a single round can be off.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

long long monotonicNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1000000000LL + now.tv_nsec;
}

struct Run {
    double toFrame = 0; // ms from the start of the process
    double toExit = 0;
    double toMain = 0, toApplication = 0, toBuilt = 0, toShown = 0;
    double cpuToFrame = 0; // processor time the probe used up to its first frame
    long long widgets = 0;
};

// Starts the probe, reads the line it prints at its first frame and waits for its exit. Ends the
// runner when the probe fails: a figure without its frame would mean nothing.
Run runOnce(const char* defaultProbe, const std::string& named)
{
    const std::size_t label = named.find('='), colon = named.rfind(':');
    const bool other = label != std::string::npos && colon != std::string::npos && colon > label;
    const std::string otherProbe = other ? named.substr(label + 1, colon - label - 1) : std::string();
    const std::string kindText = other ? named.substr(colon + 1) : named;
    const char* probe = other ? otherProbe.c_str() : defaultProbe;
    const char* kind = kindText.c_str();
    int out[2];
    if (pipe(out) != 0) std::exit(1);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(probe), const_cast<char*>(kind), nullptr};

    const long long start = monotonicNanoseconds();
    pid_t pid = 0;
    if (posix_spawn(&pid, probe, &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "startup_runner: cannot start %s\n", probe);
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string line;
    char buffer[128];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) line.append(buffer, std::size_t(n));
    close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    const long long exited = monotonicNanoseconds();

    long long frame = 0, entered = 0, appMade = 0, built = 0, shown = 0, cpu = 0;
    Run run;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0
        || std::sscanf(line.c_str(), "%lld %lld %lld %lld %lld %lld %lld", &frame, &run.widgets, &entered, &appMade,
                       &built, &shown, &cpu)
               != 7) {
        std::fprintf(stderr, "startup_runner: %s %s did not show its window\n", probe, kind);
        std::exit(1);
    }
    const auto since = [start](long long at) { return double(at - start) / 1e6; };
    run.toFrame = since(frame);
    run.toExit = since(exited);
    run.toMain = since(entered);
    run.toApplication = since(appMade);
    run.toBuilt = since(built);
    run.toShown = since(shown);
    run.cpuToFrame = double(cpu) / 1e6;
    return run;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_runner PROBE ROUNDS [KIND...]\n");
        return 2;
    }
    const char* probe = argv[1];
    const int rounds = std::max(1, std::atoi(argv[2]));
    std::vector<std::string> asked(argv + 3, argv + argc);
    if (asked.empty()) asked = {"bare", "plain", "charac"};
    std::vector<std::string> kinds; // what each kind is called in the table
    for (const std::string& request : asked) kinds.push_back(request.substr(0, request.find('=')));
    const std::size_t count = kinds.size();

    std::vector<std::vector<Run>> runs(count);
    for (int round = -1; round < rounds; ++round) {
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t k = (i + std::size_t(std::max(round, 0))) % count;
            const Run run = runOnce(probe, asked[k]);
            if (round >= 0) runs[k].push_back(run);
        }
    }

    // STARTUP_RAW=file keeps every run, one line each, for a closer look at the spread.
    if (const char* raw = std::getenv("STARTUP_RAW")) {
        if (std::FILE* out = std::fopen(raw, "w")) {
            for (std::size_t k = 0; k < count; ++k) {
                for (std::size_t r = 0; r < runs[k].size(); ++r) {
                    const Run& run = runs[k][r];
                    std::fprintf(out, "%s %zu %.3f %.3f %.3f %.3f %.3f %.3f %.3f\n", kinds[k].c_str(), r, run.toFrame,
                                 run.cpuToFrame, run.toExit, run.toMain, run.toApplication, run.toBuilt, run.toShown);
                }
            }
            std::fclose(out);
        }
    }

    const auto medianOf = [&](std::size_t k, double Run::*figure) {
        std::vector<double> values;
        for (const Run& run : runs[k]) values.push_back(run.*figure);
        return median(values);
    };
    // Ratios within each round (runs[k][r] all ran in round r): their median and quartiles.
    struct Spread {
        double low, median, high;
    };
    const auto ratio = [&](std::size_t a, std::size_t b, double Run::*figure) {
        std::vector<double> ratios;
        for (std::size_t r = 0; r < std::size_t(rounds); ++r)
            ratios.push_back(runs[a][r].*figure / (runs[b][r].*figure));
        std::sort(ratios.begin(), ratios.end());
        return Spread{ratios[ratios.size() / 4], median(ratios), ratios[(ratios.size() * 3) / 4]};
    };
    const auto indexOf = [&](const char* kind) {
        return std::size_t(std::find(kinds.begin(), kinds.end(), kind) - kinds.begin());
    };
    const std::size_t bare = indexOf("bare"), plain = indexOf("plain"), charac = indexOf("charac");

    std::printf("start-up to first frame, %d rounds of the kinds in turns; ms, medians (fastest run); cpu: the\n"
                "probe's processor time to its frame, which load on the machine hardly changes\n",
                rounds);
    std::printf("  %-13s %14s %6s %6s | %5s %5s %5s %5s %7s %7s\n", "kind", "frame", "cpu", "exit", "load", "app",
                "build", "show", "->frame", "widgets");
    for (std::size_t k = 0; k < count; ++k) {
        const double main = medianOf(k, &Run::toMain), app = medianOf(k, &Run::toApplication);
        const double built = medianOf(k, &Run::toBuilt), shown = medianOf(k, &Run::toShown);
        const double frame = medianOf(k, &Run::toFrame);
        double fastest = frame;
        for (const Run& run : runs[k]) fastest = std::min(fastest, run.toFrame);
        std::printf("  %-13s %6.1f (%5.1f) %6.1f %6.1f | %5.1f %5.1f %5.1f %5.1f %7.1f %7lld\n", kinds[k].c_str(),
                    frame, fastest, medianOf(k, &Run::cpuToFrame), medianOf(k, &Run::toExit), main, app - main,
                    built - app, shown - built, frame - shown, runs[k][0].widgets);
    }
    const auto compare = [&](std::size_t k, std::size_t base, const char* note) {
        const Spread wall = ratio(k, base, &Run::toFrame), cpu = ratio(k, base, &Run::cpuToFrame);
        std::printf("  %s/%s: cpu %.3f (quartiles %.2f-%.2f), wall %.3f (%.2f-%.2f); %+.1f ms cpu%s\n",
                    kinds[k].c_str(), kinds[base].c_str(), cpu.median, cpu.low, cpu.high, wall.median, wall.low,
                    wall.high, medianOf(k, &Run::cpuToFrame) - medianOf(base, &Run::cpuToFrame), note);
    };
    if (plain < count) {
        if (charac < count) compare(charac, plain, ", target <= 1.05");
        if (const std::size_t before = indexOf("before"); charac < count && before < count) compare(charac, before, "");
        if (bare < count) compare(plain, bare, "");
        for (std::size_t k = 0; k < count; ++k) {
            if (k != plain && k != bare && k != charac) compare(k, plain, "");
        }
    }
    return 0;
}
