#pragma once

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "base/tool_error.h"
#include "platform/platform.h"

namespace orvane::testing {

// Hands out a fixed snapshot and counts how often it was asked.
class FakeWindowSource : public WindowSource {
 public:
  explicit FakeWindowSource(std::vector<WindowEntry> initial = {}) : snapshot(std::move(initial)) {}
  std::vector<WindowEntry> entries() override {
    ++snapshotsTaken;
    return snapshot;
  }
  std::vector<WindowEntry> snapshot;
  int snapshotsTaken = 0;
};

// Answers from a table and records every process id it was asked about.
class FakeRegistry : public ApplicationRegistry {
 public:
  explicit FakeRegistry(std::map<std::int32_t, std::string> known = {}) : ids(std::move(known)) {}
  std::optional<std::string> bundleIdentifier(std::int32_t processId) override {
    lookups.push_back(processId);
    const auto found = ids.find(processId);
    if (found == ids.end())
      return std::nullopt;
    return found->second;
  }
  std::map<std::int32_t, std::string> ids;
  std::vector<std::int32_t> lookups;
};

class FakeImage : public DecodedImage {
 public:
  explicit FakeImage(std::string from) : path(std::move(from)) {}
  std::string path;
};

// Decodes every path except those listed as invalid; records the paths it was given.
class FakeDecoder : public ImageDecoder {
 public:
  std::unique_ptr<DecodedImage> decodeFirstImage(const std::string& path) override {
    decoded.push_back(path);
    if (invalidPaths.count(path) != 0)
      return nullptr;
    return std::make_unique<FakeImage>(path);
  }
  std::set<std::string> invalidPaths;
  std::vector<std::string> decoded;
};

// One scripted attempt: observations, "no results" (nullopt), or a failure with a message.
struct AttemptFailure {
  std::string description;
};
using ScriptedAttempt = std::variant<std::optional<std::vector<TextObservation>>, AttemptFailure>;

// Plays its script one attempt per call; runs past the end repeat the last entry.
class FakeRecognizer : public TextRecognizer {
 public:
  explicit FakeRecognizer(std::vector<ScriptedAttempt> attemptsToPlay = {})
      : script(std::move(attemptsToPlay)) {}
  std::optional<std::vector<TextObservation>> recognizeText(const DecodedImage&) override {
    const std::size_t index = std::min(attempts, script.size() - 1);
    ++attempts;
    if (const auto* failure = std::get_if<AttemptFailure>(&script.at(index))) {
      throw PlatformError(failure->description);
    }
    return std::get<0>(script.at(index));
  }
  std::vector<ScriptedAttempt> script;
  std::size_t attempts = 0;
};

class FakeSleeper : public Sleeper {
 public:
  void sleepFor(double seconds) override { pauses.push_back(seconds); }
  std::vector<double> pauses;
};

// A platform made of the fakes above, recording which services a run asked for.
class FakePlatform : public Platform {
 public:
  WindowSource& windowSource() override {
    asked.push_back("windowSource");
    return windows;
  }
  ApplicationRegistry& applicationRegistry() override {
    asked.push_back("applicationRegistry");
    return registry;
  }
  ImageDecoder& imageDecoder() override {
    asked.push_back("imageDecoder");
    return decoder;
  }
  TextRecognizer& textRecognizer() override {
    asked.push_back("textRecognizer");
    return recognizer;
  }
  Sleeper& sleeper() override { return sleeperFake; }

  FakeWindowSource windows;
  FakeRegistry registry;
  FakeDecoder decoder;
  FakeRecognizer recognizer{
      {std::optional<std::vector<TextObservation>>{std::vector<TextObservation>{}}}};
  FakeSleeper sleeperFake;
  std::vector<std::string> asked;
};

// Keeps every write, or fails them all when broken.
class RecordingSink : public OutputSink {
 public:
  void write(std::string_view bytes) override {
    if (broken)
      throw PlatformError("cannot write output: Broken pipe");
    writes.emplace_back(bytes);
  }
  std::string all() const {
    std::string joined;
    for (const std::string& w : writes)
      joined += w;
    return joined;
  }
  std::vector<std::string> writes;
  bool broken = false;
};

}  // namespace orvane::testing
