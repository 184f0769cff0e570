"""The Windows build under Wine: start-up paths, sockets, players, grid, titles and keys.
printf in text mode writes each "\r\n" as "\r\r\n", as any Windows console program does."""
import os
import signal
import struct
import time

import pytest

from test_multicast import GROUP as GROUP_ADDRESS, group_users
from viewer import (NAMESPACE_WITH_MULTICAST, WatchedProgram, free_base_port, grid_cells,
                    send_udp, send_udp_in_namespace)
from viewer import wait_until as shared_wait_until
import viewer
import re
import subprocess

from wine_prefix import KEY_INJECTOR_EXE, PLAYER_DIRS, TEST_PLAYER_EXE, VIEWER_EXE, WinePrefix

pytestmark = pytest.mark.skipif(not all(os.path.exists(exe) for exe in
                                    (VIEWER_EXE, TEST_PLAYER_EXE, KEY_INJECTOR_EXE)),
                                reason="the Windows build is not there (cmake --preset windows)")


def windows_text(text):
    """What a text-mode stream makes of the text: every line feed leaves as CR LF."""
    return text.replace(b"\n", b"\r\n")


# The same texts as on Linux, as a Windows text-mode stream writes them.
BANNER, USAGE, KEY_HINTS, EXITING = (windows_text(text) for text in (
    viewer.BANNER, viewer.USAGE, viewer.KEY_HINTS, viewer.EXITING))
GEOMETRY = viewer.GEOMETRY


@pytest.fixture(scope="module")
def wine():
    prefix = WinePrefix()
    prefix.install_player("64")
    yield prefix
    prefix.close()


class Run(WatchedProgram):
    """One viewer under wine, its output collected as it comes."""

    def __init__(self, wine, args, env=None, prefix=None):
        self.watch(wine.start(args, env, prefix))

    def wait_for(self, marker, timeout=20.0):
        return super().wait_for(marker, timeout)

    def finish(self, timeout=30.0):
        return super().finish(timeout)

    def interrupt(self):
        """Ctrl-C, as Wine hands a SIGINT to the console control handler."""
        self.process.send_signal(signal.SIGINT)


def arguments(base, address="127.0.0.1"):
    return [address, str(base), "0.0.0.0"] + GEOMETRY


FAILURES = [
    ("no arguments", [], 1, USAGE),
    ("invalid address", ["1.2.3.x", "5000", "0.0.0.0"] + GEOMETRY, 2,
     windows_text(b"Invalid address: 1.2.3.x\r\n")),
    ("port 1023", ["127.0.0.1", "1023", "0.0.0.0"] + GEOMETRY, 3,
     windows_text(b"Invalid port: 1023\r\n")),
    ("port 65536", ["127.0.0.1", "65536", "0.0.0.0"] + GEOMETRY, 3,
     windows_text(b"Invalid port: 0\r\n")),
]


def resource(exe, kind):
    """One resource of the built .exe, read back from the PE file (1 is the manifest's number
    and the version's)."""
    return subprocess.run(["wrestool", "--raw", "-x", f"--type={kind}", "--name=1", exe],
                          capture_output=True, check=True, timeout=30).stdout


@pytest.mark.parametrize("exe, description", [
    (VIEWER_EXE, "Tarnvale Multi VLC Viewer"),
    (os.path.join(os.path.dirname(VIEWER_EXE), "sourcesim.exe"), "Tarnvale source simulator")])
def test_each_exe_carries_its_manifest_and_version(exe, description):
    # The manifest (RT_MANIFEST, 24): physical pixels on every monitor, Windows 7 to 11 known,
    # no elevation asked for.
    manifest = resource(exe, 24).decode()
    assert "<dpiAwareness " in manifest and ">PerMonitorV2</dpiAwareness>" in manifest
    assert ">true/pm</dpiAware>" in manifest
    assert 'level="asInvoker"' in manifest
    for windows_7_to_11 in ("35138b9a-5d96-4fbd-8e2d-a2440225f93a",
                            "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38",
                            "1f676c76-80e1-4239-95bb-83d0f6d0da78",
                            "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a"):
        assert f'<supportedOS Id="{{{windows_7_to_11}}}"/>' in manifest
    # The version resource (RT_VERSION, 16): the fixed numbers, then the texts in UTF-16.
    version = resource(exe, 16)
    fixed = version.index(struct.pack("<I", 0xFEEF04BD))
    file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<4I", version, fixed + 8)
    assert (file_ms, file_ls) == (product_ms, product_ls) == ((3 << 16) | 20, 2 << 16)
    texts = version.decode("utf-16-le", errors="replace")
    name = os.path.basename(exe)
    for key, value in (("FileVersion", "3.20.2"), ("ProductVersion", "3.20.2"),
                       ("ProductName", "rezerivove Tarnvale Multi VLC Viewer"),
                       ("FileDescription", description), ("OriginalFilename", name)):
        assert re.search(key + r"\x00+" + re.escape(value) + "\x00", texts), (key, texts)


@pytest.mark.parametrize("name,args,code,message", FAILURES, ids=[f[0] for f in FAILURES])
def test_failing_start(wine, name, args, code, message):
    exit_code, output, seconds = Run(wine, args).finish()
    assert output == BANNER + message
    assert exit_code == code
    assert seconds >= 2.9


def test_no_player_installed(wine):
    wine.install_player(None)
    try:
        exit_code, output, _ = Run(wine, arguments(free_base_port())).finish()
    finally:
        wine.install_player("64")
    assert (exit_code, output) == (10, BANNER + windows_text(b"Cannot find VLC\r\n"))


def test_player_at_the_second_path_only_is_used(wine):
    wine.install_player("x86")
    wine.clear_logs()
    base = free_base_port()
    try:
        run = Run(wine, arguments(base))
        assert run.wait_for(KEY_HINTS), run.output
        logs = wine.player_logs(base)
        assert sorted(logs) == [1, 2, 3, 4]
        run.interrupt()
        assert run.finish()[0] == 0
    finally:
        wine.install_player("64")


def test_player_that_ends_at_once_is_a_failed_start(wine):
    exit_code, output, _ = Run(wine, arguments(free_base_port()),
                               env={"TEST_PLAYER_EXIT": "3"}).finish()
    assert (exit_code, output) == (5, BANNER + windows_text(b"CreateProcess failed (3).\n"))


def test_grid_titles_status_records_and_ctrl_c(wine):
    wine.clear_logs()
    base = free_base_port()
    run = Run(wine, arguments(base))
    try:
        assert run.wait_for(KEY_HINTS), run.output
        assert sorted(wine.player_logs(base)) == [1, 2, 3, 4]
        cells = grid_cells(0, 0, 480, 270)

        def placed(player):
            # Minimized, then restored, moved into its cell and titled. The window requests are
            # posted and the title sent, so a player may take them in either order.
            log = wine.player_logs(base)[player]
            left, top, _, _ = cells[player]
            last_minimized = max(i for i, line in enumerate(log) if line == "minimized")
            after = log[last_minimized + 1:]
            titles = [line for line in after if line.startswith("title ")]
            return ("restored" in after and f"geometry {left} {top} 480 270" in after and
                    titles[-1:] == [f"title {player}: udp://@127.0.0.1:{base + 40 + player}  "
                                    "Tarnvale"])

        assert wait_until(lambda: all(placed(n) for n in cells), 10), wine.player_logs(base)
        for player, log in wine.player_logs(base).items():
            assert log[0] == ("commandline  --qt-minimal-view --no-qt-video-autoresize "
                              f"--no-video-title-show --no-qt-system-tray "
                              f"udp://@127.0.0.1:{base + 40 + player}")

        # A second copy is refused while this one runs.
        exit_code, output, _ = Run(wine, []).finish()
        assert (exit_code, output) == (99, BANNER + windows_text(
            b"******* rezerivove-3v20b is already running *******\r\n\r\n"))

        send_udp(base + 2, b"Source says %s\r\n")
        send_udp(base + 1, b"$0,1\r\n$94,Studio A\r\n$0,2\r\n$96,5\r\n$0,3\r\n$97,2\r\n"
                           b"$94,Studio C\r\n$0,4\r\n$99,gone\r\n$0,0\r\n")

        def after_layout(player):
            log = wine.player_logs(base)[player]
            grid = max(i for i, line in enumerate(log) if line.startswith("title ") and
                       "Tarnvale" in line)
            return [line for line in log[grid + 1:]
                    if line.startswith(("title", "keydown", "keyup"))]

        deadline = time.monotonic() + 10
        expected = {1: ["title Studio A"], 2: ["title ", "keydown 83", "keyup 83"],
                    3: ["keydown 78", "keyup 78", "title Studio C"],
                    4: ["title 4:  *TS diverted to another location*"]}
        while time.monotonic() < deadline and any(
                after_layout(n) != lines for n, lines in expected.items()):
            time.sleep(0.1)
        assert {n: after_layout(n) for n in expected} == expected
        assert run.wait_for(windows_text(b"Source says %s\r\n"), 5)

        # Player 3 killed: told, started again, put in its cell and titled as it last was.
        killed = wine.running_players(base + 43)
        assert len(killed) == 1
        os.kill(killed[0], signal.SIGKILL)
        ended = b"Player 3 (udp://@127.0.0.1:%d) ended with exit code " % (base + 43)
        assert run.wait_for(ended, 10), run.output
        assert wait_until(lambda: "title Studio C" in wine.player_logs(base)[3] and
                          "geometry 0 270 480 270" in wine.player_logs(base)[3], 20), \
            wine.player_logs(base)[3]
        assert wait_until(lambda: wine.running_players(base + 43) not in ([], killed))

        run.interrupt()
        exit_code, output, _ = run.finish()
        assert exit_code == 0
        assert wait_until(lambda: wine.running_players() == [], 10), wine.running_players()
        told = re.search(rb"Player 3 [^\r]*\r\r\n", output).group(0)
        assert output == BANNER + KEY_HINTS + windows_text(b"Source says %s\r\n") + told + EXITING
    finally:
        if run.process.poll() is None:
            run.process.kill()


def test_a_picture_that_stands_still_or_goes_black_is_told(wine):
    """The same watch as on Linux, read from the screen as the desktop composes it: player 3's
    picture stands still and player 2's goes black, each told once and again when it moves;
    players 1 and 4 move all along and are never told."""
    wine.clear_logs()
    base = free_base_port()
    # The alarm command is the test player, which notes its words in alarms.log when they
    # begin with a pane's number.
    command = "C:\\" + PLAYER_DIRS["64"].replace("/", "\\") + "\\vlc.exe"
    run = Run(wine, arguments(base), env={"REZERIVOVE_STILL_SECONDS": "3",
                                          "REZERIVOVE_ALARM_COMMAND": command})
    try:
        assert run.wait_for(KEY_HINTS), run.output
        told = lambda n, text: b"Player %d (udp://@127.0.0.1:%d): picture %s" % (
            n, base + 40 + n, text)
        flags = [os.path.join(wine.log_dir, f"still-{base + 43}"),
                 os.path.join(wine.log_dir, f"black-{base + 42}")]
        for flag in flags:
            open(flag, "w").close()
        assert run.wait_for(told(3, b"still for "), 15), run.output
        assert run.wait_for(told(2, b"black for "), 15), run.output
        # Pane 3 framed on its cell (the grid's third, at 0,270), its label its window's title.
        assert wait_until(lambda: x_geometry(wine, "STILL 0:") == (0, 270)), run.output
        for flag in flags:
            os.remove(flag)
        assert run.wait_for(told(3, b"moving again after"), 15), run.output
        assert run.wait_for(told(2, b"moving again after"), 15), run.output
        assert wait_until(lambda: x_geometry(wine, "WAS STILL 0:") == (0, 270)), run.output
        runs = os.path.join(wine.log_dir, "alarms.log")
        kinds = lambda: [line.split()[:2] for line in open(runs)] if os.path.exists(runs) else []
        assert wait_until(lambda: len(kinds()) == 4), kinds()
        assert [k for k in kinds() if k[0] == "3"] == [["3", "still"], ["3", "moving"]], kinds()
        assert [k for k in kinds() if k[0] == "2"] == [["2", "black"], ["2", "moving"]], kinds()
        run.interrupt()
        exit_code, output, _ = run.finish()
        assert exit_code == 0
        assert output.count(b"picture ") == 4 and b"Player 1" not in output and \
            b"Player 4" not in output, output
    finally:
        if run.process.poll() is None:
            run.process.kill()


def x_geometry(wine, title):
    """Where the X window of the Windows window with this title has its client area."""
    env = dict(os.environ, DISPLAY=wine.server.display)
    found = subprocess.run(["xdotool", "search", "--name", re.escape(title)], env=env,
                           capture_output=True, text=True).stdout.split()
    if not found:
        return None
    info = subprocess.run(["xwininfo", "-id", found[0]], env=env, capture_output=True,
                          text=True).stdout
    return tuple(int(re.search(label + r":\s+(-?\d+)", info).group(1))
                 for label in ("Absolute upper-left X", "Absolute upper-left Y"))


def wait_until(condition, timeout=15.0):
    # Wine's round trips are slower: a longer wait by default, looked at less often.
    return shared_wait_until(condition, timeout, 0.1)


@pytest.mark.parametrize("quit_key", ["enter", "ctrl-c"])
def test_console_keys_and_console_window(wine, quit_key):
    wine.clear_logs()
    base = free_base_port()
    console = wine.start_in_console(arguments(base))
    try:
        assert wait_until(lambda: "Hit V to display" in wine.inject("--screen")[1], 30)
        grid_title = "rezerivove : Tarnvale Multi VLC Viewer"

        def last_geometry(player):
            return [line for line in wine.player_logs(base)[player]
                    if line.startswith("geometry")][-1]

        full, half = ({n: "geometry %d %d %d %d" % cell
                       for n, cell in grid_cells(0, 0, 480, 270, divisor).items()}
                      for divisor in (1, 2))
        assert wait_until(lambda: {n: last_geometry(n) for n in full} == full)
        # The console window was found by the program name, titled and moved under the grid:
        # its client area sits where player 1's does, 570 lower.
        player_one = x_geometry(wine, f"1: udp://@127.0.0.1:{base + 41}  Tarnvale")
        assert x_geometry(wine, grid_title) == (player_one[0], player_one[1] + 570)

        if quit_key == "enter":
            assert wine.inject("y")[0] == 0
            assert wait_until(lambda: {n: last_geometry(n) for n in half} == half)
            assert wine.inject("Y")[0] == 0
            assert wait_until(lambda: {n: last_geometry(n) for n in full} == full)
            marks = {n: len(wine.player_logs(base)[n]) for n in full}
            assert wine.inject("h")[0] == 0
            assert wait_until(lambda: all(
                "minimized" in wine.player_logs(base)[n][marks[n]:] for n in full))
            marks = {n: len(wine.player_logs(base)[n]) for n in full}
            assert wine.inject("v")[0] == 0
            assert wait_until(lambda: all(
                "restored" in wine.player_logs(base)[n][marks[n]:] for n in full))

        assert wine.inject(quit_key)[0] == 0
        assert wait_until(lambda: "Exiting" in wine.inject("--screen")[1], 10)
        assert console.wait(30) == 0
        assert wait_until(lambda: wine.running_players() == [], 10), wine.running_players()
    finally:
        if console.poll() is None:
            console.kill()


# Players that misbehave once placed: each takes the foreground 1.5 s after it is shown, as VLC
# does when its video starts; or stops answering messages, as a hung player does. The operator's
# keys still reach the console, and Y and Enter still work.
PLAYERS_MISBEHAVING = {"take-the-foreground": ("TEST_PLAYER_FOREGROUND_MS", "foreground 1"),
                       "hang": ("TEST_PLAYER_HANG_MS", "hanging")}


@pytest.mark.parametrize("misbehaving", PLAYERS_MISBEHAVING)
def test_players_that_misbehave_once_placed_leave_the_console_working(wine, misbehaving):
    variable, logged = PLAYERS_MISBEHAVING[misbehaving]
    wine.clear_logs()
    base = free_base_port()
    console = wine.start_in_console(arguments(base), env={variable: "1500"})
    try:
        logs = lambda: wine.player_logs(base)
        assert wait_until(lambda: len(logs()) == 4 and all(
            logged in lines for lines in logs().values()), 30), logs()
        if misbehaving == "take-the-foreground":
            assert wait_until(lambda: wine.inject("--foreground")[1].strip() ==
                              "rezerivove : Tarnvale Multi VLC Viewer", 5)
        else:
            # A layout over hung windows must not hold the viewer: Enter right after it works.
            assert wine.inject("y")[0] == 0
        assert wine.inject("enter")[0] == 0
        assert wait_until(lambda: "Exiting" in wine.inject("--screen")[1], 10)
        assert console.wait(30) == 0
    finally:
        if console.poll() is None:
            console.kill()


@pytest.mark.skipif(os.geteuid() != 0, reason="a private network namespace needs root")
def test_multicast_group_joined_and_left_in_a_private_network():
    # A prefix of its own, whose Wine server starts inside the namespace with the viewer: Wine's
    # sockets live on in its server.
    wine = WinePrefix()
    try:
        wine.install_player("64")
        subprocess.run(["wineserver", "-w"], env=wine.env, timeout=60)
        base = free_base_port()
        # NOTE: Wine's sockets are Linux sockets, and Linux hands group traffic only to sockets
        # bound to the group or to any address; the viewer binds to the interface, as Windows
        # wants, so under Wine the interface is 0.0.0.0.
        run = Run(wine, arguments(base, address=GROUP_ADDRESS), prefix=NAMESPACE_WITH_MULTICAST)
        assert run.wait_for(KEY_HINTS), run.output
        pid = run.process.pid
        assert group_users(pid) == 2
        send_udp_in_namespace(pid, GROUP_ADDRESS, base + 2, b"To the group\r\n")
        assert run.wait_for(windows_text(b"To the group\r\n"), 10)
        run.interrupt()
        assert run.wait_for(EXITING, 10)
        # During the final pause only the text socket is still a member.
        assert group_users(pid) == 1
        exit_code, output, _ = run.finish()
        assert exit_code == 0
        assert output == BANNER + KEY_HINTS + windows_text(b"To the group\r\n") + EXITING
    finally:
        wine.close()


def test_the_windows_simulator_sends_what_its_script_says(wine, tmp_path):
    import socket
    from wine_prefix import WINDOWS_BUILD, windows_path
    script = tmp_path / "hello.script"
    script.write_text("text Hello from Windows\nsplit 4\nstatus 2 94=Two\n")
    base = free_base_port()
    receivers = {}
    for offset in (1, 2):
        receivers[offset] = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        receivers[offset].bind(("127.0.0.1", base + offset))
        receivers[offset].settimeout(20)
    try:
        result = subprocess.run(
            ["wine", os.path.join(os.path.abspath(WINDOWS_BUILD), "sourcesim.exe"), "127.0.0.1",
             str(base), "--script", windows_path(str(script))],
            env=wine.env, capture_output=True, timeout=60)
        assert result.returncode == 0, result.stderr
        assert receivers[2].recv(4096) == b"Hello from Windows\r\n"
        assert receivers[1].recv(4096) == b"$0,2"
        assert receivers[1].recv(4096) == b"\r\n$94,Two\r\n"
    finally:
        for receiver in receivers.values():
            receiver.close()
