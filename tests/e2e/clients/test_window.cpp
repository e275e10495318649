// A window with exactly the properties the end-to-end tests ask for, including ones no stock
// client sets. Prints the window's id once it is mapped, then stays until it is killed.
//
//   orvane_testwin [--geometry WxH+X+Y] [--border N] [--title TEXT] [--wm-name TEXT]
//                  [--class TEXT] [--no-pid] [--pid-as-string] [--machine TEXT] [--type NAME]
//                  [--state NAME]... [--desktop N] [--wm-state N] [--opacity F] [--opacity8]
//                  [--override-redirect] [--input-only] [--unmapped] [--title-bytes N] [--churn]
//
// TEXT may hold \xNN escapes, so that titles can carry any bytes, NUL included.
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Options {
  int width = 400, height = 300, x = 100, y = 100, border = 0;
  std::vector<std::pair<std::string, std::string>> texts;  // property name, bytes
  bool pid = true, pidAsString = false, overrideRedirect = false, inputOnly = false;
  bool mapped = true, opacity8 = false, churn = false;
  std::string type;
  std::vector<std::string> states;
  long desktop = -1, wmState = -1;
  double opacity = -1;
};

std::string unescape(const char* text) {
  std::string out;
  for (const char* p = text; *p != '\0'; ++p) {
    if (p[0] == '\\' && p[1] == 'x' && p[2] != '\0' && p[3] != '\0') {
      out += static_cast<char>(std::strtol(std::string(p + 2, 2).c_str(), nullptr, 16));
      p += 3;
    } else {
      out += *p;
    }
  }
  return out;
}

Options parse(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    const char* next = i + 1 < argc ? argv[i + 1] : "";
    auto value = [&] { return argc > ++i ? argv[i] : ""; };
    if (a == "--geometry") {
      std::sscanf(value(), "%dx%d+%d+%d", &o.width, &o.height, &o.x, &o.y);
    } else if (a == "--border") {
      o.border = std::atoi(value());
    } else if (a == "--title") {
      o.texts.push_back({"_NET_WM_NAME", unescape(value())});
    } else if (a == "--wm-name") {
      o.texts.push_back({"WM_NAME", unescape(value())});
    } else if (a == "--class") {
      o.texts.push_back({"WM_CLASS", unescape(value())});
    } else if (a == "--machine") {
      o.texts.push_back({"WM_CLIENT_MACHINE", unescape(value())});
    } else if (a == "--title-bytes") {
      o.texts.push_back({"_NET_WM_NAME", std::string(std::strtoul(value(), nullptr, 10), 'x')});
    } else if (a == "--no-pid") {
      o.pid = false;
    } else if (a == "--pid-as-string") {
      o.pidAsString = true;
    } else if (a == "--type") {
      o.type = value();
    } else if (a == "--state") {
      o.states.push_back(value());
    } else if (a == "--desktop") {
      o.desktop = std::atol(value());
    } else if (a == "--wm-state") {
      o.wmState = std::atol(value());
    } else if (a == "--opacity") {
      o.opacity = std::atof(value());
    } else if (a == "--opacity8") {
      o.opacity8 = true;
    } else if (a == "--override-redirect") {
      o.overrideRedirect = true;
    } else if (a == "--input-only") {
      o.inputOnly = true;
    } else if (a == "--unmapped") {
      o.mapped = false;
    } else if (a == "--churn") {
      o.churn = true;
    } else {
      std::fprintf(stderr, "unknown option %s (%s)\n", a.c_str(), next);
      std::exit(2);
    }
  }
  return o;
}

xcb_atom_t atom(xcb_connection_t* c, const std::string& name) {
  xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
      c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(name.size()), name.c_str()), nullptr);
  const xcb_atom_t result = reply ? reply->atom : 0;
  std::free(reply);
  return result;
}

void set(xcb_connection_t* c, xcb_window_t w, const std::string& property, xcb_atom_t type,
         int format, const void* data, std::size_t items) {
  xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, atom(c, property), type,
                      static_cast<std::uint8_t>(format), static_cast<std::uint32_t>(items), data);
}

void setCardinal(xcb_connection_t* c, xcb_window_t w, const std::string& property,
                 std::uint32_t value) {
  set(c, w, property, XCB_ATOM_CARDINAL, 32, &value, 1);
}

xcb_window_t makeWindow(xcb_connection_t* c, xcb_screen_t* screen, const Options& o) {
  const xcb_window_t w = xcb_generate_id(c);
  const std::uint32_t values[] = {o.overrideRedirect ? 1u : 0u};
  xcb_create_window(c, o.inputOnly ? 0 : XCB_COPY_FROM_PARENT, w, screen->root,
                    static_cast<std::int16_t>(o.x), static_cast<std::int16_t>(o.y),
                    static_cast<std::uint16_t>(o.width), static_cast<std::uint16_t>(o.height),
                    static_cast<std::uint16_t>(o.inputOnly ? 0 : o.border),
                    o.inputOnly ? XCB_WINDOW_CLASS_INPUT_ONLY : XCB_WINDOW_CLASS_INPUT_OUTPUT,
                    XCB_COPY_FROM_PARENT, XCB_CW_OVERRIDE_REDIRECT, values);
  for (const auto& [property, bytes] : o.texts) {
    const xcb_atom_t type =
        property == "_NET_WM_NAME" ? atom(c, "UTF8_STRING") : xcb_atom_t{XCB_ATOM_STRING};
    set(c, w, property, type, 8, bytes.data(), bytes.size());
  }
  if (o.pid && !o.pidAsString)
    setCardinal(c, w, "_NET_WM_PID", static_cast<std::uint32_t>(getpid()));
  if (o.pidAsString) {
    const std::string text = std::to_string(getpid());
    set(c, w, "_NET_WM_PID", XCB_ATOM_STRING, 8, text.data(), text.size());
  }
  if (!o.type.empty()) {
    const xcb_atom_t type = atom(c, "_NET_WM_WINDOW_TYPE_" + o.type);
    set(c, w, "_NET_WM_WINDOW_TYPE", XCB_ATOM_ATOM, 32, &type, 1);
  }
  std::vector<xcb_atom_t> states;
  for (const std::string& state : o.states)
    states.push_back(atom(c, "_NET_WM_STATE_" + state));
  if (!states.empty())
    set(c, w, "_NET_WM_STATE", XCB_ATOM_ATOM, 32, states.data(), states.size());
  if (o.desktop >= 0)
    setCardinal(c, w, "_NET_WM_DESKTOP", static_cast<std::uint32_t>(o.desktop));
  if (o.wmState >= 0) {
    const std::uint32_t state[] = {static_cast<std::uint32_t>(o.wmState), 0};
    set(c, w, "WM_STATE", atom(c, "WM_STATE"), 32, state, 2);
  }
  if (o.opacity >= 0)
    setCardinal(c, w, "_NET_WM_WINDOW_OPACITY",
                static_cast<std::uint32_t>(o.opacity * 0xffffffffu));
  if (o.opacity8) {
    const unsigned char half = 0x80;
    set(c, w, "_NET_WM_WINDOW_OPACITY", XCB_ATOM_CARDINAL, 8, &half, 1);
  }
  if (o.mapped)
    xcb_map_window(c, w);
  return w;
}

// Windows appear and vanish as fast as the server takes them, to catch a snapshot mid-change.
[[noreturn]] void churn(xcb_connection_t* c, xcb_screen_t* screen, Options o) {
  std::printf("0\n");
  std::fflush(stdout);
  for (unsigned round = 0;; ++round) {
    o.x = static_cast<int>(round % 500);
    const xcb_window_t w = makeWindow(c, screen, o);
    xcb_destroy_window(c, w);
    if (round % 16 == 0)
      std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    // A thousand windows a second at most: churn that a loaded machine cannot outpace would
    // starve the server and the tool alike, and every snapshot would run out of time.
    usleep(1000);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const Options options = parse(argc, argv);
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c))
    return 1;
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  if (options.churn)
    churn(c, screen, options);
  const xcb_window_t w = makeWindow(c, screen, options);
  // A round trip, so that every request above has been handled when the id is printed.
  std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
  std::printf("%u\n", w);
  std::fflush(stdout);
  while (xcb_generic_event_t* event = xcb_wait_for_event(c))
    std::free(event);
  return 0;
}
