#include "platform/kwin/kwin_exchange.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "base/tool_error.h"
#include "platform/dbus/session_bus.h"
#include "platform/kwin/kwin_script.h"

namespace orvane::kwin {

namespace {

const std::string failurePrefix = "window list unavailable: KWin ";

// Sending the unload request normally takes microseconds; a bus that will not take it costs at
// most this more.
constexpr std::chrono::milliseconds unloadGrace{250};

[[noreturn]] void fail(const std::string& why) {
  throw PlatformError(failurePrefix + why);
}

// The script as a file KWin can open although the tool writes none: a memory file, named by its
// place in this process's descriptor table, which KWin (the same user) may read.
class ScriptFile {
 public:
  explicit ScriptFile(std::string_view text)
      : fd_(memfd_create("orvane-window-list.js", MFD_CLOEXEC)) {
    if (fd_ == -1)
      fail(std::string("script cannot be made: ") + std::strerror(errno));
    while (!text.empty()) {
      const ssize_t written = write(fd_, text.data(), text.size());
      if (written < 0 && errno == EINTR)
        continue;
      if (written <= 0) {
        const int error = errno;
        close(fd_);
        fail(std::string("script cannot be made: ") + std::strerror(error));
      }
      text.remove_prefix(static_cast<std::size_t>(written));
    }
  }
  ~ScriptFile() { close(fd_); }
  ScriptFile(const ScriptFile&) = delete;
  ScriptFile& operator=(const ScriptFile&) = delete;

  std::string path() const {
    return "/proc/" + std::to_string(getpid()) + "/fd/" + std::to_string(fd_);
  }

 private:
  int fd_;
};

dbus::MethodCall scriptingCall(std::string member, std::vector<std::string> arguments) {
  return {"org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", std::move(member),
          std::move(arguments)};
}

// KWin keeps scripts by name, so runs that overlap each need their own.
std::string uniqueScriptName() {
  return "orvane-window-list-" + std::to_string(getpid()) + "-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count());
}

// Unloads the script of that name when the query ends, however it ends. Asking to unload a script
// that KWin never loaded is harmless. The request only has to leave this process: the bus
// delivers what it has received even after the connection closes.
class ScriptUnloader {
 public:
  ScriptUnloader(dbus::SessionBus& bus, std::string name) : bus_(bus), name_(std::move(name)) {}
  ~ScriptUnloader() {
    try {
      bus_.send(scriptingCall("unloadScript", {name_}), reply_);
      bus_.flush(std::chrono::steady_clock::now() + unloadGrace);
    } catch (const Error&) {
      // A bus that failed cannot carry the request; KWin keeps the script until it restarts.
    }
  }
  ScriptUnloader(const ScriptUnloader&) = delete;
  ScriptUnloader& operator=(const ScriptUnloader&) = delete;

 private:
  dbus::SessionBus& bus_;
  std::string name_;
  dbus::Reply reply_;  // filled in only if the reply comes before the connection closes
};

}  // namespace

std::string requestWindowList(std::chrono::steady_clock::time_point deadline) {
  dbus::SessionBus bus(deadline, failurePrefix);
  std::vector<std::pair<std::string, std::string>> answers;  // sender, text
  bus.serve(answerPath, answerInterface, answerMember,
            [&](const std::string& sender, std::string text) {
              answers.emplace_back(sender, std::move(text));
            });
  const ScriptFile file(windowListScript(bus.uniqueName()));
  const std::string name = uniqueScriptName();
  // Made before the unloader, which processes the bus once more and may fill them in.
  dbus::Reply loaded;
  dbus::Reply started;
  const ScriptUnloader unloader(bus, name);

  // KWin takes one connection's messages in order, so the script is loaded by the time it is
  // asked to start: one round trip for both.
  bus.send(scriptingCall("loadScript", {file.path(), name}), loaded);
  bus.send(scriptingCall("start", {}), started);
  // Only KWin itself may answer: any program on the bus could call this connection.
  const auto fromKWin = [&] {
    return std::find_if(answers.begin(), answers.end(), [&](const auto& answer) {
      return loaded.arrived && answer.first == loaded.sender;
    });
  };
  const auto refused = [&] { return loaded.arrived && (!loaded.integer || *loaded.integer < 0); };
  bus.processUntil([&] { return fromKWin() != answers.end() || refused() || started.error; },
                   deadline);
  if (!loaded.arrived)
    fail("gave no answer within the time limit");
  if (loaded.error)
    fail("cannot be asked: " + *loaded.error);
  if (refused())
    fail("refused the window script");
  if (fromKWin() != answers.end())
    return fromKWin()->second;
  if (started.error)
    fail("would not start the window script: " + *started.error);
  fail("window script gave no answer within the time limit");
}

}  // namespace orvane::kwin
