/* Starts a program and prints the milliseconds from its start to the mapping of its first
 * top-level window at least MIN_WIDTH pixels wide (the main window, not a splash). The program
 * is then ended. Usage: mapwatch MIN_WIDTH PROGRAM [ARGUMENTS...] */
#include <X11/Xlib.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000.0 + t.tv_nsec / 1e6;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: mapwatch MIN_WIDTH PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const int min_width = atoi(argv[1]);
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "mapwatch: no display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        perror("mapwatch: exec");
        _exit(127);
    }
    int result = 1;
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.event != root)
            continue;
        XWindowAttributes attributes;
        if (!XGetWindowAttributes(display, event.xmap.window, &attributes) || attributes.width < min_width)
            continue;
        printf("%.1f\n", now_ms() - start);
        result = 0;
        break;
    }
    kill(child, SIGTERM);
    waitpid(child, NULL, 0);
    XCloseDisplay(display);
    return result;
}
