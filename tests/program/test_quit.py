"""Ways the operator ends the viewer, from a pipe and from a real terminal."""
import os
import pty
import select
import signal
import termios
import time

import pytest

from viewer import (BANNER, BINARY, ERROR_PAUSE, EXITING, KEY_HINTS, USAGE, Viewer, XServer,
                    arguments, log_lines, running_players, viewer_command)


@pytest.mark.parametrize("how", ["enter", "SIGINT", "SIGTERM", "SIGHUP", "SIGQUIT"])
def test_quit_says_exiting_and_ends_with_0_after_the_pause(how):
    with Viewer(arguments()) as viewer:
        assert viewer.wait_for(KEY_HINTS)
        asked = time.monotonic()
        if how == "enter":
            viewer.press(b"\r")
        else:
            viewer.signal(getattr(signal, how))
        assert viewer.wait_for(EXITING)
        code, output, _ = viewer.finish()
        ended = time.monotonic()
    assert output == BANNER + KEY_HINTS + EXITING
    assert code == 0
    assert ended - viewer.arrival(EXITING) >= ERROR_PAUSE - 0.1
    assert viewer.arrival(EXITING) - asked < 2.5


def test_line_feed_and_other_keys_do_not_quit():
    with Viewer(arguments()) as viewer:
        assert viewer.wait_for(KEY_HINTS)
        viewer.press(b"\nqx\x1b[A")
        time.sleep(1.0)
        assert viewer.process.poll() is None
        viewer.press(b"\r")
        assert viewer.finish()[0] == 0


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def test_end_of_input_brings_no_keys_and_no_busy_loop():
    with Viewer(arguments()) as viewer:
        assert viewer.wait_for(KEY_HINTS)
        viewer.process.stdin.close()
        before = cpu_seconds(viewer.process.pid)
        time.sleep(2.0)
        assert viewer.process.poll() is None
        assert cpu_seconds(viewer.process.pid) - before < 0.3
        viewer.signal(signal.SIGINT)
        code, output, _ = viewer.finish()
    assert (code, output) == (0, BANNER + KEY_HINTS + EXITING)


class Terminal:
    """The viewer on a pseudo-terminal of its own, as the operator runs it."""

    def __init__(self, args, runtime_dir, program=BINARY, display=None):
        self.log_dir = os.path.join(runtime_dir, "players")
        os.makedirs(self.log_dir, exist_ok=True)
        self.pid, self.master = pty.fork()
        if self.pid == 0:
            os.environ["XDG_RUNTIME_DIR"] = runtime_dir
            os.environ["TEST_PLAYER_LOG_DIR"] = self.log_dir
            os.environ["PATH"] = os.path.join(runtime_dir, "bin") + ":" + os.environ["PATH"]
            os.environ["PS1"] = "shell> "
            if display is not None:
                os.environ["DISPLAY"] = display
            command = viewer_command(program) if program == BINARY else [program]
            os.execv(command[0], command + args)
        self.output = b""

    def read_until(self, marker, timeout=10.0):
        deadline = time.monotonic() + timeout
        while marker not in self.output and time.monotonic() < deadline:
            ready, _, _ = select.select([self.master], [], [], 0.05)
            if ready:
                try:
                    self.output += os.read(self.master, 65536)
                except OSError:
                    break
        return marker in self.output

    def local_modes(self):
        return termios.tcgetattr(self.master)[3]

    def viewer_has_keys(self):
        """The terminal in the viewer's raw mode: no line mode, and reads that never wait (a
        shell's line editor also leaves line mode, but waits for each key)."""
        modes = termios.tcgetattr(self.master)
        return not modes[3] & termios.ICANON and modes[6][termios.VMIN] == 0

    def wait_until(self, condition, timeout=10.0):
        deadline = time.monotonic() + timeout
        while not condition() and time.monotonic() < deadline:
            self.read_until(b"\0", 0.05)
        return condition()

    def finish(self, timeout=15.0):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            pid, status = os.waitpid(self.pid, os.WNOHANG)
            if pid == self.pid:
                self.read_until(b"\0", 0.2)
                return os.waitstatus_to_exitcode(status)
            self.read_until(b"\0", 0.05)
        os.kill(self.pid, signal.SIGKILL)
        os.waitpid(self.pid, 0)
        raise AssertionError("viewer did not end")

    def close(self):
        os.close(self.master)


TITLE = b"\x1b]0;rezerivove\x07"


def on_terminal(text):
    """What the terminal shows for the viewer's output: it turns each line feed into CR LF."""
    return text.replace(b"\n", b"\r\n")


@pytest.fixture
def terminal_dir(tmp_path):
    from viewer import make_fake_player
    (tmp_path / "bin").mkdir()
    make_fake_player(str(tmp_path / "bin"))
    return str(tmp_path)


# Every way out of a real terminal: a key in raw mode, or a signal from outside.
TERMINAL_WAYS_OUT = {"enter": b"\r", "ctrl-c": b"\x03", "sigterm": signal.SIGTERM,
                     "sighup": signal.SIGHUP, "sigquit": signal.SIGQUIT}


@pytest.mark.parametrize("how", TERMINAL_WAYS_OUT)
def test_every_way_out_of_a_terminal_restores_it(terminal_dir, how):
    term = Terminal(arguments(), terminal_dir)
    try:
        assert term.read_until(on_terminal(KEY_HINTS))
        modes = term.local_modes()
        # Keys one at a time without echo, Enter as 13, Ctrl-C still a signal.
        assert not modes & termios.ICANON and not modes & termios.ECHO
        assert modes & termios.ISIG
        assert not termios.tcgetattr(term.master)[0] & termios.ICRNL
        way = TERMINAL_WAYS_OUT[how]
        if isinstance(way, bytes):
            os.write(term.master, way)
        else:
            os.kill(term.pid, way)
        assert term.finish() == 0
        modes = term.local_modes()
        assert modes & termios.ICANON and modes & termios.ECHO
        assert termios.tcgetattr(term.master)[0] & termios.ICRNL
    finally:
        term.close()
    # The console takes its title right after the banner.
    assert term.output == on_terminal(BANNER) + TITLE + on_terminal(KEY_HINTS + EXITING)


def players_at_half_size(log_dir):
    # Y halves the 480x270 players; without a window manager the viewer moves them itself.
    return any(line.startswith("geometry") and line.endswith(" 240 135")
               for name in os.listdir(log_dir) for line in log_lines(os.path.join(log_dir, name)))


# The shells operators use: bash puts a stopped job's terminal back itself, dash does not (a
# terminal left raw reads as end of input there, and the shell ends).
SHELLS = {"bash": ["--norc", "--noprofile", "-i"], "dash": ["-i"]}
STOPS = {"ctrl-z": 10, "background": 0, "ctrl-z-in-error-pause": 1}


@pytest.mark.parametrize("shell", SHELLS)
@pytest.mark.parametrize("how", STOPS)
def test_keys_reach_the_viewer_again_when_its_job_comes_to_the_foreground(terminal_dir, how,
                                                                          shell):
    # In an interactive shell, as the operator works: Ctrl-Z and fg again and again, started with
    # & and fg, or Ctrl-Z in the pause after a start-up error.
    term = Terminal(SHELLS[shell], terminal_dir, program="/bin/" + shell)
    arguments_given = [] if how == "ctrl-z-in-error-pause" else arguments()
    command = " ".join(viewer_command(os.path.abspath(BINARY)) + arguments_given).encode()
    try:
        assert term.read_until(b"shell> ")
        if how == "background":
            os.write(term.master, command + b" &\r")
            assert term.read_until(on_terminal(KEY_HINTS))
            assert term.read_until(b"shell> ")
        else:
            os.write(term.master, command + b"\r")
            assert term.read_until(on_terminal(USAGE if arguments_given == [] else KEY_HINTS))
        for stop in range(STOPS[how]):
            assert term.wait_until(term.viewer_has_keys)
            stopped = term.output.count(b"Stopped")
            os.write(term.master, b"\x1a")
            assert term.wait_until(lambda: term.output.count(b"Stopped") > stopped), term.output
            assert term.wait_until(lambda: b"shell> " in term.output.rsplit(b"Stopped", 1)[1])
            if shell == "dash":  # no line editor of its own: the modes are the viewer's doing
                assert term.local_modes() & termios.ICANON and term.local_modes() & termios.ECHO
            os.write(term.master, b"fg\r")
        if how == "ctrl-z-in-error-pause":
            # The rest of the pause, then the usage error's code.
            expected_code = b"code=1"
            assert term.wait_until(
                lambda: b"shell> " in term.output.rsplit(b"shell> fg", 1)[-1], 15), term.output
        else:
            expected_code = b"code=0"
            if how == "background":
                os.write(term.master, b"fg\r")
            assert term.wait_until(term.viewer_has_keys), termios.tcgetattr(term.master)
            os.write(term.master, b"y")
            assert term.wait_until(lambda: players_at_half_size(term.log_dir))
            os.write(term.master, b"\r")
            assert term.read_until(on_terminal(EXITING))
            assert term.wait_until(lambda: b"shell> " in term.output.rsplit(b"Exiting", 1)[1])
        os.write(term.master, b"echo code=$?\r")
        assert term.read_until(expected_code), term.output
        os.write(term.master, b"exit\r")
        assert term.finish() == 0
    finally:
        term.close()


def test_a_lost_display_ends_the_viewer_with_the_display_code_and_everything_put_back(
        terminal_dir):
    server = XServer()
    term = Terminal(arguments(), terminal_dir, display=server.display)
    try:
        assert term.read_until(on_terminal(KEY_HINTS))
        assert term.wait_until(lambda: len(running_players(term.log_dir)) == 4)
        server.close()  # the X server goes away, the players' windows with it
        assert term.finish() == 11
        modes = term.local_modes()
        assert modes & termios.ICANON and modes & termios.ECHO
        assert running_players(term.log_dir) == []
    finally:
        term.close()
        server.close()
    # One line naming the display, on standard output; nothing from Xlib on standard error (the
    # terminal shows both).
    assert term.output == on_terminal(BANNER) + TITLE + on_terminal(
        KEY_HINTS + b"Lost connection to display " + server.display.encode() + b"\r\n")


def test_terminal_is_restored_after_an_error_exit(terminal_dir):
    term = Terminal([], terminal_dir)
    try:
        assert term.finish() == 1
        assert term.local_modes() & termios.ICANON and term.local_modes() & termios.ECHO
    finally:
        term.close()
    assert term.output == on_terminal(BANNER) + TITLE + on_terminal(USAGE)
