"""The four players as processes: what they are started with and that they end with the viewer."""
import os

from viewer import EXITING, KEY_HINTS, Viewer, arguments, free_base_port

STANDARD_SIGNALS = (1 << 31) - 1
OPTIONS = ["--qt-minimal-view", "--no-qt-video-autoresize", "--no-video-title-show",
           "--no-qt-system-tray"]


def player_arguments(viewer, pid):
    with open(os.path.join(viewer.log_dir, f"player-{pid}.log")) as log:
        return [line.split(" ", 3)[3].rstrip("\n") for line in log
                if line.split(" ", 2)[1] == "arg"]


def status_field(pid, name):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(name + ":"):
                return line.split()[1]
    return None


def test_players_get_their_streams_and_inherit_nothing_but_the_environment():
    base = free_base_port()
    with Viewer(arguments(address="0.0.0.0", port=base)) as viewer:
        assert viewer.wait_for(KEY_HINTS)
        pids = viewer.running_players()
        assert len(pids) == 4
        # The address 0.0.0.0 means any: the locator then names none.
        assert sorted(player_arguments(viewer, pid)[-1] for pid in pids) == [
            f"udp://@:{base + 40 + n}" for n in range(1, 5)]
        for pid in pids:
            assert player_arguments(viewer, pid)[:4] == OPTIONS
            for fd in (0, 1, 2):
                assert os.readlink(f"/proc/{pid}/fd/{fd}") == "/dev/null"
            links = [os.readlink(f"/proc/{pid}/fd/{fd}") for fd in os.listdir(f"/proc/{pid}/fd")]
            # Its own X connection is its only socket; the viewer's sockets and guard stay home.
            assert sum(link.startswith("socket:") for link in links) == 1, links
            assert not any("tvmutex320" in link for link in links), links
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
