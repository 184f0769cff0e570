"""The four players as processes: what they are started with and that they end with the viewer."""
import os
import re
import signal
import socket
import sys
import time

import pytest

from viewer import (EXITING, KEY_HINTS, Viewer, arguments, free_base_port, is_root, log_lines,
                    send_udp, wait_until)

STANDARD_SIGNALS = (1 << 31) - 1
OPTIONS = ["--qt-minimal-view", "--no-qt-video-autoresize", "--no-video-title-show",
           "--no-qt-system-tray"]


def player_arguments(viewer, pid):
    lines = log_lines(os.path.join(viewer.log_dir, f"player-{pid}.log"))
    return [line.split(" ", 2)[2] for line in lines if line.startswith("arg ")]


def status_field(pid, name):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(name + ":"):
                return line.split()[1]
    return None


def player_environment(pid):
    with open(f"/proc/{pid}/environ", "rb") as environ:
        return [entry.decode() for entry in environ.read().split(b"\0") if entry]


@pytest.mark.parametrize("qt_platform", [None, "wayland"])
def test_players_get_their_streams_and_inherit_nothing_but_the_environment(qt_platform):
    base = free_base_port()
    env = {"QT_QPA_PLATFORM": qt_platform} if qt_platform else None
    # A supervisor's pipe, open in the viewer beside its standard streams.
    supervisor_read, supervisor_write = os.pipe()
    supervisor_pipe = f"pipe:[{os.fstat(supervisor_write).st_ino}]"
    with Viewer(arguments(address="0.0.0.0", port=base), env=env,
                pass_fds=[supervisor_write]) as viewer:
        os.close(supervisor_write)
        assert viewer.wait_for(KEY_HINTS)
        assert os.readlink(f"/proc/{viewer.process.pid}/fd/{supervisor_write}") == supervisor_pipe
        pids = viewer.running_players()
        assert len(pids) == 4
        # The address 0.0.0.0 means any: the locator then names none.
        assert sorted(player_arguments(viewer, pid)[-1] for pid in pids) == [
            f"udp://@:{base + 40 + n}" for n in range(1, 5)]
        for pid in pids:
            assert player_arguments(viewer, pid)[:4] == OPTIONS
            # The viewer's environment, with Qt always on X11, where the viewer finds windows.
            environment = player_environment(pid)
            assert [e for e in environment if e.startswith("QT_QPA_PLATFORM=")] == [
                "QT_QPA_PLATFORM=xcb"]
            assert f"TEST_PLAYER_LOG_DIR={viewer.log_dir}" in environment
            for fd in (0, 1, 2):
                assert os.readlink(f"/proc/{pid}/fd/{fd}") == "/dev/null"
            links = [os.readlink(f"/proc/{pid}/fd/{fd}") for fd in os.listdir(f"/proc/{pid}/fd")]
            # Its own X connection is its only socket; the viewer's sockets and guard stay home.
            assert sum(link.startswith("socket:") for link in links) == 1, links
            assert not any("tvmutex320" in link for link in links), links
            assert supervisor_pipe not in links, links
            # A process group of its own, so the operator's Ctrl-C reaches only the viewer, and
            # no signal blocked or ignored.
            assert os.getpgid(pid) != os.getpgid(viewer.process.pid)
            # (Signals 32 and 33 are the C library's own.)
            assert int(status_field(pid, "SigBlk"), 16) & STANDARD_SIGNALS == 0
            assert int(status_field(pid, "SigIgn"), 16) & STANDARD_SIGNALS == 0
        viewer.press(b"\r")
        code, output, _ = viewer.finish()
        assert viewer.running_players() == []
    assert code == 0 and output.endswith(KEY_HINTS + EXITING)
    os.close(supervisor_read)


def test_a_player_that_ends_is_seen_whatever_the_parent_left_of_sigchld():
    """Some service managers and launchers start programs with SIGCHLD ignored: the kernel then
    reaps the players itself, and a player killed would never be seen to end (its pane empty for
    good, its number signalled at the end though another process may have it)."""
    base = free_base_port()
    ignoring = [sys.executable, "-c", "import os, signal, sys; "
                "signal.signal(signal.SIGCHLD, signal.SIG_IGN); os.execvp(sys.argv[1], sys.argv[1:])"]
    with Viewer(arguments(port=base), prefix=ignoring) as viewer:
        assert viewer.wait_for(KEY_HINTS)
        first = viewer.running_players()
        assert len(first) == 4
        os.kill(first[0], signal.SIGKILL)
        assert viewer.wait_for(b") ended by signal 9: starting it again in 1 s\r\n", 10), \
            viewer.output
        assert wait_until(lambda: len(viewer.running_players()) == 4 and
                          first[0] not in viewer.running_players(), 10)
        viewer.press(b"\r")
        code, output, _ = viewer.finish()
        assert viewer.running_players() == []
    assert code == 0 and output.endswith(EXITING)


# Runs the rest of its words in a mount namespace of its own whose /dev is a copy of the machine's
# with /dev/log the socket named first: the viewer's system log, read by the test.
PRIVATE_LOG = r"""
set -e
log=$1; stage=$2; shift 2
mount --make-rprivate /
mkdir -p "$stage/host"
mount --rbind /dev "$stage/host"
mount -t tmpfs tmpfs /dev
for node in null zero full random urandom tty ptmx log; do touch "/dev/$node"; done
for node in null zero full random urandom tty ptmx; do mount --bind "$stage/host/$node" "/dev/$node"; done
mount --bind "$log" /dev/log
mkdir /dev/pts /dev/shm
mount --rbind "$stage/host/pts" /dev/pts
mount --rbind "$stage/host/shm" /dev/shm
exec "$@"
"""


def alarm_command(folder, sleeps=False):
    """A program that appends its arguments to a file, a line a run (then sleeps a minute)."""
    runs = os.path.join(folder, "runs")
    command = os.path.join(folder, "on-alarm")
    with open(command, "w") as script:
        script.write(f'#!/bin/sh\necho "$$ $*" >> {runs}\n' + ("exec sleep 60\n" if sleeps else ""))
    os.chmod(command, 0o755)
    return command, runs


@pytest.mark.parametrize("slow_command", [False, True], ids=["command", "command-sleeping"])
def test_alarms_reach_the_system_log_and_the_alarm_command(tmp_path, slow_command):
    """The viewer's lines of its panes and the source's messages are recorded in the system's
    log with the pane's stream; each alarm that starts and ends runs the alarm command once, in
    order. A command that sleeps a minute holds no text line and is ended after 30 s."""
    if not is_root():
        pytest.skip("a mount namespace of its own needs root")
    base = free_base_port()
    port = base + 42
    log = socket.socket(socket.AF_UNIX, socket.SOCK_DGRAM)
    log.bind(str(tmp_path / "log"))
    log.settimeout(0.2)
    command, runs = alarm_command(str(tmp_path), sleeps=slow_command)
    records = []

    def recorded(text):
        try:
            while True:
                records.append(log.recv(4096).decode(errors="replace"))
        except socket.timeout:
            pass
        return [r for r in records if text in r]

    prefix = ["unshare", "-m", "sh", "-c", PRIVATE_LOG, "sh", str(tmp_path / "log"),
              str(tmp_path / "stage")]
    with Viewer(arguments(port=base), prefix=prefix,
                env={"REZERIVOVE_ALARM_COMMAND": command}) as viewer:
        assert viewer.wait_for(KEY_HINTS), viewer.output
        send_udp(base + 2, b"Source says \x1b[2Jhello\r\n")
        assert wait_until(lambda: recorded("Source says ?[2Jhello")), records
        assert recorded("Source says")[0].startswith("<14>")
        killed = [pid for pid in viewer.running_players()
                  if player_arguments(viewer, pid)[-1].endswith(f":{port}")][0]
        os.kill(killed, signal.SIGKILL)
        line = f"Player 2 (udp://@127.0.0.1:{port}) ended by signal 9: starting it again in 1 s"
        assert wait_until(lambda: recorded(line)), records
        assert re.match(r"<12>\w{3} [ \d]\d \d\d:\d\d:\d\d rezerivove\[\d+\]: " + re.escape(line),
                        recorded(line)[0]), records
        run_lines = lambda: open(runs).read().splitlines() if os.path.exists(runs) else []
        if not slow_command:
            assert wait_until(lambda: len(run_lines()) == 2, 15), run_lines()
            assert [line.split(" ", 1)[1] for line in run_lines()][0] == \
                f"2 ended 0 udp://@127.0.0.1:{port}"
            assert re.fullmatch(rf"2 started \d+ udp://@127.0.0.1:{port}",
                                run_lines()[1].split(" ", 1)[1]), run_lines()
        else:
            assert wait_until(lambda: len(run_lines()) == 1, 15), run_lines()
            started = time.monotonic()
            sleeper = int(run_lines()[0].split()[0])
            # The cycle goes on meanwhile: a message sent now is printed at once.
            send_udp(base + 2, b"while it sleeps\r\n")
            assert viewer.wait_for(b"while it sleeps", 2)
            assert wait_until(lambda: not os.path.exists(f"/proc/{sleeper}"), 40)
            assert time.monotonic() - started > 25
            # The event that came meanwhile (the player back) runs next.
            assert wait_until(lambda: len(run_lines()) == 2, 5), run_lines()
        viewer.press(b"\r")
        code, _, _ = viewer.finish()
    assert code == 0
