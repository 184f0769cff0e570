"""Runs the real viewer for the program tests: exact stdout bytes, exit codes, timings."""
import os
import pwd
import random
import re
import shutil
import signal
import socket
import subprocess
import tempfile
import threading
import time

BINARY = os.environ.get("REZERIVOVE_BINARY", "build/linux/rezerivove")
# A viewer built for another processor (arm64) runs under this emulator (qemu-aarch64): these
# machines have no binfmt registration, so the tests put it before the viewer themselves.
EMULATOR = os.environ.get("REZERIVOVE_EMULATOR")


def viewer_command(path=BINARY):
    """The words that start the viewer at `path`: the emulator first where there is one, from a
    copy beside the viewer's build, which a test that hides the players' folders (/usr/bin among
    them) leaves in reach."""
    if not EMULATOR:
        return [path]
    copy = os.path.join(os.path.dirname(os.path.abspath(BINARY)), os.path.basename(EMULATOR))
    if not os.path.exists(copy):
        fresh = f"{copy}.{os.getpid()}"
        shutil.copy(shutil.which(EMULATOR), fresh)
        os.replace(fresh, copy)
    return [copy, path]


def reachable_viewer(folder):
    """Copies of what starts the viewer, in `folder`, for a user who cannot reach the build (a
    checkout in root's home, mode 700): the viewer, and where it is emulated the emulator and
    the arm64 libraries it loads (QEMU_LD_PREFIX). Returns the words that start it and the
    environment they need."""
    viewer = shutil.copy(os.path.abspath(BINARY), folder)
    if not EMULATOR:
        return [viewer], {}
    emulator = shutil.copy(viewer_command()[0], folder)
    env = {}
    libraries = os.environ.get("QEMU_LD_PREFIX")
    if libraries:
        env["QEMU_LD_PREFIX"] = os.path.join(folder, "emulator-root")
        shutil.copytree(libraries, env["QEMU_LD_PREFIX"])
    return [emulator, viewer], env
TEST_PLAYER = os.environ.get("REZERIVOVE_TEST_PLAYER", "build/linux/tests/player/vlc")

BANNER = b"\r\nrezerivove-3v20b:  Tarnvale Multi VLC Viewer\r\n\r\n"
USAGE = (b"Usage: rezerivove3v20 IPADDRESS IPPORT IPINTERFACEADDRESS "
         b"VLCLEFT VLCTOP VLCWIDTH VLCHEIGHT\r\nINFOLEFT INFOTOP INFOWIDTH INFOHEIGHT\r\n")
ALREADY_RUNNING = b"******* rezerivove-3v20b is already running *******\r\n\r\n"
KEY_HINTS = (b"Hit ENTER or CTRL-C to quit\r\nHit Y to toggle half size\r\nHit H to hide\r\n"
             b"Hit V to display\r\n\r\n")
EXITING = b"Exiting\r\n"
GEOMETRY = ["0", "0", "480", "270", "0", "30", "960", "200"]
ERROR_PAUSE = 3.0


# ---- Shared by the program, X11, demo and Wine tests and the benchmarks ------------------------

def wait_until(condition, timeout=10.0, interval=0.05):
    """Waits at most `timeout` seconds for `condition` to hold; returns whether it held."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        if condition():
            return True
        time.sleep(interval)
    return condition()


# Player n plays the stream on base + 40 + n.
STREAM_PORT_OFFSET = 40


def log_lines(path):
    """A test player's log (Linux or Windows), each line without its time."""
    with open(path, errors="replace") as log:
        return [line.rstrip("\n").split(" ", 1)[1] for line in log if " " in line]


def player_logs(log_dir, base):
    """Player number -> its test player's log lines; a player is known by the stream port on its
    command line ("arg 5 udp://@...:PORT" on Linux, "commandline ... udp://@...:PORT" on
    Windows)."""
    logs = {}
    # The newest last: a player started again takes its number over.
    names = sorted((name for name in os.listdir(log_dir) if name.startswith("player-")),
                   key=lambda name: os.stat(os.path.join(log_dir, name)).st_mtime_ns)
    for name in names:
        lines = log_lines(os.path.join(log_dir, name))
        for line in lines:
            match = re.search(r"udp://@[^:\s]*:(\d+)$", line)
            if match and line.startswith(("arg ", "commandline")):
                logs[int(match.group(1)) - base - STREAM_PORT_OFFSET] = lines
                break
    return logs


def grid_cells(left, top, width, height, divisor=1):
    """Player number -> its outer rectangle (left, top, width, height) in the 2x2 grid of players
    width x height at full size, from left, top; divisor 2 is half size."""
    w, h = width // divisor, height // divisor
    return {n: (left + (n - 1) % 2 * w, top + (n - 1) // 2 * h, w, h) for n in range(1, 5)}


def cell_brightness(image, left, top, width, height):
    """Mean brightness, 0 to 1, of the inner part of a grid cell of a screenshot: a test picture
    is bright, VLC's idle cone on black is dark."""
    crop = f"{width // 2}x{height // 2}+{left + width // 4}+{top + height // 4}"
    result = subprocess.run(["convert", image, "-crop", crop, "-format", "%[fx:mean]", "info:"],
                            capture_output=True, text=True, timeout=30)
    return float(result.stdout or 0)


def seeded_home(user):
    """A home whose VLC profile has the first-run privacy question answered, owned by `user`."""
    home = tempfile.mkdtemp(prefix="rezerivove-vlc-home-")
    os.makedirs(os.path.join(home, ".config", "vlc"))
    with open(os.path.join(home, ".config", "vlc", "vlcrc"), "w") as vlcrc:
        vlcrc.write("[qt]\nqt-privacy-ask=0\n")
    if user is not None:
        chown_tree(home, user)
    return home


def free_base_port():
    """A base port whose status and text ports are both free on loopback."""
    for _ in range(200):
        base = random.randrange(20000, 60000)
        probes = []
        try:
            for offset in (1, 2):
                probe = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
                probes.append(probe)
                probe.bind(("127.0.0.1", base + offset))
            return base
        except OSError:
            continue
        finally:
            for probe in probes:
                probe.close()
    raise RuntimeError("no free base port")


def arguments(address="127.0.0.1", port=None, interface="127.0.0.1"):
    return [address, str(port if port is not None else free_base_port()), interface] + GEOMETRY


def make_fake_player(directory, copy=False):
    """The test player as vlc in `directory`, to be put first in PATH: a link to the build's, or
    with `copy` a copy of it, for a user who cannot reach the build (a checkout in root's home,
    mode 700)."""
    path = os.path.join(directory, "vlc")
    if copy:
        shutil.copy(os.path.abspath(TEST_PLAYER), path)
    else:
        os.symlink(os.path.abspath(TEST_PLAYER), path)
    return path


# The window managers the X11 tests run under, as operators' desktops run them: each frames,
# places, minimizes and focuses windows its own way. mutter is GNOME's ("GNOME on Xorg"); i3
# tiles, and is placed through its IPC.
WINDOW_MANAGERS = ["openbox", "xfwm4", "metacity", "icewm", "mutter", "i3"]


def window_manager_command(name, config_dir):
    if name == "openbox":
        config = os.environ.get("REZERIVOVE_OPENBOX_CONFIG")
        return ["openbox", "--sm-disable"] + (["--config-file", config] if config else [])
    if name == "xfwm4":
        # xfwm4 reads its settings over D-Bus; the compositor stays off, as on a monitor PC.
        return ["dbus-run-session", "--", "xfwm4", "--compositor=off"]
    if name == "metacity":
        return ["metacity", "--sm-disable", "--compositor=none"]
    if name == "icewm":
        return ["icewm"]
    if name == "mutter":
        return ["dbus-run-session", "--", "mutter", "--x11", "--replace", "--sm-disable"]
    if name == "i3":
        # A configuration of its own, so that i3 asks nothing on its first start.
        config = os.path.join(config_dir, "i3.config")
        with open(config, "w") as out:
            out.write("font pango:monospace 8\n")
        return ["i3", "-c", config]
    raise ValueError(name)


class XServer:
    """An Xvfb of our own on a free display number, optionally with a window manager (True is
    openbox, or one of WINDOW_MANAGERS by name), at a depth of 24 bits or another."""

    def __init__(self, window_manager=False, size="1600x1000", depth=24):
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{size}x{depth}", "-nolisten",
             "tcp", "-noreset"], pass_fds=[write_end], stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as ready:
            number = ready.readline().strip()
        if not number:
            self.xvfb.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        self.window_manager = None
        self.window_manager_name = "openbox" if window_manager is True else window_manager or None
        self.client_env = {}
        # A home of the window manager's own, so no operator's settings leak into a test.
        self.home = tempfile.TemporaryDirectory(prefix="rezerivove-wm-")
        if self.window_manager_name:
            self.start_window_manager()

    def start_window_manager(self):
        env = dict(os.environ, DISPLAY=self.display, HOME=self.home.name,
                   XDG_CONFIG_HOME=os.path.join(self.home.name, ".config"),
                   ICEWM_PRIVCFG=self.home.name)
        self.window_manager = subprocess.Popen(
            window_manager_command(self.window_manager_name, self.home.name), env=env,
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, start_new_session=True)
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline and not self._window_manager_ready():
            time.sleep(0.05)

    def _stop_window_manager(self):
        if self.window_manager is None or self.window_manager.poll() is not None:
            return
        # The whole group: xfwm4 runs under a D-Bus session of its own.
        os.killpg(self.window_manager.pid, signal.SIGKILL)
        self.window_manager.wait(5)

    def restart_window_manager(self):
        self._stop_window_manager()
        self.start_window_manager()

    def pause_window_manager(self, paused):
        """Stops the window manager as a hung one would stop (SIGSTOP), or lets it go on. The
        whole group: xfwm4 runs under a D-Bus session of its own."""
        os.killpg(self.window_manager.pid, signal.SIGSTOP if paused else signal.SIGCONT)

    def _window_manager_ready(self):
        result = subprocess.run(["xprop", "-root", "-display", self.display,
                                 "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True)
        return "window id" in result.stdout

    def close(self):
        if self.window_manager is not None:
            try:
                self._stop_window_manager()
            except ProcessLookupError:
                pass
        if self.xvfb.poll() is None:
            self.xvfb.terminate()
            try:
                self.xvfb.wait(5)
            except subprocess.TimeoutExpired:
                self.xvfb.kill()
                self.xvfb.wait(5)
        self.home.cleanup()


class WatchedProgram:
    """A started program whose standard output is collected as it comes, with the time each
    chunk arrived."""

    def watch(self, process):
        self.started = time.monotonic()
        self.process = process
        self.chunks = []  # (time, bytes)
        self.lock = threading.Lock()
        self.reader = threading.Thread(target=self._read, daemon=True)
        self.reader.start()

    def _read(self):
        while True:
            chunk = os.read(self.process.stdout.fileno(), 65536)
            if not chunk:
                return
            with self.lock:
                self.chunks.append((time.monotonic(), chunk))

    @property
    def output(self):
        with self.lock:
            return b"".join(chunk for _, chunk in self.chunks)

    def arrival(self, marker):
        """When the output first held `marker`, or None."""
        seen = b""
        with self.lock:
            for when, chunk in self.chunks:
                seen += chunk
                if marker in seen:
                    return when
        return None

    def wait_for(self, marker, timeout=10.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if marker in self.output:
                return True
            if self.process.poll() is not None:
                self.reader.join(2)
                return marker in self.output
            time.sleep(0.02)
        return False

    def finish(self, timeout=15.0):
        """Waits for the end; returns (exit code, stdout, seconds since start)."""
        code = self.process.wait(timeout)
        ended = time.monotonic()
        self.reader.join(5)
        return code, self.output, ended - self.started


class Viewer(WatchedProgram):
    """One run of the viewer with its own runtime directory (so its own single-instance guard)
    and the test player first in PATH."""

    def __init__(self, args, runtime_dir=None, prefix=None, stdin=subprocess.PIPE, env=None,
                 temp_root=None, pass_fds=(), copies=False):
        """With `copies` the viewer and the test player run from copies in its own directory, for
        a prefix that covers the checkout (a new /tmp over a clone in /tmp)."""
        self.own_dir = tempfile.TemporaryDirectory(prefix="rezerivove-test-", dir=temp_root)
        self.runtime_dir = runtime_dir or self.own_dir.name
        bin_dir = os.path.join(self.own_dir.name, "bin")
        os.mkdir(bin_dir)
        make_fake_player(bin_dir, copy=copies)
        viewer = shutil.copy(BINARY, bin_dir) if copies else BINARY
        self.log_dir = os.path.join(self.own_dir.name, "players")
        os.mkdir(self.log_dir)
        environment = dict(os.environ)
        environment["XDG_RUNTIME_DIR"] = self.runtime_dir
        environment["TEST_PLAYER_LOG_DIR"] = self.log_dir
        environment["PATH"] = bin_dir + ":" + environment.get("PATH", "/usr/bin:/bin")
        if env:
            environment.update(env)
        self.watch(subprocess.Popen((prefix or []) + viewer_command(viewer) + list(args), stdin=stdin,
                                    stdout=subprocess.PIPE, env=environment, pass_fds=pass_fds))

    def press(self, keys):
        self.process.stdin.write(keys)
        self.process.stdin.flush()

    def signal(self, number=signal.SIGINT):
        self.process.send_signal(number)

    def player_pids(self):
        """Process ids of the players this viewer started, from their logs."""
        return sorted(int(name[len("player-"):-len(".log")]) for name in os.listdir(self.log_dir)
                      if name.startswith("player-"))

    def running_players(self):
        return running_players(self.log_dir)

    def close(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait(5)
        # Players left behind by an error exit or a failed test.
        for pid in self.running_players():
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        if self.process.stdin:
            self.process.stdin.close()
        self.process.stdout.close()
        self.own_dir.cleanup()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


def descendants(pid):
    """The processes below `pid`, found through /proc."""
    children = {}
    for name in os.listdir("/proc"):
        if name.isdigit():
            try:
                with open(f"/proc/{name}/stat") as stat:
                    parent = int(stat.read().rsplit(")", 1)[1].split()[1])
            except (OSError, IndexError, ValueError):
                continue
            children.setdefault(parent, []).append(int(name))
    found, todo = [], [pid]
    while todo:
        for child in children.get(todo.pop(), []):
            found.append(child)
            todo.append(child)
    return found


def running_players(log_dir):
    """Process ids of the test players that logged into `log_dir` and still run."""
    running = []
    for name in os.listdir(log_dir):
        if not name.startswith("player-"):
            continue
        pid = int(name[len("player-"):-len(".log")])
        try:
            with open(f"/proc/{pid}/stat") as stat:
                if stat.read().rsplit(")", 1)[1].split()[0] != "Z":
                    running.append(pid)
        except FileNotFoundError:
            pass
    return running


def send_udp(port, payload, address="127.0.0.1"):
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as sender:
        sender.sendto(payload, (address, port))


def send_udp_in_namespace(pid, address, port, payload):
    """Sends one datagram from inside the network namespace of process `pid`, multicast through
    its loopback."""
    script = (
        "import socket\n"
        "s = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)\n"
        "s.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_TTL, 1)\n"
        "s.setsockopt(socket.IPPROTO_IP, socket.IP_MULTICAST_IF, socket.inet_aton('127.0.0.1'))\n"
        f"s.sendto({payload!r}, ('{address}', {port}))\n")
    subprocess.run(["nsenter", f"--net=/proc/{pid}/ns/net", "/usr/bin/python3", "-c", script],
                   check=True, timeout=10)


# A network namespace of its own whose loopback carries multicast.
NAMESPACE_WITH_MULTICAST = [
    "/usr/bin/unshare", "-n", "/bin/sh", "-c",
    "ip link set lo up && ip link set lo multicast on && ip route add 224.0.0.0/4 dev lo"
    ' && exec "$0" "$@"']


def is_root():
    return os.geteuid() == 0


TEST_USER = "rezerivove-test"


def unprivileged_user():
    """VLC refuses to run as root, and Wayland compositors are a user's own: as root, they run
    as a user made for the tests. None when the tests do not run as root."""
    if not is_root():
        return None
    try:
        pwd.getpwnam(TEST_USER)
    except KeyError:
        subprocess.run(["useradd", "--system", "--no-create-home", "--shell", "/usr/sbin/nologin",
                        TEST_USER], check=True)
    return TEST_USER


def chown_tree(path, user):
    entry = pwd.getpwnam(user)
    for directory, _, files in os.walk(path):
        for name in [directory] + [os.path.join(directory, f) for f in files]:
            os.chown(name, entry.pw_uid, entry.pw_gid)


# Wayland desktops, headless, each with its Xwayland, where the players' windows live.
WAYLAND_DESKTOPS = ["mutter-wayland", "kwin-wayland", "sway", "weston", "labwc"]


def desktop_installed(name):
    """Whether the Wayland desktop's compositor is on this machine (labwc is only in the
    testing root)."""
    program = {"mutter-wayland": "mutter", "kwin-wayland": "kwin_wayland"}.get(name, name)
    return shutil.which(program) is not None


def newest_releases():
    """Set by tests/x11/newest_desk: the tests run inside the Debian testing root with the newest
    desktop releases."""
    return os.environ.get("REZERIVOVE_NEWEST_RELEASES") == "1"


def in_private_namespace():
    """Set by tests/x11/private_desk: a mount and network namespace of the test's own, with a
    /tmp of its own (wlroots takes only displays :0 to :32)."""
    return os.environ.get("REZERIVOVE_PRIVATE_DESK") == "1"


class WaylandDesktop:
    """A Wayland compositor started headless as the test user, 1600x1000, with Xwayland. It is
    the X11 window manager of its Xwayland; X clients (the test player, xterm, VLC, xdotool)
    use `display` and the variables in `client_env`."""

    def __init__(self, name, size=(1600, 1000), autostart=None):
        """`autostart`: a shell script labwc runs once it is ready, as its autostart file."""
        self.window_manager_name = name
        self.window_manager = None
        user = unprivileged_user()
        self.run_dir = tempfile.mkdtemp(prefix="rezerivove-desk-")
        os.chmod(self.run_dir, 0o700)
        width, height = size
        env = {"PATH": "/usr/bin:/bin", "HOME": self.run_dir, "XDG_RUNTIME_DIR": self.run_dir,
               "XDG_CONFIG_HOME": os.path.join(self.run_dir, ".config")}
        socket_name = "wayland-rz"
        if name == "sway":
            config = os.path.join(self.run_dir, "sway.config")
            with open(config, "w") as out:
                out.write(f"xwayland enable\noutput HEADLESS-1 resolution {width}x{height} "
                          "position 0 0\n")
            env.update(WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                       WLR_RENDERER="pixman")
            command = ["sway", "-c", config]
        elif name == "labwc":
            # The compositor of Raspberry Pi OS; its headless output is wlroots' 1280x720.
            env.update(WLR_BACKENDS="headless", WLR_LIBINPUT_NO_DEVICES="1",
                       WLR_RENDERER="pixman")
            command = ["labwc", "-s", "true"]
            if autostart is not None:
                os.makedirs(os.path.join(env["XDG_CONFIG_HOME"], "labwc"))
                with open(os.path.join(env["XDG_CONFIG_HOME"], "labwc", "autostart"), "w") as out:
                    out.write(autostart)
        elif name == "mutter-wayland":
            command = ["dbus-run-session", "--", "mutter", "--wayland", "--headless",
                       "--virtual-monitor", f"{width}x{height}", "--wayland-display=" + socket_name]
        elif name == "kwin-wayland":
            # NOTE: the installed kwin_wayland carries a file capability a container cannot
            # grant, so exec fails; a copy carries none.
            kwin = os.path.join(self.run_dir, "kwin_wayland")
            shutil.copy("/usr/bin/kwin_wayland", kwin)
            # NOTE: KWin 6.7 asks the user before it lets XTEST keys in (a "Remote Control"
            # dialog that takes the keyboard); a real keyboard is not affected.
            os.makedirs(env["XDG_CONFIG_HOME"])
            with open(os.path.join(env["XDG_CONFIG_HOME"], "kwinrc"), "w") as out:
                out.write("[Xwayland]\nXwaylandEisNoPrompt=true\n")
            env["KWIN_COMPOSE"] = "Q"
            command = ["dbus-run-session", "--", kwin, "--virtual", "--xwayland", "--socket",
                       socket_name, "--width", str(width), "--height", str(height),
                       "--no-lockscreen", "--no-global-shortcuts", "--no-kactivities"]
        elif name == "weston":
            command = ["weston", "--backend=headless-backend.so", "--use-pixman", "--xwayland",
                       "--socket=" + socket_name, f"--width={width}", f"--height={height}",
                       "--idle-time=0"]
        else:
            raise ValueError(name)
        if user is not None:
            chown_tree(self.run_dir, user)
            command = ["runuser", "-u", user, "--", "env", "-i"] + [
                f"{k}={v}" for k, v in env.items()] + command
        before = set(os.listdir("/tmp/.X11-unix")) if os.path.isdir("/tmp/.X11-unix") else set()
        self.log = open(os.path.join(self.run_dir, "compositor.log"), "w")
        self.process = subprocess.Popen(command, env=env if user is None else None,
                                        stdout=self.log, stderr=self.log,
                                        start_new_session=True)
        self.display = None
        self.client_env = {}
        self.keeper = None
        try:
            self._wait_until_ready(before, user)
        except Exception:
            self.close()
            raise

    def _wait_until_ready(self, before, user):
        deadline = time.monotonic() + 30
        wayland = None
        while time.monotonic() < deadline and self.process.poll() is None:
            sockets = [n for n in os.listdir(self.run_dir) if n.startswith("wayland-") and
                       not n.endswith(".lock")]
            now = set(os.listdir("/tmp/.X11-unix")) if os.path.isdir("/tmp/.X11-unix") else set()
            if sockets and now - before:
                wayland = os.path.join(self.run_dir, sockets[0])
                self.display = ":" + sorted(now - before)[0][1:]
                break
            time.sleep(0.05)
        if self.display is None:
            raise RuntimeError(f"{self.window_manager_name} did not start: " + self._log_tail())
        self.client_env = {"WAYLAND_DISPLAY": wayland}
        for name in os.listdir(self.run_dir):
            if name.startswith("sway-ipc."):
                self.client_env["SWAYSOCK"] = os.path.join(self.run_dir, name)
        # The first X client starts Xwayland where the compositor starts it on demand. Its
        # access is the compositor user's (and a cookie file's): root's tools and the test
        # user's programs are let in by that user, once it answers.
        while time.monotonic() < deadline:
            auth = [os.path.join(self.run_dir, n) for n in os.listdir(self.run_dir)
                    if "auth" in n.lower()]
            env = {"PATH": "/usr/sbin:/usr/bin:/sbin:/bin", "DISPLAY": self.display}
            if auth:
                env["XAUTHORITY"] = auth[0]
            grant = ["xhost", "+si:localuser:root", f"+si:localuser:{TEST_USER}",
                     "+si:localuser:rezerivove-demo"]
            if user is not None:
                grant = ["runuser", "-u", user, "--", "env"] + [
                    f"{k}={v}" for k, v in env.items()] + grant
            if subprocess.run(grant, env=env, capture_output=True, timeout=20).returncode == 0:
                break
            time.sleep(0.2)
        else:
            raise RuntimeError(f"{self.window_manager_name}'s Xwayland did not answer: " +
                               self._log_tail())
        # Ready for windows once the window manager of its Xwayland has announced itself
        # (weston announces none).
        while time.monotonic() < deadline and self.window_manager_name != "weston":
            found = subprocess.run(["xprop", "-root", "-display", self.display,
                                    "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True)
            if "window id" in found.stdout:
                break
            time.sleep(0.05)
        # NOTE: labwc (wlroots) ends its Xwayland once no X client has been connected for some
        # seconds, and starts a new one for the next client, without the grants above: a client
        # held open for the desktop's life keeps the one they were given to.
        self.keeper = subprocess.Popen(["xprop", "-display", self.display, "-root", "-spy",
                                        "_NET_SUPPORTING_WM_CHECK"], stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
        # NOTE: wlroots 0.20's headless Xwayland drops the first key injected: a throwaway one.
        subprocess.run(["xdotool", "key", "shift"], env=dict(os.environ, DISPLAY=self.display),
                       capture_output=True, timeout=20)

    def pause_window_manager(self, paused):
        """Stops the compositor alone (SIGSTOP), as a GPU reset or a reload stops it, or lets it
        go on: its Xwayland, a process of its own, keeps answering X requests."""
        names = {"mutter-wayland": "mutter", "kwin-wayland": "kwin_wayland"}
        name = names.get(self.window_manager_name, self.window_manager_name)[:15]
        found = []
        for pid in descendants(self.process.pid):
            try:
                with open(f"/proc/{pid}/comm") as comm:
                    if comm.read().strip() == name:
                        os.kill(pid, signal.SIGSTOP if paused else signal.SIGCONT)
                        found.append(pid)
            except OSError:
                pass
        assert found, f"no {name} process below {self.process.pid}"

    def _log_tail(self):
        self.log.flush()
        with open(os.path.join(self.run_dir, "compositor.log"), errors="replace") as log:
            return log.read()[-2000:]

    def close(self):
        if self.keeper is not None:
            self.keeper.kill()
            self.keeper.wait(10)
        # What the compositor started in sessions of their own (labwc's autostart) goes too.
        started = descendants(self.process.pid)
        if self.process.poll() is None:
            try:
                os.killpg(self.process.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        for pid in started:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        self.process.wait(10)
        self.log.close()
        shutil.rmtree(self.run_dir, ignore_errors=True)
