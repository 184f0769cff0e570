"""The viewer as the operator runs it on Linux: inside an xterm (its console window) on an X
server of its own, with or without openbox, the test player as vlc."""
import json
import os
import re
import shlex
import shutil
import subprocess
import tempfile
import threading
import time

from viewer import (BINARY, XServer, free_base_port, make_fake_player, player_logs,
                    reachable_viewer, running_players, send_udp, viewer_command, wait_until)


def xtool(display, *command, env=None):
    result = subprocess.run(list(command), env=dict(os.environ, DISPLAY=display, **(env or {})),
                            capture_output=True, text=True, timeout=20)
    return result.stdout


class ConsoleSession:
    """Xvfb (+ openbox), an xterm running the viewer, which leads the terminal's session as when
    xterm starts it directly; a wrapper records its exit code."""

    def __init__(self, window_manager, geometry=(20, 10, 400, 225, 5, 25, 801, 200),
                 address="127.0.0.1", extra_env=None, test_player=True, user=None, base=None,
                 prefix=None, server=None, session_bus=False, terminal="xterm"):
        """With test_player False the players are the real vlc; `user` runs the terminal and the
        viewer as that user (VLC refuses to run as root); `prefix` wraps the terminal, for a
        network namespace; `server` is an X server shared with other sessions, one after
        another, left running at the end; `session_bus` gives the terminal a D-Bus session of
        its own (VLC on a Wayland desktop would otherwise start stray bus daemons); `terminal`
        "foot" runs the viewer in that native Wayland terminal, directly (no log, no wrapper:
        foot's own exit status is the viewer's); "lxterminal" and "lxterminal-x11" in the
        Raspberry Pi's terminal, natively or as an X11 window (no log)."""
        self.own_server = server is None
        self.server = server or XServer(window_manager=window_manager)
        self.display = self.server.display
        self.dir = tempfile.TemporaryDirectory(prefix="rezerivove-x11-")
        os.chmod(self.dir.name, 0o777)
        self.base = base or free_base_port()
        self.geometry = geometry
        self.address = address
        bin_dir = os.path.join(self.dir.name, "bin")
        os.mkdir(bin_dir)
        # Another user's programs stand in the session's own folder: a checkout in root's home
        # (mode 700) is closed to that user.
        viewer, viewer_env = viewer_command(os.path.abspath(BINARY)), {}
        wrapper = os.path.join(os.path.dirname(os.path.abspath(__file__)), "console_wrapper.py")
        if user is not None:
            viewer, viewer_env = reachable_viewer(bin_dir)
            wrapper = shutil.copy(wrapper, bin_dir)
        if test_player:
            make_fake_player(bin_dir, copy=user is not None)
        self.log_dir = os.path.join(self.dir.name, "players")
        os.mkdir(self.log_dir)
        os.chmod(self.log_dir, 0o777)
        self.code_file = os.path.join(self.dir.name, "code")
        self.console_log = os.path.join(self.dir.name, "console.log")
        env = dict(os.environ, DISPLAY=self.display, XDG_RUNTIME_DIR=self.dir.name,
                   TEST_PLAYER_LOG_DIR=self.log_dir,
                   PATH=bin_dir + ":" + os.environ.get("PATH", "/usr/bin:/bin"))
        # A Wayland desktop's own: its socket and IPC, for the viewer and the players.
        env.update(getattr(self.server, "client_env", {}))
        env.update(viewer_env)
        env.update(extra_env or {})
        args = [address, str(self.base), "0.0.0.0"] + [str(value) for value in geometry]
        command = ["xterm", "-geometry", "80x12+900+700", "-l", "-lf", self.console_log, "-e",
                   "/usr/bin/python3", wrapper, self.code_file] + viewer + args
        if terminal == "foot":
            command = ["foot", "-e"] + viewer + args
        elif terminal.startswith("lxterminal"):
            # The Raspberry Pi's own terminal (no log): a native Wayland window, or with
            # "lxterminal-x11" told by GTK's GDK_BACKEND to be an X11 one.
            # NOTE: lxterminal runs its command through a login shell, which sets PATH anew.
            command = ["lxterminal", "-e", shlex.join(
                ["env", "PATH=" + env["PATH"]] + command[command.index("-e") + 1:])]
            if terminal == "lxterminal-x11":
                env["GDK_BACKEND"] = "x11"
        if session_bus:
            command = ["dbus-run-session", "--"] + command
        if user is not None:
            # runuser sets HOME to the user's own; the caller's HOME (a seeded profile) wins.
            command = ["runuser", "-u", user, "--", "env", "HOME=" + env["HOME"]] + command
        # Started in the session's folder: the test's own may be closed to that user, and foot
        # does not start there.
        self.xterm = subprocess.Popen((prefix or []) + command, env=env, cwd=self.dir.name,
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    @classmethod
    def watching(cls, server, log_dir, base):
        """A viewer someone else started (a desktop's autostart) on `server`, its test players
        logging into `log_dir`: only its players and windows are looked at."""
        session = cls.__new__(cls)
        session.server, session.display, session.log_dir, session.base = (
            server, server.display, log_dir, base)
        return session

    # ---- players -------------------------------------------------------------------------

    def player_logs(self):
        """Player number (from its stream port) -> list of its log lines without the time."""
        return player_logs(self.log_dir, self.base)

    def player_log(self, player):
        return self.player_logs().get(player, [])

    def player_starts(self, player):
        """(process id, ms of its first log line) of every process that played the player's
        stream, the first started first."""
        starts = []
        for name in os.listdir(self.log_dir):
            if name.startswith("player-"):
                with open(os.path.join(self.log_dir, name)) as log:
                    text = log.read()
                if f":{self.base + 40 + player}\n" in text:
                    starts.append((int(text.split(" ", 1)[0]), int(name[len("player-"):-4])))
        return [(pid, ms) for ms, pid in sorted(starts)]

    def player_pid(self, player):
        starts = self.player_starts(player)
        return starts[-1][0] if starts else None

    def viewer_pid(self):
        pid = self.player_pid(1)
        with open(f"/proc/{pid}/stat") as stat:
            return int(stat.read().rsplit(")", 1)[1].split()[1])

    def player_window(self, player):
        for line in self.player_log(player):
            if line.startswith("window "):
                return int(line.split()[1])
        return None

    def grid_title(self, player):
        return f"{player}: udp://@{self.address}:{self.base + 40 + player}  Tarnvale"

    def wait_until(self, condition, timeout=10.0):
        return wait_until(condition, timeout)

    def wait_for_grid(self, timeout=15.0):
        return self.wait_until(lambda: all(
            f"title {self.grid_title(n)}" in self.player_log(n) for n in range(1, 5)), timeout)

    # ---- windows, read back from the X server --------------------------------------------

    def console_window(self, timeout=5.0, title="Tarnvale Multi VLC Viewer"):
        """The console window, found by its layout title (before the first layout, by the
        program's name, "^rezerivove$"). NOTE: xdotool's search gives up on a
        window tree that changes under it (a window manager reframing), so it is asked again.
        mutter 44 and later draw an X11 window's frame in a window of another client that
        carries the same title; the terminal's own window is the one the manager took on."""
        found = []

        def search():
            found[:] = xtool(self.display, "xdotool", "search", "--name", title).split()
            return bool(found)

        self.wait_until(search, timeout)
        managed = [window for window in found
                   if "WM_STATE(WM_STATE)" in xtool(self.display, "xprop", "-id", window, "WM_STATE")]
        return int((managed or found)[0]) if found else None

    def outer_geometry(self, window):
        """The window's outer rectangle, frame included, and whether it is shown: viewable and
        not minimized (mutter keeps minimized windows mapped). None for no window (one not found
        yet): xwininfo without a window would wait for a click."""
        if window is None:
            return None
        info = xtool(self.display, "xwininfo", "-id", str(window))
        value = lambda label: int(re.search(label + r":\s+(-?\d+)", info).group(1))
        left, right, top, bottom = 0, 0, 0, 0
        extents = xtool(self.display, "xprop", "-id", str(window), "_NET_FRAME_EXTENTS")
        match = re.search(r"= (\d+), (\d+), (\d+), (\d+)", extents)
        if match:
            left, right, top, bottom = (int(group) for group in match.groups())
        state = xtool(self.display, "xprop", "-id", str(window), "WM_STATE", "_NET_WM_STATE")
        minimized = "window state: Iconic" in state or "_NET_WM_STATE_HIDDEN" in state
        # NOTE: sway leaves a window in its scratchpad mapped and Normal; its tree tells.
        if self.server.window_manager_name == "sway":
            minimized = minimized or not self.sway_visible(window)
        return ((value("Absolute upper-left X") - left, value("Absolute upper-left Y") - top,
                 value("Width") + left + right, value("Height") + top + bottom),
                "IsViewable" in info and not minimized)

    def framed(self, window):
        """Whether a window manager has put the window in a frame of its own."""
        tree = xtool(self.display, "xwininfo", "-tree", "-id", str(window))
        return "Parent window id:" in tree and "(the root window)" not in tree.split(
            "Parent window id:")[1].splitlines()[0]

    def title(self, window):
        found = xtool(self.display, "xprop", "-id", str(window), "_NET_WM_NAME")
        match = re.search(r'= "(.*)"', found)
        return match.group(1) if match else None

    # ---- the operator ----------------------------------------------------------------------

    def focus(self):
        """The window that has the keyboard focus."""
        found = xtool(self.display, "xdotool", "getwindowfocus").split()
        return int(found[0]) if found else None

    def type_keys(self, *keys):
        """Focuses the console window and types with XTEST, as the operator would. Several keys
        go in one burst, so that all reach the terminal before the first one hides it."""
        console = self.console_window()
        # NOTE: sway and i3 take back the focus a program sets on its own, and KWin may: there
        # the operator's click is what gives the console the keyboard.
        if not self.tiling():
            xtool(self.display, "xdotool", "windowfocus", "--sync", str(console))
        # A desktop that has just resumed carries out what it was asked meanwhile, and may give
        # the keyboard to a player after the click: the operator clicks the console again.
        for _ in range(3):
            if self.focus() == console:
                break
            self.activate_by_hand(console)
            self.wait_until(lambda: self.focus() == console, 3)
        xtool(self.display, "xdotool", "key", "--delay", "0", *keys)

    def window_manager_command(self, command):
        """A command to sway or i3 through their own tool, as an operator would give it."""
        tool = "swaymsg" if self.server.window_manager_name == "sway" else "i3-msg"
        xtool(self.display, tool, command, env=self.server.client_env)

    def sway_node(self, matches):
        """The first node of sway's tree that `matches`, or None."""
        def find(node):
            if matches(node):
                return node
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                found = find(child)
                if found:
                    return found
            return None
        tree = xtool(self.display, "swaymsg", "-t", "get_tree", "--raw", env=self.server.client_env)
        return find(json.loads(tree)) if tree.strip() else None

    def sway_place(self, window):
        """Where sway keeps the X window `window`: the names of the nodes down to it (a hidden
        one is under "__i3_scratch"), whether it floats and is shown, and its rectangle."""
        def path(node, names):
            names = names + [str(node.get("name"))]
            if node.get("window") == window:
                return names, node.get("type"), node.get("visible"), node.get("rect")
            for child in node.get("nodes", []) + node.get("floating_nodes", []):
                found = path(child, names)
                if found:
                    return found
            return None
        tree = xtool(self.display, "swaymsg", "-t", "get_tree", "--raw", env=self.server.client_env)
        return path(json.loads(tree), []) if tree.strip() else None

    def sway_visible(self, window):
        """Whether sway shows the X window `window`."""
        node = self.sway_node(lambda node: node.get("window") == window)
        return bool(node and node.get("visible"))

    def tiling(self):
        return self.server.window_manager_name in ("sway", "i3")

    def show_by_hand(self, window):
        """What the operator does to bring back a minimized window."""
        if self.tiling():
            self.window_manager_command(f"[id={window}] scratchpad show")
            return
        xtool(self.display, "xdotool", "windowmap", "--sync", str(window))
        # NOTE: mutter keeps a minimized window mapped; it is brought back by activating it.
        if not self.outer_geometry(window)[1]:
            xtool(self.display, "xdotool", "windowactivate", "--sync", str(window))

    def activate_by_hand(self, window):
        """The operator chooses a window to type into."""
        if self.tiling():
            self.window_manager_command(f"[id={window}] focus")
        elif self.server.window_manager_name:
            xtool(self.display, "xdotool", "windowactivate", "--sync", str(window))
        else:
            xtool(self.display, "xdotool", "windowfocus", "--sync", str(window))

    def exit_code(self, timeout=15.0):
        """The viewer's exit code, or None when it has not ended within `timeout`."""
        if not self.wait_until(lambda: os.path.exists(self.code_file) and
                               open(self.code_file).read().strip() != "", timeout):
            return None
        with open(self.code_file) as code:
            return int(code.read().strip())

    def console_output(self):
        with open(self.console_log, "rb") as log:
            return log.read()

    def running_players(self):
        return running_players(self.log_dir)

    def close(self):
        try:
            os.kill(self.viewer_pid(), 9)
        except (OSError, TypeError, IndexError):
            pass
        if self.xterm.poll() is None:
            self.xterm.kill()
            self.xterm.wait(5)
        for pid in self.running_players():
            try:
                os.kill(pid, 9)
            except ProcessLookupError:
                pass
        if self.own_server:
            self.server.close()
        # The wrapper writes the viewer's exit code once it sees the viewer gone, which may be
        # just now: give it a moment rather than fail on a directory that is still being written.
        for _ in range(50):
            try:
                self.dir.cleanup()
                return
            except OSError:
                time.sleep(0.1)
        self.dir.cleanup()


class TextTicks:
    """A source that sends a text line every 100 ms to base + 2, and the delay of each line
    between its send and its appearance on the session's console (as xterm logs it): how long
    the viewer's cycle held. Bounded to `limit` seconds; stop() gives the delays in seconds."""

    def __init__(self, session, limit=60.0):
        self.session = session
        self.limit = limit
        self.sent = {}
        self.seen = {}
        self.running = True
        self.thread = threading.Thread(target=self._run, daemon=True)
        self.thread.start()

    def _run(self):
        started = time.monotonic()
        # Only what the console shows from now on: an earlier source's lines are not these.
        offset = len(self.session.console_output())
        number = 0
        next_send = started
        while self.running and time.monotonic() - started < self.limit:
            now = time.monotonic()
            if now >= next_send:
                number += 1
                self.sent[number] = now
                send_udp(self.session.base + 2, b"tick %d\r\n" % number)
                # A source that waits 100 ms after each line, as a simple one does: never faster
                # than the viewer reads, one line a cycle.
                next_send = now + 0.1
            output = self.session.console_output()[offset:]
            for found in re.findall(rb"tick (\d+)\r", output):
                self.seen.setdefault(int(found), time.monotonic())
            time.sleep(0.01)

    def count(self):
        return len(self.seen)

    def stop(self, sent_before=None):
        """The delays of the lines sent before `sent_before` (a time.monotonic()), all when
        None; a line never seen counts from its send until now."""
        self.running = False
        self.thread.join(5)
        now = time.monotonic()
        return [self.seen.get(n, now) - sent for n, sent in self.sent.items()
                if sent_before is None or sent < sent_before]
