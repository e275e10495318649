#include "platform/dbus/session_bus.h"

#include <dlfcn.h>
#include <systemd/sd-bus.h>

#include <cerrno>
#include <cstring>
#include <list>

#include "base/tool_error.h"

namespace orvane::dbus {

namespace {

// The few sd-bus functions used, looked up in libsystemd when D-Bus is first needed.
struct SdBus {
  decltype(&sd_bus_open_user) openUser;
  decltype(&sd_bus_close_unref) closeUnref;
  decltype(&sd_bus_process) process;
  decltype(&sd_bus_wait) wait;
  decltype(&sd_bus_is_ready) isReady;
  decltype(&sd_bus_get_unique_name) getUniqueName;
  decltype(&sd_bus_message_new_method_call) newMethodCall;
  decltype(&sd_bus_message_append_basic) appendBasic;
  decltype(&sd_bus_message_unref) messageUnref;
  decltype(&sd_bus_call_async) callAsync;
  decltype(&sd_bus_add_object) addObject;
  decltype(&sd_bus_slot_unref) slotUnref;
  decltype(&sd_bus_message_get_error) getError;
  decltype(&sd_bus_message_get_sender) getSender;
  decltype(&sd_bus_message_get_signature) getSignature;
  decltype(&sd_bus_message_read_basic) readBasic;
  decltype(&sd_bus_message_is_method_call) isMethodCall;
  decltype(&sd_bus_reply_method_return) replyMethodReturn;
  decltype(&sd_bus_get_n_queued_write) queuedWrites;
};

template <typename Function>
void lookUp(void* library, const char* name, Function& into, const std::string& failurePrefix) {
  void* symbol = dlsym(library, name);
  if (symbol == nullptr)
    throw PlatformError(failurePrefix + "libsystemd lacks " + name);
  into = reinterpret_cast<Function>(symbol);
}

// Loaded once and kept: a run opens at most a bus or two.
const SdBus& sdBus(const std::string& failurePrefix) {
  static SdBus functions{};
  static bool loaded = false;
  if (loaded)
    return functions;
  void* library = dlopen("libsystemd.so.0", RTLD_NOW | RTLD_LOCAL);
  if (library == nullptr)
    throw PlatformError(failurePrefix + "libsystemd.so.0 cannot be loaded: " + dlerror());
  const auto find = [&](const char* name, auto& into) {
    lookUp(library, name, into, failurePrefix);
  };
  find("sd_bus_open_user", functions.openUser);
  find("sd_bus_close_unref", functions.closeUnref);
  find("sd_bus_process", functions.process);
  find("sd_bus_wait", functions.wait);
  find("sd_bus_is_ready", functions.isReady);
  find("sd_bus_get_unique_name", functions.getUniqueName);
  find("sd_bus_message_new_method_call", functions.newMethodCall);
  find("sd_bus_message_append_basic", functions.appendBasic);
  find("sd_bus_message_unref", functions.messageUnref);
  find("sd_bus_call_async", functions.callAsync);
  find("sd_bus_add_object", functions.addObject);
  find("sd_bus_slot_unref", functions.slotUnref);
  find("sd_bus_message_get_error", functions.getError);
  find("sd_bus_message_get_sender", functions.getSender);
  find("sd_bus_message_get_signature", functions.getSignature);
  find("sd_bus_message_read_basic", functions.readBasic);
  find("sd_bus_message_is_method_call", functions.isMethodCall);
  find("sd_bus_reply_method_return", functions.replyMethodReturn);
  find("sd_bus_get_n_queued_write", functions.queuedWrites);
  loaded = true;
  return functions;
}

std::string text(const char* value) {
  return value == nullptr ? std::string() : std::string(value);
}

struct Served {
  const SdBus* functions;
  std::string interface;
  std::string member;
  StringReceiver receive;
};

}  // namespace

struct SessionBus::State {
  State(const SdBus& library, std::string prefix)
      : functions(library), failurePrefix(std::move(prefix)) {}
  State(const State&) = delete;
  State& operator=(const State&) = delete;

  const SdBus& functions;
  std::string failurePrefix;
  sd_bus* bus = nullptr;
  std::vector<sd_bus_slot*> slots;
  // Stable addresses: sd-bus holds pointers to these until the slots go.
  std::list<Served> served;
  std::list<std::pair<const SdBus*, Reply*>> pending;

  [[noreturn]] void fail(const std::string& why) const { throw PlatformError(failurePrefix + why); }

  ~State() {
    for (sd_bus_slot* slot : slots)
      functions.slotUnref(slot);
    if (bus != nullptr)
      functions.closeUnref(bus);
  }
};

namespace {

int onReply(sd_bus_message* message, void* userdata, sd_bus_error*) {
  auto* pending = static_cast<std::pair<const SdBus*, Reply*>*>(userdata);
  const SdBus& functions = *pending->first;
  Reply& reply = *pending->second;
  reply.arrived = true;
  reply.sender = text(functions.getSender(message));
  if (const sd_bus_error* error = functions.getError(message)) {
    reply.errorName = text(error->name);
    reply.error = text(error->name) + ": " + text(error->message);
    return 0;
  }
  const std::string signature = text(functions.getSignature(message, 1));
  std::int32_t value = 0;
  const char* string = nullptr;
  if (signature == "i" && functions.readBasic(message, 'i', &value) > 0)
    reply.integer = value;
  else if (signature == "s" && functions.readBasic(message, 's', &string) > 0)
    reply.text = text(string);
  return 0;
}

int onCall(sd_bus_message* message, void* userdata, sd_bus_error*) {
  const Served& served = *static_cast<Served*>(userdata);
  const SdBus& functions = *served.functions;
  if (functions.isMethodCall(message, served.interface.c_str(), served.member.c_str()) <= 0)
    return 0;
  const char* argument = nullptr;
  if (text(functions.getSignature(message, 1)) == "s" &&
      functions.readBasic(message, 's', &argument) > 0)
    served.receive(text(functions.getSender(message)), text(argument));
  functions.replyMethodReturn(message, nullptr);
  return 1;
}

}  // namespace

SessionBus::SessionBus(Deadline deadline, std::string failurePrefix)
    : state_(std::make_unique<State>(sdBus(failurePrefix), failurePrefix)) {
  if (const int error = state_->functions.openUser(&state_->bus); error < 0)
    state_->fail("session bus cannot be reached: " + std::string(std::strerror(-error)));
  // The bus names this connection in its answer to the first message, which sd-bus sends itself.
  if (!processUntil([&] { return state_->functions.isReady(state_->bus) > 0; }, deadline))
    state_->fail("session bus gave no answer within the time limit");
  const char* name = nullptr;
  if (state_->functions.getUniqueName(state_->bus, &name) < 0 || name == nullptr)
    state_->fail("session bus gave this connection no name");
  uniqueName_ = name;
}

SessionBus::~SessionBus() = default;

void SessionBus::send(const MethodCall& call, Reply& reply) {
  const SdBus& functions = state_->functions;
  sd_bus_message* message = nullptr;
  int error =
      functions.newMethodCall(state_->bus, &message, call.destination.c_str(), call.path.c_str(),
                              call.interface.c_str(), call.member.c_str());
  for (const std::string& argument : call.arguments)
    if (error >= 0)
      error = functions.appendBasic(message, 's', argument.c_str());
  auto& pending = state_->pending.emplace_back(&functions, &reply);
  sd_bus_slot* slot = nullptr;
  if (error >= 0)
    error = functions.callAsync(state_->bus, &slot, message, onReply, &pending, 0);
  if (message != nullptr)
    functions.messageUnref(message);
  if (error < 0)
    state_->fail(call.member + " cannot be sent: " + std::strerror(-error));
  state_->slots.push_back(slot);
}

void SessionBus::serve(const std::string& path, const std::string& interface,
                       const std::string& member, StringReceiver receive) {
  Served& served = state_->served.emplace_back(
      Served{&state_->functions, interface, member, std::move(receive)});
  sd_bus_slot* slot = nullptr;
  if (const int error =
          state_->functions.addObject(state_->bus, &slot, path.c_str(), onCall, &served);
      error < 0)
    state_->fail("cannot serve " + path + ": " + std::strerror(-error));
  state_->slots.push_back(slot);
}

bool SessionBus::flush(Deadline deadline) {
  return processUntil(
      [&] {
        std::uint64_t queued = 0;
        return state_->functions.queuedWrites(state_->bus, &queued) >= 0 && queued == 0;
      },
      deadline);
}

bool SessionBus::processUntil(const std::function<bool()>& done, Deadline deadline) {
  const SdBus& functions = state_->functions;
  for (;;) {
    int progress = 0;
    do {
      progress = functions.process(state_->bus, nullptr);
      if (progress < 0)
        state_->fail("session bus connection failed: " + std::string(std::strerror(-progress)));
      if (done())
        return true;
    } while (progress > 0);
    const auto remaining =
        std::chrono::ceil<std::chrono::microseconds>(deadline - std::chrono::steady_clock::now());
    if (remaining.count() <= 0)
      return false;
    const int waited = functions.wait(state_->bus, static_cast<std::uint64_t>(remaining.count()));
    if (waited < 0 && waited != -EINTR)
      state_->fail("session bus connection failed: " + std::string(std::strerror(-waited)));
  }
}

}  // namespace orvane::dbus
