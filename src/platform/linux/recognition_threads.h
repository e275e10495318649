#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Tesseract asks OpenMP for four threads, and its threads spin at every one of thousands of small
// joins. That pays only while each thread has a processor to itself: on two processors a screenshot
// took 2.0 s with two threads and 2.4 s with one, but two such runs at once took 13.2 s against
// 2.4 s, and four threads in one run five times as long as one. So below four processors the
// recogniser gets one thread; from four on, Tesseract keeps its own four.
int recognitionThreadLimit(int processors);

// The processors a CPU bandwidth limit grants, rounded up: "200000 100000" (quota and period in
// microseconds, as cgroup v2's cpu.max holds them) is 2, "150000 100000" is 2. Nothing for an
// unlimited quota ("max", or cgroup v1's -1) or text that is not a limit.
std::optional<int> processorsFromQuota(std::string_view quotaAndPeriod);

// The tightest CPU bandwidth limit on the cgroups of a process and their ancestors, given the text
// of its /proc/<pid>/cgroup and the folder where the cgroup file systems are mounted. Both the
// unified (v2) and the cpu controller's (v1) hierarchy are read; nothing when neither limits it.
std::optional<int> cgroupProcessorLimit(std::string_view processCgroups,
                                        const std::string& cgroupMount);

// The processors this process may use: its CPU affinity, narrowed by its cgroups' CPU limits.
int availableProcessors();

}  // namespace orvane
