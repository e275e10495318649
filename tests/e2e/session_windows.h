#pragma once

#include <functional>
#include <string>
#include <vector>

#include "support/child_process.h"
#include "window_json.h"

namespace orvane::testing {

// The tool run inside a desktop session.
using SessionTool = std::function<ProcessOutcome(const std::vector<std::string>& arguments)>;

// The windows a listing command prints, expecting it to succeed.
std::vector<ListedWindow> listedWindows(const SessionTool& tool,
                                        const std::vector<std::string>& command);

// The titles list-all prints, sorted; without assertions, so that a shell still starting may
// fail a query, and a failure while a suite is set up fails its tests rather than skipping them.
std::vector<std::string> shownTitles(const SessionTool& tool);

// Waits until list-all shows exactly these titles; throws with what it shows otherwise.
void waitForWindows(const SessionTool& tool, std::vector<std::string> expected);

}  // namespace orvane::testing
