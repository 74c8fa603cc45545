// Real keyboard and mouse input for the end-to-end tests, made by the X server's test
// extension as if a person used the devices. Wine then learns of every press, move and key
// from the X server alone, in the order the server made them, as it does on a desktop.
//
// Listens on a loopback port and prints the port. Takes one command a line:
//   move X Y          the pointer to (X, Y) on the screen
//   button N down|up  pointer button N
//   key KEYSYM down|up the key with that keysym, in decimal
//   focus             answers the X window that has the keyboard focus, in decimal
//   under             answers the top-level X window under the pointer, in decimal (0: none)
//   above A B         answers 1 when top-level X window A stands above B in the stacking order,
//                     0 when below, -1 when either is not a child of the root
// Each answers "ok" (or the number) once the X server has handled it, or "error".
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {
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

int main() {
    Display* d = XOpenDisplay(nullptr);
    int event, error, major, minor;
    if (!d || !XTestQueryExtension(d, &event, &error, &major, &minor)) {
        std::fprintf(stderr, "x-input-agent: no X display with the test extension\n");
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
