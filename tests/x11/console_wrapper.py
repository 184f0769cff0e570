"""Runs the viewer as the terminal's own program and records its exit status.

    console_wrapper.py CODE_FILE VIEWER ARGS...

The viewer must lead the terminal's session, as it does when the terminal starts it directly:
then closing the terminal hangs up on it and it gets SIGHUP. So this wrapper gives the terminal
up, starts the viewer in a new session that takes the terminal, waits for it and writes its exit
status to CODE_FILE.

It first waits (5 s at most) for the desktop to list the terminal among its windows, as an
operator starts the viewer in a terminal the desktop shows. NOTE: sway 1.12 and labwc
(wlroots 0.20) now and then take an X window half-way: mapped, but never shown nor listed. The
operator would open another terminal; here the terminal is mapped once more, which they then
take on."""
import fcntl
import os
import re
import signal
import subprocess
import sys
import termios
import time


def xtool(*command):
    try:
        return subprocess.run(command, capture_output=True, text=True, timeout=5).stdout
    except (OSError, subprocess.TimeoutExpired):
        return ""


def listed(terminal):
    """Whether the window manager lists a window of process `terminal`; True when it keeps no
    list (no window manager, weston) or cannot be asked."""
    clients = xtool("xprop", "-root", "_NET_CLIENT_LIST")
    if "window id #" not in clients:
        return True
    return any(re.search(rf"= {terminal}$", xtool("xprop", "-id", window, "_NET_WM_PID"), re.M)
               for window in re.findall(r"0x[0-9a-f]+", clients))


def wait_until_the_terminal_shows():
    terminal = os.getppid()
    remapped = False
    started = time.monotonic()
    while time.monotonic() < started + 5 and not listed(terminal):
        if not remapped and time.monotonic() > started + 2:
            for window in xtool("xdotool", "search", "--pid", str(terminal)).split():
                xtool("xdotool", "windowunmap", "--sync", window)
                xtool("xdotool", "windowmap", window)
            remapped = True
        time.sleep(0.1)


code_file, program = sys.argv[1], sys.argv[2]
if "XTERM_VERSION" in os.environ:
    wait_until_the_terminal_shows()
signal.signal(signal.SIGHUP, signal.SIG_IGN)  # giving the terminal up sends one
fcntl.ioctl(0, termios.TIOCNOTTY)
child = os.fork()
if child == 0:
    signal.signal(signal.SIGHUP, signal.SIG_DFL)
    os.setsid()
    fcntl.ioctl(0, termios.TIOCSCTTY, 0)
    os.execv(program, sys.argv[2:])
_, status = os.waitpid(child, 0)
with open(code_file, "w") as out:
    out.write(f"{os.waitstatus_to_exitcode(status)}\n")
