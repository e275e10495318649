// Times whole commands side by side: every round runs each command once, in turn, so that
// background noise falls on all of them alike. Prints the median wall time, the spread, the median
// processor time (user and system, which other jobs on a busy machine disturb far less than the
// wall time) and the peak resident memory of each command, then the requested ratios of medians.
//
//   bench_runner [--runs N] [--ratio A/B]... LABEL 'COMMAND ARGS' [LABEL 'COMMAND ARGS']...
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <sstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

struct Subject {
  std::string label;
  std::vector<std::string> argv;
  std::vector<double> millis;
  std::vector<double> cpuMillis;
  long peakKilobytes = 0;
  int failures = 0;
};

std::vector<std::string> words(const std::string& command) {
  std::istringstream stream(command);
  std::vector<std::string> result;
  for (std::string word; stream >> word;) result.push_back(word);
  return result;
}

double millisOf(const timeval& time) {
  return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
}

void runOnce(Subject& subject) {
  std::vector<char*> argv;
  for (std::string& word : subject.argv) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    ++subject.failures;
    posix_spawn_file_actions_destroy(&actions);
    return;
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  const auto end = std::chrono::steady_clock::now();
  posix_spawn_file_actions_destroy(&actions);
  subject.millis.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  subject.cpuMillis.push_back(millisOf(usage.ru_utime) + millisOf(usage.ru_stime));
  subject.peakKilobytes = std::max(subject.peakKilobytes, usage.ru_maxrss);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) ++subject.failures;
}

double percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  const auto index = static_cast<std::size_t>(fraction * static_cast<double>(values.size() - 1));
  return values[index];
}

}  // namespace

int main(int argc, char** argv) {
  int runs = 30;
  std::vector<std::pair<std::string, std::string>> ratios;
  std::vector<Subject> subjects;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--runs" && i + 1 < argc) {
      runs = std::atoi(argv[++i]);
    } else if (argument == "--ratio" && i + 1 < argc) {
      const std::string pair = argv[++i];
      const auto slash = pair.find('/');
      ratios.emplace_back(pair.substr(0, slash), pair.substr(slash + 1));
    } else if (i + 1 < argc) {
      subjects.push_back(Subject{argument, words(argv[++i]), {}, {}, 0, 0});
    } else {
      std::fprintf(stderr, "usage: bench_runner [--runs N] [--ratio A/B]... LABEL 'COMMAND'...\n");
      return 2;
    }
  }
  for (Subject& subject : subjects) runOnce(subject);  // warm the caches, not counted
  for (Subject& subject : subjects) {
    subject.millis.clear();
    subject.cpuMillis.clear();
    subject.failures = 0;
  }
  for (int round = 0; round < runs; ++round) {
    for (Subject& subject : subjects) runOnce(subject);
  }

  std::map<std::string, double> medians;
  std::map<std::string, double> cpuMedians;
  std::printf("| command | median ms | p10 ms | p90 ms | median CPU ms | peak RSS MB | failed runs |\n");
  std::printf("|---|---:|---:|---:|---:|---:|---:|\n");
  for (const Subject& subject : subjects) {
    medians[subject.label] = percentile(subject.millis, 0.5);
    cpuMedians[subject.label] = percentile(subject.cpuMillis, 0.5);
    std::printf("| %s | %.2f | %.2f | %.2f | %.2f | %.1f | %d |\n", subject.label.c_str(),
                medians[subject.label], percentile(subject.millis, 0.1),
                percentile(subject.millis, 0.9), cpuMedians[subject.label],
                subject.peakKilobytes / 1024.0, subject.failures);
  }
  if (!ratios.empty()) {
    std::printf("\n| ratio of medians | wall | CPU |\n|---|---:|---:|\n");
    for (const auto& [numerator, denominator] : ratios) {
      std::printf("| %s / %s | %.2f | %.2f |\n", numerator.c_str(), denominator.c_str(),
                  medians[numerator] / medians[denominator],
                  cpuMedians[numerator] / cpuMedians[denominator]);
    }
  }
  return 0;
}
