"""The four players as processes: what they are started with and that they end with the viewer."""
import os
import signal
import sys

import pytest

from viewer import (EXITING, KEY_HINTS, Viewer, arguments, free_base_port, log_lines,
                    wait_until)

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
