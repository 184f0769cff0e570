"""The viewer allocates nothing from its first cycle to its shutdown, whatever the source sends."""
import os
import time

import pytest

from viewer import EXITING, KEY_HINTS, Viewer, arguments, free_base_port, send_udp

COUNTER = os.environ.get("REZERIVOVE_ALLOC_COUNTER", "build/linux/tests/alloc_counter.so")
SECONDS = float(os.environ.get("REZERIVOVE_ALLOC_SECONDS", "10"))


@pytest.mark.parametrize("alarm", [False, True], ids=["moving", "pane-framed"])
def test_no_allocation_while_cycling_with_traffic(tmp_path, alarm):
    count_file = tmp_path / "allocations"
    base = free_base_port()
    # The picture watch on: the test players paint moving pictures, each read once a second;
    # with an alarm, pane 3 stands still and is framed, its label redrawn every second.
    env = {"LD_PRELOAD": os.path.abspath(COUNTER), "ALLOC_COUNT_FILE": str(count_file)}
    if alarm:
        env["REZERIVOVE_STILL_SECONDS"] = "1"
    with Viewer(arguments(port=base), env=env) as viewer:
        assert viewer.wait_for(KEY_HINTS)
        if alarm:
            open(os.path.join(viewer.log_dir, f"still-{base + 43}"), "w").close()
        deadline = time.monotonic() + SECONDS
        block = 0
        while time.monotonic() < deadline:
            channel = block % 4 + 1
            # Titles, S and N (96 and 97 change every block), a diverted notice now and then,
            # split records, malformed text and console messages.
            send_udp(base + 1, b"$0,%d\r\n$94,Caf\xe9 %d\r\n$96,%d\r\n$97,%d\r\n$9"
                     % (channel, block, block, block + 1))
            send_udp(base + 1, b"9,x\r\n" if block % 10 == 0 else b"0,1\r\n$$$\r,,\r")
            send_udp(base + 2, b"Source message %d \x1b[1m\r\n" % block)
            block += 1
            time.sleep(0.05)
        viewer.press(b"\r")
        code, output, _ = viewer.finish()
    assert code == 0 and output.endswith(EXITING)
    assert (b"picture still for" in output) == alarm, output[-300:]
    assert count_file.read_text().strip() == "0"
