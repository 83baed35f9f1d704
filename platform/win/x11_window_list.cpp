#include "platform/win/x11_window_list.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>
#include <optional>

#include "platform/vb/encoding.h"

namespace win {
namespace {

constexpr long kMaxPropertyLongs = 1L << 16;

struct DisplayCloser {
  void operator()(Display* display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

int IgnoreError(Display*, XErrorEvent*) { return 0; }

// A window may close while it is being listed; the error that the server then
// reports must not end the program, which is what Xlib's own handler does.
class ErrorsIgnored {
 public:
  explicit ErrorsIgnored(Display* display)
      : display_(display), previous_(XSetErrorHandler(IgnoreError)) {}
  ~ErrorsIgnored() {
    XSync(display_, False);
    XSetErrorHandler(previous_);
  }
  ErrorsIgnored(const ErrorsIgnored&) = delete;
  ErrorsIgnored& operator=(const ErrorsIgnored&) = delete;

 private:
  Display* display_;
  int (*previous_)(Display*, XErrorEvent*);
};

struct Property {
  Atom type = None;
  int format = 0;
  std::string bytes;
  unsigned long items = 0;
};

std::optional<Property> ReadProperty(Display* display, Window window, Atom name, Atom type) {
  Property property;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  int status = XGetWindowProperty(display, window, name, 0, kMaxPropertyLongs, False, type,
                                  &property.type, &property.format, &property.items, &after,
                                  &data);
  if (status != Success || property.type == None) {
    if (data) XFree(data);
    return std::nullopt;
  }
  std::size_t unit = property.format == 32 ? sizeof(long) : property.format / 8;
  if (data) property.bytes.assign(reinterpret_cast<char*>(data), property.items * unit);
  if (data) XFree(data);
  return property;
}

std::optional<std::vector<Window>> ClientList(Display* display, Window root) {
  Atom clientList = XInternAtom(display, "_NET_CLIENT_LIST", True);
  if (clientList == None) return std::nullopt;
  std::optional<Property> property = ReadProperty(display, root, clientList, XA_WINDOW);
  if (!property || property->type != XA_WINDOW || property->format != 32) return std::nullopt;
  const auto* ids = reinterpret_cast<const unsigned long*>(property->bytes.data());
  return std::vector<Window>(ids, ids + property->items);
}

std::vector<Window> RootChildren(Display* display, Window root) {
  Window rootReturn = 0;
  Window parent = 0;
  Window* children = nullptr;
  unsigned int count = 0;
  if (!XQueryTree(display, root, &rootReturn, &parent, &children, &count)) return {};
  std::vector<Window> windows(children, children + count);
  if (children) XFree(children);
  return windows;
}

bool IsVisible(Display* display, Window window) {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

std::string Latin1ToUtf8(const std::string& bytes) {
  std::string text;
  for (char c : bytes) text += vb::EncodeUtf8(static_cast<char32_t>(static_cast<unsigned char>(c)));
  return text;
}

std::optional<std::string> NetWmName(Display* display, Window window, Atom utf8) {
  Atom name = XInternAtom(display, "_NET_WM_NAME", False);
  std::optional<Property> property = ReadProperty(display, window, name, utf8);
  if (!property || property->type != utf8 || property->format != 8) return std::nullopt;
  return property->bytes;
}

std::string ConvertedText(Display* display, XTextProperty& text) {
  char** list = nullptr;
  int count = 0;
  std::string converted;
  if (Xutf8TextPropertyToTextList(display, &text, &list, &count) >= Success && count > 0)
    converted = list[0];
  if (list) XFreeStringList(list);
  return converted;
}

std::string WmName(Display* display, Window window, Atom utf8) {
  XTextProperty text{};
  if (!XGetWMName(display, window, &text) || !text.value) return "";
  std::string bytes(reinterpret_cast<char*>(text.value), text.nitems);
  std::string title = text.encoding == XA_STRING ? Latin1ToUtf8(bytes)
                      : text.encoding == utf8    ? bytes
                                                 : ConvertedText(display, text);
  XFree(text.value);
  return title;
}

std::string Title(Display* display, Window window, Atom utf8) {
  std::optional<std::string> title = NetWmName(display, window, utf8);
  return title ? *title : WmName(display, window, utf8);
}

}  // namespace

X11WindowList::X11WindowList(std::string displayName) : displayName_(std::move(displayName)) {}

std::vector<std::string> X11WindowList::VisibleTitles() {
  DisplayHandle display(XOpenDisplay(displayName_.empty() ? nullptr : displayName_.c_str()));
  if (!display) return {};
  ErrorsIgnored errorsIgnored(display.get());
  Window root = DefaultRootWindow(display.get());
  Atom utf8 = XInternAtom(display.get(), "UTF8_STRING", False);
  std::optional<std::vector<Window>> clients = ClientList(display.get(), root);
  std::vector<Window> windows = clients ? *clients : RootChildren(display.get(), root);
  std::vector<std::string> titles;
  for (Window window : windows) {
    if (!IsVisible(display.get(), window)) continue;
    std::string title = Title(display.get(), window, utf8);
    if (!title.empty()) titles.push_back(title);
  }
  return titles;
}

}  // namespace win
