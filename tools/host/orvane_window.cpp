// The host's main window, alone: a visible top-level window titled "Orvane", so
// that the module's programs, which start only beside it, can be run by hand. It
// stays until it is closed or killed; once it is on the screen it prints its
// window id, so that a script or a test knows when to go on.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <string>

namespace {

struct Options {
  std::string title = "Orvane";
  std::string display;
  bool valid = true;
};

Options ParseOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if ((arg == "--title" || arg == "--display") && i + 1 < argc)
      (arg == "--title" ? options.title : options.display) = argv[++i];
    else
      options.valid = false;
  }
  return options;
}

// WM_NAME is a Latin-1 STRING; a title outside Latin-1 keeps "?" there and its
// full text in _NET_WM_NAME.
std::string Latin1(const std::string& utf8) {
  std::string text;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    unsigned char c = utf8[i];
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if ((c >> 5) == 6 && i + 1 < utf8.size()) {
      unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3Fu);
      text += code <= 0xFF ? static_cast<char>(code) : '?';
    } else if ((c & 0xC0) != 0x80) {
      text += '?';
    }
  }
  return text;
}

void SetTitle(Display* display, Window window, const std::string& title) {
  std::string latin1 = Latin1(title);
  XChangeProperty(display, window, XA_WM_NAME, XA_STRING, 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(latin1.data()), static_cast<int>(latin1.size()));
  XChangeProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False),
                  XInternAtom(display, "UTF8_STRING", False), 8, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(title.data()), static_cast<int>(title.size()));
}

void SetClass(Display* display, Window window) {
  XClassHint hint;
  char name[] = "orvane";
  char className[] = "Orvane";
  hint.res_name = name;
  hint.res_class = className;
  XSetClassHint(display, window, &hint);
}

Window CreateWindow(Display* display, const std::string& title, Atom deleteWindow) {
  int screen = DefaultScreen(display);
  Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, 360, 120, 1,
                                      BlackPixel(display, screen), WhitePixel(display, screen));
  SetTitle(display, window, title);
  SetClass(display, window);
  XSetWMProtocols(display, window, &deleteWindow, 1);
  XSelectInput(display, window, ExposureMask | StructureNotifyMask);
  return window;
}

void DrawTitle(Display* display, Window window, const std::string& title) {
  std::string latin1 = Latin1(title);
  GC gc = DefaultGC(display, DefaultScreen(display));
  XDrawString(display, window, gc, 20, 60, latin1.data(), static_cast<int>(latin1.size()));
}

// Runs until the window manager asks the window to close (or the window is
// destroyed); the process's own end (a signal) needs no handling.
int RunEvents(Display* display, Window window, const std::string& title, Atom deleteWindow) {
  bool announced = false;
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == MapNotify && !announced) {
      std::printf("0x%lx\n", static_cast<unsigned long>(window));
      std::fflush(stdout);
      announced = true;
    } else if (event.type == Expose && event.xexpose.count == 0) {
      DrawTitle(display, window, title);
    } else if (event.type == ClientMessage &&
               static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow) {
      return 0;
    } else if (event.type == DestroyNotify) {
      return 0;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options = ParseOptions(argc, argv);
  if (!options.valid) {
    std::fprintf(stderr, "usage: orvane_window [--title TITLE] [--display DISPLAY]\n");
    return 2;
  }
  Display* display = XOpenDisplay(options.display.empty() ? nullptr : options.display.c_str());
  if (!display) {
    std::fprintf(stderr, "orvane_window: cannot open display %s\n",
                 XDisplayName(options.display.empty() ? nullptr : options.display.c_str()));
    return 1;
  }
  Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
  Window window = CreateWindow(display, options.title, deleteWindow);
  XMapWindow(display, window);
  int status = RunEvents(display, window, options.title, deleteWindow);
  XCloseDisplay(display);
  return status;
}
