#include "platform/gnome/gnome_exchange.h"

#include <set>

#include "base/tool_error.h"
#include "platform/dbus/session_bus.h"

namespace orvane::gnome {

namespace {

const std::string failurePrefix = "window list unavailable: GNOME Shell ";

// What the bus or GNOME Shell says when no one serves the name, the object or the method.
const std::set<std::string, std::less<>> notServedErrors = {
    "org.freedesktop.DBus.Error.ServiceUnknown", "org.freedesktop.DBus.Error.NameHasNoOwner",
    "org.freedesktop.DBus.Error.UnknownObject",  "org.freedesktop.DBus.Error.UnknownInterface",
    "org.freedesktop.DBus.Error.UnknownMethod",
};

}  // namespace

std::string requestWindowList(std::chrono::steady_clock::time_point deadline) {
  dbus::SessionBus bus(deadline, failurePrefix);
  dbus::Reply reply;
  bus.send({serviceName, servicePath, serviceInterface, serviceMember, {}}, reply);
  bus.processUntil([&] { return reply.arrived; }, deadline);
  if (!reply.arrived)
    throw PlatformError(failurePrefix + "gave no answer within the time limit");
  if (reply.errorName && notServedErrors.contains(*reply.errorName))
    throw PlatformError(extensionNotEnabledMessage);
  if (reply.error)
    throw PlatformError(failurePrefix + "extension cannot be asked: " + *reply.error);
  if (!reply.text)
    throw PlatformError(failurePrefix + "extension answered with something other than text");
  return *reply.text;
}

}  // namespace orvane::gnome
