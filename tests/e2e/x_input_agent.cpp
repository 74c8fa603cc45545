// Real keyboard and mouse input for the end-to-end tests, made by the X server's test
// extension as if a person used the devices. Wine then learns of every press, move and key
// from the X server alone, in the order the server made them, as it does on a desktop.
//
// With --compositor it also runs the display's compositing manager, which a test may stop for
// its own time and start again. Listens on a loopback port and prints the port. Takes one
// command a line:
//   move X Y          the pointer to (X, Y) on the screen
//   button N down|up  pointer button N
//   key KEYSYM down|up the key with that keysym, in decimal
//   focus             answers the X window that has the keyboard focus, in decimal
//   under             answers the top-level X window under the pointer, in decimal (0: none)
//   above A B         answers 1 when top-level X window A stands above B in the stacking order,
//                     0 when below, -1 when either is not a child of the root
//   compositor        answers 1 while a compositing manager runs on the display, else 0
//   compositor off|on stops the agent's compositing manager, or starts one unless one runs;
//                     "ok" once the display has it so, "error" for another program's manager
// Each answers "ok" (or the number) once the X server has handled it, or "error".
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {
// A request about a window that has just gone (a focus on a window being unmapped) fails; the
// agent answers that one with an error and goes on, where Xlib's own handler would end it.
bool g_xError = false;
int NoteError(Display*, XErrorEvent*) {
    g_xError = true;
    return 0;
}

pid_t g_compositor = 0;  // the agent's own compositing manager, while it runs

// Whether a compositing manager holds the display's selection for it.
bool CompositorRuns(Display* d) {
    const std::string name = "_NET_WM_CM_S" + std::to_string(DefaultScreen(d));
    return XGetSelectionOwner(d, XInternAtom(d, name.c_str(), False)) != None;
}

// Polls every 20 ms, for up to 10 s, until a compositing manager runs or not, as wanted.
bool CompositorComes(Display* d, bool wanted) {
    for (int poll = 0; poll < 500; ++poll) {
        if (CompositorRuns(d) == wanted) return true;
        usleep(20000);
    }
    return false;
}

bool SwitchCompositor(Display* d, bool on) {
    if (!on && !g_compositor && CompositorRuns(d)) return false;  // not the agent's to stop
    if (!on && g_compositor) {
        kill(g_compositor, SIGTERM);
        waitpid(g_compositor, nullptr, 0);
        g_compositor = 0;
    }
    if (on && !CompositorRuns(d)) {
        const pid_t child = fork();
        if (child == 0) {
            prctl(PR_SET_PDEATHSIG, SIGTERM);  // it goes with the agent
            const int null = open("/dev/null", O_RDWR);
            dup2(null, STDOUT_FILENO);  // the agent's output is its port, read by the session
            dup2(null, STDERR_FILENO);
            execlp("xcompmgr", "xcompmgr", "-n", static_cast<char*>(nullptr));  // -n: no shadows
            _exit(127);
        }
        if (child < 0) return false;
        g_compositor = child;
    }
    return CompositorComes(d, on);
}

std::string Handle(Display* d, const char* line) {
    int x = 0, y = 0;
    unsigned long sym = 0;
    char state[8] = "";
    bool done = false;
    if (std::sscanf(line, "move %d %d", &x, &y) == 2) {
        done = XTestFakeMotionEvent(d, -1, x, y, CurrentTime);
    } else if (std::sscanf(line, "button %d %7s", &x, state) == 2) {
        done = XTestFakeButtonEvent(d, x, std::strcmp(state, "down") == 0, CurrentTime);
    } else if (std::sscanf(line, "key %lu %7s", &sym, state) == 2) {
        const KeyCode code = XKeysymToKeycode(d, sym);
        done = code && XTestFakeKeyEvent(d, code, std::strcmp(state, "down") == 0, CurrentTime);
    } else if (unsigned long w = 0; std::sscanf(line, "focus %lu", &w) == 1) {
        // As a window manager would on a click: the X focus to a window Windows has made
        // foreground already, which a new activation would not move.
        g_xError = false;
        XSetInputFocus(d, w, RevertToParent, CurrentTime);
        XSync(d, False);
        done = !g_xError;
    } else if (std::strncmp(line, "focus", 5) == 0) {
        Window w = 0;
        int revert = 0;
        XGetInputFocus(d, &w, &revert);
        return std::to_string(w);
    } else if (unsigned long a = 0, b = 0; std::sscanf(line, "above %lu %lu", &a, &b) == 2) {
        Window root = 0, parent = 0, *children = nullptr;
        unsigned count = 0;
        int ia = -1, ib = -1;  // XQueryTree lists the children bottom first
        if (XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count))
            for (unsigned i = 0; i < count; ++i) {
                if (children[i] == a) ia = static_cast<int>(i);
                if (children[i] == b) ib = static_cast<int>(i);
            }
        if (children) XFree(children);
        return ia < 0 || ib < 0 ? "-1" : ia > ib ? "1" : "0";
    } else if (std::sscanf(line, "compositor %7s", state) == 1) {
        done = SwitchCompositor(d, std::strcmp(state, "on") == 0);
    } else if (std::strncmp(line, "compositor", 10) == 0) {
        return CompositorRuns(d) ? "1" : "0";
    } else if (std::strncmp(line, "under", 5) == 0) {
        Window root = 0, child = 0;
        int rx, ry, wx, wy;
        unsigned mask;
        XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rx, &ry, &wx, &wy, &mask);
        return std::to_string(child);
    }
    XSync(d, False);  // the server has made the event and sent it on
    return done ? "ok" : "error";
}
}  // namespace

int main(int argc, char** argv) {
    Display* d = XOpenDisplay(nullptr);
    XSetErrorHandler(NoteError);
    int event, error, major, minor;
    if (!d || !XTestQueryExtension(d, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "x-input-agent: no X display with the test extension\n");
        return 1;
    }
    if (argc > 1 && std::strcmp(argv[1], "--compositor") == 0 && !SwitchCompositor(d, true)) {
        std::fprintf(stderr, "x-input-agent: the compositing manager did not start\n");
        return 1;
    }
    const int server = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (server < 0 || bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 || listen(server, 4) != 0 ||
        getsockname(server, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        std::perror("x-input-agent");
        return 1;
    }
    std::printf("%d\n", ntohs(addr.sin_port));
    std::fflush(stdout);
    for (;;) {
        const int client = accept(server, nullptr, nullptr);
        if (client < 0) continue;
        FILE* in = fdopen(client, "r");
        FILE* out = fdopen(dup(client), "w");
        char line[128];
        while (in && out && std::fgets(line, sizeof line, in)) {
            std::fprintf(out, "%s\n", Handle(d, line).c_str());
            std::fflush(out);
        }
        if (in) std::fclose(in);
        if (out) std::fclose(out);
    }
}
