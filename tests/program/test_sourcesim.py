"""The source simulator: its errors and exit codes, and a round trip through the real viewer to
the test players."""
import os
import subprocess
import time

import pytest

from viewer import (BANNER, EXITING, KEY_HINTS, Viewer, arguments, free_base_port,
                    player_logs)

SOURCESIM = os.environ.get("REZERIVOVE_SOURCESIM", "build/linux/sourcesim")


def sourcesim(*args, timeout=30):
    return subprocess.run([SOURCESIM] + list(args), capture_output=True, text=True,
                          timeout=timeout)


@pytest.mark.parametrize("args,code,message", [
    ([], 1, "Usage: sourcesim ADDRESS BASEPORT"),
    (["127.0.0.1"], 1, "Usage: sourcesim ADDRESS BASEPORT"),
    (["127.0.0.1", "5000", "--bogus"], 1, "Usage: sourcesim ADDRESS BASEPORT"),
    (["127.0.0.1", "5000", "--rate", "0"], 1, "--rate takes 1 to 10000 datagrams a second"),
    (["300.0.0.1", "5000"], 2, "sourcesim: invalid address: 300.0.0.1"),
    (["239.1.2.3", "5000", "--interface", "nowhere"], 2,
     "sourcesim: invalid interface address: nowhere"),
    (["127.0.0.1", "80"], 3, "sourcesim: invalid port: 80 (1024 to 65535)"),
    (["127.0.0.1", "50x"], 3, "sourcesim: invalid port: 50x (1024 to 65535)"),
    (["127.0.0.1", "65500", "--streams"], 3, "--streams needs BASEPORT + 44 to be a port"),
    (["127.0.0.1", "5000", "--script", "/nonexistent/script"], 4,
     "sourcesim: cannot read script /nonexistent/script"),
])
def test_errors_and_exit_codes(args, code, message):
    result = sourcesim(*args)
    assert result.returncode == code
    assert message in result.stderr
    assert result.stdout == ""


def test_help_lists_the_exit_codes():
    result = sourcesim("--help")
    assert result.returncode == 0
    assert "Exit codes: 0 done, 1 usage, 2 invalid address, 3 invalid port" in result.stdout


def test_script_error_names_file_and_line(tmp_path):
    script = tmp_path / "bad.script"
    script.write_text("text fine\nstatus 9 94=x\n")
    result = sourcesim("127.0.0.1", "5000", "--script", str(script))
    assert result.returncode == 4
    assert result.stderr == f"sourcesim: {script}:2: status: the channel must be 0 to 4\n"


def player_actions(viewer, base):
    """Player number -> its titles and keys after the grid titles."""
    actions = {}
    for player, lines in player_logs(viewer.log_dir, base).items():
        grid = max(i for i, line in enumerate(lines) if line.endswith("  Tarnvale"))
        actions[player] = [line for line in lines[grid + 1:] if line.startswith(("title", "key"))]
    return actions


def test_round_trip_through_the_viewer_to_the_players(tmp_path):
    script = tmp_path / "round.script"
    script.write_text(
        "# Every kind of action, and records split across datagrams.\n"
        "text Source says %s\\x1b[31m\n"
        "status 1 94=Studio A\n"
        "split 9\n"
        "status 2 94=Studio B; 96=5\n"
        "status 3 97=1; 94=Studio C\n"
        "split 3\n"
        "status 4 99=gone\n"
        "end\n"
        "raw status $0,1\\r\\n$94,Raw\\r\\n$0,0\\r\\n\n"
        "wait 200\n"
        "text done\n")
    base = free_base_port()
    with Viewer(arguments(port=base)) as viewer:
        assert viewer.wait_for(KEY_HINTS)
        result = sourcesim("127.0.0.1", str(base), "--script", str(script), "--rate", "50")
        assert result.returncode == 0, result.stderr
        assert viewer.wait_for(b"done\r\n", 10)
        expected = {1: ["title Studio A", "title Raw"],
                    2: ["title ", "key press s", "key release s"],
                    3: ["key press n", "key release n", "title Studio C"],
                    4: ["title 4:  *TS diverted to another location*"]}
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and player_actions(viewer, base) != expected:
            time.sleep(0.1)
        assert player_actions(viewer, base) == expected
        viewer.press(b"\r")
        code, output, _ = viewer.finish()
    assert code == 0
    assert output == BANNER + KEY_HINTS + b"Source says %s?[31m\r\ndone\r\n" + EXITING
