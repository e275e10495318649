#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "fuzz/json_check.h"
#include "support/child_process.h"

namespace orvane::testing {

// A run ended soundly when it exited by itself with one valid document on the stream its status
// calls for: status 0 and a JSON document with its line feed on standard output, or status 1 and
// exactly acceptedError on standard error; the other stream empty either way.
inline ::testing::AssertionResult isSoundRun(const ProcessOutcome& outcome,
                                             const std::string& acceptedError) {
  if (outcome.timedOut || outcome.signal != 0)
    return ::testing::AssertionFailure() << "hung or killed by signal " << outcome.signal;
  if (outcome.exitStatus == 1 && outcome.out.empty() && outcome.err == acceptedError)
    return ::testing::AssertionSuccess();
  if (outcome.exitStatus == 0 && outcome.err.empty() && outcome.out.ends_with('\n') &&
      isValidJSONDocument(std::string_view(outcome.out).substr(0, outcome.out.size() - 1)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "status " << outcome.exitStatus << ", out "
                                       << outcome.out.substr(0, 200) << ", err " << outcome.err;
}

}  // namespace orvane::testing
