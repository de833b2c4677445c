// Test helper that does what a window manager and a user do to end a
// program: waits until a top-level window with the given title is shown,
// asks it to close as a window's close button does (the WM_DELETE_WINDOW
// message of the ICCCM), and answers the question box the program then
// opens by pressing Return, its default button, as real key presses through
// the XTest extension.
//   close_window_x11 TITLE TIMEOUT_MS
// Exit status: 0 done; 2 bad arguments or no X display; 3 the window was
// not shown in time; 4 no question box appeared; 5 the box did not close.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Windows come and go while we look at them; a vanished one is no error.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }

std::string title(Display* dpy, Window w) {
    const Atom netName = XInternAtom(dpy, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(dpy, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(dpy, w, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success && data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(dpy, w, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// The shown top-level windows (children of the root: there is no window
// manager that would reparent them).
std::vector<Window> shownWindows(Display* dpy) {
    std::vector<Window> shown;
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(dpy, DefaultRootWindow(dpy), &root, &parent, &children, &count)) return shown;
    for (unsigned i = 0; i < count; ++i) {
        XWindowAttributes attributes;
        if (XGetWindowAttributes(dpy, children[i], &attributes) && attributes.map_state == IsViewable)
            shown.push_back(children[i]);
    }
    if (children) XFree(children);
    return shown;
}

bool shown(Display* dpy, Window w) {
    for (Window s : shownWindows(dpy))
        if (s == w) return true;
    return false;
}

// Polls until find() returns a window or the time is up.
template <class Find>
Window waitFor(Display* dpy, Clock::time_point deadline, Find find) {
    while (Clock::now() < deadline) {
        XSync(dpy, False);
        if (Window w = find()) return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return 0;
}

void askToClose(Display* dpy, Window w) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = w;
    event.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &event);
    XFlush(dpy);
}

void pressReturn(Display* dpy, Window w) {
    XSetInputFocus(dpy, w, RevertToParent, CurrentTime);
    XSync(dpy, False);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    const KeyCode key = XKeysymToKeycode(dpy, XK_Return);
    XTestFakeKeyEvent(dpy, key, True, 0);
    XTestFakeKeyEvent(dpy, key, False, 0);
    XFlush(dpy);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: close_window_x11 TITLE TIMEOUT_MS\n");
        return 2;
    }
    const std::string wanted = argv[1];
    const auto timeout = std::chrono::milliseconds(std::atoi(argv[2]));
    const Clock::time_point start = Clock::now();
    Display* dpy = XOpenDisplay(nullptr);
    if (!dpy) {
        std::fprintf(stderr, "close_window_x11: no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);

    const Window main = waitFor(dpy, start + timeout, [&]() -> Window {
        for (Window w : shownWindows(dpy))
            if (title(dpy, w) == wanted) return w;
        return 0;
    });
    if (!main) {
        std::fprintf(stderr, "close_window_x11: no window \"%s\" within %lld ms\n", wanted.c_str(),
                     static_cast<long long>(timeout.count()));
        return 3;
    }
    const auto shownAfter = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start);
    std::printf("window \"%s\" shown after %lld ms\n", wanted.c_str(), static_cast<long long>(shownAfter.count()));

    askToClose(dpy, main);
    const Window box = waitFor(dpy, Clock::now() + std::chrono::seconds(5), [&]() -> Window {
        for (Window w : shownWindows(dpy)) {
            Window owner = 0;
            if (XGetTransientForHint(dpy, w, &owner) && owner == main) return w;
        }
        return 0;
    });
    if (!box) {
        std::fprintf(stderr, "close_window_x11: no question box after the close request\n");
        return 4;
    }
    std::printf("question box \"%s\" shown\n", title(dpy, box).c_str());

    // Press Return until the box is gone: the first press can come before
    // the box takes the keyboard.
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(5);
    while (shown(dpy, box)) {
        if (Clock::now() > deadline) {
            std::fprintf(stderr, "close_window_x11: the question box stayed open\n");
            return 5;
        }
        pressReturn(dpy, box);
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        XSync(dpy, False);
    }
    XCloseDisplay(dpy);
    return 0;
}
