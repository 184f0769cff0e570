"""A flood of datagrams on loopback: the viewer keeps its cycle, its memory stays flat, and Enter
still ends it at once. The flood is bounded in time and stops by itself."""
import os
import socket
import time

from viewer import EXITING, KEY_HINTS, Viewer, arguments, free_base_port, wait_until

SECONDS = float(os.environ.get("REZERIVOVE_FLOOD_SECONDS", "20"))
RATE = 10000  # datagrams a second, half status, half text


def resident_kib(pid, what="VmRSS:"):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith(what):
                return int(line.split()[1])
    return 0


def test_flood_of_status_and_text_datagrams():
    base = free_base_port()
    # The picture watch on, at its default, reading the four moving pictures beside the flood.
    with Viewer(arguments(port=base)) as viewer, \
            socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as sender:
        assert viewer.wait_for(KEY_HINTS)
        pid = viewer.process.pid
        # The first reads of the four pictures bring the rows they read of the memory shared
        # with the X server in (about 32 KiB a pane): the flood is measured from then on.
        wait_until(lambda: resident_kib(pid, "RssShmem:") >= 4 * 28, 10)
        rss_before = resident_kib(pid)
        status = b"$0,%d\r\n$94,Flood title %d\r\n$96,%d\r\n$97,1\r\n"
        started = time.monotonic()
        sent = 0
        batch = RATE // 100
        while time.monotonic() - started < SECONDS:
            for i in range(batch // 2):
                sender.sendto(status % (sent % 4 + 1, sent, sent % 3), ("127.0.0.1", base + 1))
                sender.sendto(b"flood line %d\r\n" % sent, ("127.0.0.1", base + 2))
                sent += 1
            # Keep to the rate: the next batch is due 10 ms after this one's start.
            due = started + (sent * 2 / RATE)
            time.sleep(max(0.0, due - time.monotonic()))
        elapsed = time.monotonic() - started
        rss_after = resident_kib(pid)
        lines = viewer.output.count(b"flood line")

        pressed = time.monotonic()
        viewer.press(b"\r")
        assert viewer.wait_for(EXITING, 5)
        quit_seconds = viewer.arrival(EXITING) - pressed
        code, output, _ = viewer.finish()
    print(f"sent {sent * 2} datagrams in {elapsed:.1f} s; printed {lines} text lines; "
          f"RSS {rss_before} -> {rss_after} KiB; Enter to Exiting {quit_seconds * 1000:.0f} ms")
    assert sent * 2 >= RATE * SECONDS * 0.8
    # One text datagram a cycle: about ten lines a second, all the time.
    assert lines >= 8 * elapsed
    assert rss_after - rss_before < 256
    assert quit_seconds < 0.3
    assert code == 0
