"""Datagrams from the source on real loopback sockets: text printed, status taken in."""
import signal
import time

from viewer import BANNER, EXITING, KEY_HINTS, Viewer, arguments, free_base_port, send_udp


def started_viewer():
    base = free_base_port()
    viewer = Viewer(arguments(port=base))
    assert viewer.wait_for(KEY_HINTS)
    return viewer, base


def quit_cleanly(viewer):
    viewer.press(b"\r")
    code, output, _ = viewer.finish()
    assert code == 0
    assert output.endswith(EXITING)
    return output


def test_text_datagrams_are_printed_as_received_but_cannot_steer_the_terminal():
    viewer, base = started_viewer()
    with viewer:
        datagrams = [
            (b"Source says %s and %d and %n\r\n", b"Source says %s and %d and %n\r\n"),
            (b"\x1b]0;stolen title\x07\x1b[31mred\x1b[0m\r\n", b"?]0;stolen title??[31mred?[0m\r\n"),
            (b"csi \xc2\x9b2J, caf\xc3\xa9\ttab\r\n", b"csi ?2J, caf\xc3\xa9\ttab\r\n"),
            (b"stops at zero\x00hidden\r\n", b"stops at zero"),
            (b"no line end", b"no line end"),
        ]
        expected = b""
        for sent, shown in datagrams:
            send_udp(base + 2, sent)
            expected += shown
            assert viewer.wait_for(BANNER + KEY_HINTS + expected, 3), viewer.output
        output = quit_cleanly(viewer)
    assert output == BANNER + KEY_HINTS + expected + EXITING


def test_datagram_of_4096_bytes_is_lost_whole_and_4095_bytes_are_printed():
    viewer, base = started_viewer()
    with viewer:
        send_udp(base + 2, b"L" * 4096)
        send_udp(base + 2, b"K" * 4095)
        send_udp(base + 2, b"|end\r\n")
        assert viewer.wait_for(b"|end\r\n", 3)
        output = quit_cleanly(viewer)
    assert output == BANNER + KEY_HINTS + b"K" * 4095 + b"|end\r\n" + EXITING


def test_two_datagrams_in_one_cycle_are_printed_in_two_cycles():
    viewer, base = started_viewer()
    with viewer:
        for attempt in range(3):
            first, second = b"first %d\r\n" % attempt, b"second %d\r\n" % attempt
            send_udp(base + 2, first)
            send_udp(base + 2, second)
            assert viewer.wait_for(second, 3)
            gap = viewer.arrival(second) - viewer.arrival(first)
            assert gap >= 0.08, f"printed {gap * 1000:.0f} ms apart"
        quit_cleanly(viewer)


def test_status_channel_takes_any_text_and_the_viewer_stays_responsive():
    viewer, base = started_viewer()
    with viewer:
        garbage = [
            b"$0,1\r$94,Title\r$96,5\r$97,1\r$0,2\r\n",
            b"$" * 4000,
            b"\r" * 4095,
            b",,,,$$$$\r\r\r" * 100,
            b"$0,-5\r$-7,x\r$99999999999,y\r$0,99999999999\r$99,gone\r",
            b"x" * 5000,
            bytes(range(256)) * 10,
        ]
        for datagram in garbage:
            send_udp(base + 1, datagram)
        # Each is read in a cycle of its own; after them the text channel still answers.
        time.sleep(0.1 * len(garbage) + 0.3)
        send_udp(base + 2, b"still here\r\n")
        assert viewer.wait_for(b"still here\r\n", 3)
        assert viewer.process.poll() is None
        output = quit_cleanly(viewer)
    assert output == BANNER + KEY_HINTS + b"still here\r\n" + EXITING


def test_quit_by_signal_while_datagrams_keep_coming():
    viewer, base = started_viewer()
    with viewer:
        for index in range(20):
            send_udp(base + 2, b"line %d\r\n" % index)
            send_udp(base + 1, b"$0,1\r$94,T%d\r" % index)
        viewer.signal(signal.SIGINT)
        code, output, _ = viewer.finish()
    assert code == 0
    assert output.endswith(EXITING)
