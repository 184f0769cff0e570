"""Start-up paths of the real viewer: exact output, exit code and the pause before the end."""
import os
import re
import shutil
import subprocess
import tempfile

import pytest

from viewer import (ALREADY_RUNNING, BANNER, BINARY, ERROR_PAUSE, EXITING, KEY_HINTS, USAGE,
                    Viewer, arguments, free_base_port, is_root)

# name, arguments, exit code, what follows the banner
FAILURES = [
    ("no arguments", [], 1, USAGE),
    ("ten arguments", arguments()[:10], 1, USAGE),
    ("twelve arguments", arguments() + ["extra"], 1, USAGE),
    ("invalid address", arguments(address="1.2.3.x"), 2, b"Invalid address: 1.2.3.x\r\n"),
    ("broadcast address converts to the error value", arguments(address="255.255.255.255"), 2,
     b"Invalid address: 255.255.255.255\r\n"),
    ("address longer than 15 characters", arguments(address="127.000.000.0001"), 2,
     b"Invalid address: 127.000.000.0001\r\n"),
    ("empty address", arguments(address=""), 2, b"Invalid address: \r\n"),
    ("invalid interface", arguments(interface="300.1.1.1"), 2,
     b"Invalid address: 300.1.1.1\r\n"),
    ("port 1023", arguments(port=1023), 3, b"Invalid port: 1023\r\n"),
    ("port 65536 shows its low 16 bits", arguments(port=65536), 3, b"Invalid port: 0\r\n"),
    ("port 70000 shows its low 16 bits", arguments(port=70000), 3, b"Invalid port: 4464\r\n"),
    ("port -1", arguments(port=-1), 3, b"Invalid port: 65535\r\n"),
    ("port without digits", arguments(port="http"), 3, b"Invalid port: 0\r\n"),
    ("address and port both invalid: the address is reported",
     arguments(address="no.where", port=80), 2, b"Invalid address: no.where\r\n"),
    ("port and interface both invalid: the port is reported",
     arguments(port=80, interface="x"), 3, b"Invalid port: 80\r\n"),
    ("percent signs in an address are printed literally",
     arguments(address="%s%n%d"), 2, b"Invalid address: %s%n%d\r\n"),
]


@pytest.fixture(scope="module")
def failure_runs():
    """Every failing start at once: each waits out its three-second pause in parallel."""
    viewers = {name: Viewer(args, stdin=subprocess.DEVNULL) for name, args, _, _ in FAILURES}
    results = {}
    try:
        for name, viewer in viewers.items():
            results[name] = viewer.finish()
    finally:
        for viewer in viewers.values():
            viewer.close()
    return results


@pytest.mark.parametrize("name,args,code,message", FAILURES, ids=[f[0] for f in FAILURES])
def test_failing_start(failure_runs, name, args, code, message):
    exit_code, output, seconds = failure_runs[name]
    assert output == BANNER + message
    assert exit_code == code
    assert ERROR_PAUSE - 0.1 <= seconds < ERROR_PAUSE + 3


@pytest.mark.parametrize("port", [1024, 65535])
def test_ports_at_both_ends_of_the_range_are_accepted(port):
    with Viewer(arguments(port=port)) as viewer:
        assert viewer.wait_for(KEY_HINTS)
        viewer.press(b"\r")
        code, output, _ = viewer.finish()
    assert output == BANNER + KEY_HINTS + EXITING
    assert code == 0


def test_second_copy_is_refused_whatever_its_arguments():
    with Viewer(arguments()) as first:
        assert first.wait_for(KEY_HINTS)
        for args in ([], arguments(address="bad")):
            with Viewer(args, runtime_dir=first.runtime_dir,
                        stdin=subprocess.DEVNULL) as second:
                code, output, seconds = second.finish()
            assert output == BANNER + ALREADY_RUNNING
            assert code == 99
            assert seconds >= ERROR_PAUSE - 0.1
        first.press(b"\r")
        assert first.finish()[0] == 0


def test_guard_lasts_through_the_final_pause_and_ends_with_the_process():
    with Viewer(arguments()) as first:
        assert first.wait_for(KEY_HINTS)
        first.press(b"\r")
        assert first.wait_for(EXITING)
        with Viewer([], runtime_dir=first.runtime_dir, stdin=subprocess.DEVNULL) as second:
            assert second.finish()[:2] == (99, BANNER + ALREADY_RUNNING)
        assert first.finish()[0] == 0
    # Killed without any chance to clean up, the viewer still leaves no guard behind.
    with tempfile.TemporaryDirectory() as runtime_dir:
        with Viewer(arguments(), runtime_dir=runtime_dir) as killed:
            assert killed.wait_for(KEY_HINTS)
            killed.process.kill()
            killed.process.wait(5)
        with Viewer([], runtime_dir=runtime_dir, stdin=subprocess.DEVNULL) as after:
            assert after.finish()[:2] == (1, BANNER + USAGE)


# Without a runtime directory the guard lies in /tmp, where another local user may have put
# something first; the viewer then keeps its guard in the home directory instead.
GUARD = "/tmp/tvmutex320-0"
PLANTED = {
    "another user's file, locked by them":
        f"touch {GUARD} && chown {{user}} {GUARD} && chmod 644 {GUARD} && "
        f"(setpriv --reuid={{user}} --regid={{user}} --clear-groups /usr/bin/python3 -c "
        f"'import fcntl, time; f = open(\"{GUARD}\"); fcntl.flock(f, fcntl.LOCK_EX); "
        f"time.sleep(30)' & echo $! >{{home}}/holder) && "
        f"for i in $(seq 200); do flock -n {GUARD} true || break; sleep 0.05; done",
    "another user's file, unreadable": f"touch {GUARD} && chown {{user}} {GUARD} && chmod 600 {GUARD}",
    "a symbolic link": f"ln -s /tmp/elsewhere {GUARD}",
    "a directory": f"mkdir {GUARD}",
}


@pytest.mark.skipif(not is_root(), reason="planting another user's file needs root")
@pytest.mark.parametrize("planted", PLANTED, ids=list(PLANTED))
def test_a_guard_planted_in_tmp_by_another_user_is_not_taken(planted):
    from viewer import unprivileged_user
    home = tempfile.mkdtemp(prefix="rezerivove-home-", dir="/var/tmp")  # outside the new /tmp
    plant = PLANTED[planted].format(user=unprivileged_user(), home=home)
    prefix = ["/usr/bin/unshare", "-m", "/bin/sh", "-c",
              "mount -t tmpfs none /tmp && " + plant + ' && exec "$0" "$@"']
    try:
        with Viewer(arguments(), prefix=prefix, env={"XDG_RUNTIME_DIR": "", "HOME": home},
                    temp_root="/var/tmp", copies=True) as viewer:
            assert viewer.wait_for(KEY_HINTS), viewer.output
            viewer.press(b"\r")
            code, output, _ = viewer.finish()
    finally:
        if os.path.exists(os.path.join(home, "holder")):
            with open(os.path.join(home, "holder")) as holder:
                os.kill(int(holder.read()), 9)
        guard_in_home = os.path.isfile(os.path.join(home, ".tvmutex320"))
        shutil.rmtree(home)
    assert (code, output) == (0, BANNER + KEY_HINTS + EXITING)
    assert guard_in_home


def hidden_players_prefix():
    """Runs the viewer in a private mount namespace with the usual player directories empty."""
    # /usr/bin goes last: it holds mount itself.
    mounts = " && ".join(f"/usr/bin/mount -t tmpfs none {d}" for d in
                         ("/usr/local/bin", "/snap/bin", "/usr/bin") if os.path.isdir(d))
    return ["/usr/bin/unshare", "-m", "/bin/sh", "-c", mounts + ' && exec "$0" "$@"']


@pytest.mark.skipif(not is_root(), reason="hiding the installed player needs a mount namespace")
def test_no_player_found():
    with tempfile.TemporaryDirectory() as empty:
        with Viewer(arguments(), prefix=hidden_players_prefix(), stdin=subprocess.DEVNULL,
                    env={"PATH": empty}) as viewer:
            code, output, seconds = viewer.finish()
    assert output == BANNER + b"Cannot find VLC\r\n"
    assert code == 10
    assert seconds >= ERROR_PAUSE - 0.1


@pytest.mark.skipif(not is_root(), reason="hiding the installed player needs a mount namespace")
def test_player_found_in_path_when_none_is_installed():
    with Viewer(arguments(port=free_base_port()), prefix=hidden_players_prefix()) as viewer:
        assert viewer.wait_for(KEY_HINTS), viewer.output
        viewer.press(b"\r")
        assert viewer.finish()[0] == 0


@pytest.mark.parametrize("display,shown", [(None, b""), (":9999", b":9999")],
                         ids=["unset", "unreachable"])
def test_no_display_ends_with_code_11_before_any_player_starts(display, shown):
    env = {"DISPLAY": display} if display else {"DISPLAY": ""}
    with Viewer(arguments(), stdin=subprocess.DEVNULL, env=env) as viewer:
        code, output, seconds = viewer.finish()
        assert viewer.player_pids() == []
    assert output == BANNER + b"Cannot open display " + shown + b"\r\n"
    assert code == 11
    assert seconds >= ERROR_PAUSE - 0.1


@pytest.mark.parametrize("setting,told", [
    ("ten", b"REZERIVOVE_STILL_SECONDS is not a number of seconds (ten): the picture watch "
            b"keeps 10 s\r\n"),
    ("3 s\x1b[2J", b"REZERIVOVE_STILL_SECONDS is not a number of seconds (3 s?[2J): the picture "
                   b"watch keeps 10 s\r\n"),
    (" 30 ", b"")], ids=["word", "number-and-more", "number"])
def test_a_still_time_that_is_not_a_number_is_told_once_at_start(setting, told):
    env = {"REZERIVOVE_STILL_SECONDS": setting}
    with Viewer(arguments(port=free_base_port()), env=env) as viewer:
        assert viewer.wait_for(KEY_HINTS), viewer.output
        viewer.press(b"\r")
        code, output, _ = viewer.finish()
    assert output == BANNER + told + KEY_HINTS + EXITING
    assert code == 0


def test_player_that_ends_before_its_window_shows_is_a_failed_start():
    with Viewer(arguments(), stdin=subprocess.DEVNULL, env={"TEST_PLAYER_EXIT": "3"}) as viewer:
        code, output, seconds = viewer.finish()
    assert output == BANNER + b"CreateProcess failed (3).\n"
    assert code == 5
    assert seconds >= ERROR_PAUSE - 0.1


def test_the_viewer_loads_only_the_c_library_and_xlib():
    # No C++ runtime: a lock's error path alone once brought libstdc++, libm and libgcc_s in, and
    # 1.5 MiB more resident.
    dynamic = subprocess.run(["readelf", "-d", BINARY], capture_output=True, text=True,
                             check=True).stdout
    needed = re.findall(r"\(NEEDED\)\s+Shared library: \[(.*?)\]", dynamic)
    if any("asan" in library for library in needed):
        pytest.skip("the sanitizers bring a runtime of their own")
    # NOTE: the C library of arm64 names its loader among what it needs.
    assert sorted(lib for lib in needed if not lib.startswith("ld-linux")) == [
        "libX11.so.6", "libc.so.6"]
