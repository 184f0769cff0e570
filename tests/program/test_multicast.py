"""Multicast membership, inside a private network namespace so no group is joined on the
machine's own interfaces."""
import pytest

from viewer import (BANNER, EXITING, KEY_HINTS, NAMESPACE_WITH_MULTICAST, Viewer, arguments,
                    free_base_port, is_root, send_udp_in_namespace)

pytestmark = pytest.mark.skipif(not is_root(), reason="a private network namespace needs root")

GROUP = "239.1.2.3"
GROUP_IN_PROC = "030201EF"  # how /proc/net/igmp writes 239.1.2.3

# A namespace of its own with nothing up: no interface can carry the group.
NAMESPACE_WITHOUT_NETWORK = ["/usr/bin/unshare", "-n"]


def group_users(pid):
    """How many sockets of the viewer's namespace are members of the group, 0 for none."""
    try:
        with open(f"/proc/{pid}/net/igmp") as igmp:
            for line in igmp:
                fields = line.split()
                if fields and fields[0] == GROUP_IN_PROC:
                    return int(fields[1])
    except FileNotFoundError:
        pass
    return 0


def send_in_namespace(pid, port, payload):
    send_udp_in_namespace(pid, GROUP, port, payload)


def test_group_joined_on_both_sockets_and_left_on_the_status_socket_at_shutdown():
    base = free_base_port()
    with Viewer(arguments(address=GROUP, port=base, interface="127.0.0.1"),
                prefix=NAMESPACE_WITH_MULTICAST) as viewer:
        assert viewer.wait_for(KEY_HINTS), viewer.output
        pid = viewer.process.pid
        assert group_users(pid) == 2
        send_in_namespace(pid, base + 2, b"to the group\r\n")
        assert viewer.wait_for(b"to the group\r\n", 3)
        viewer.press(b"\r")
        assert viewer.wait_for(EXITING)
        # During the final pause only the text socket is still a member.
        assert group_users(pid) == 1
        code, output, _ = viewer.finish()
    assert code == 0
    assert output == BANNER + KEY_HINTS + b"to the group\r\n" + EXITING


def test_group_on_every_interface_is_joined_with_interface_0_0_0_0():
    base = free_base_port()
    with Viewer(arguments(address=GROUP, port=base, interface="0.0.0.0"),
                prefix=NAMESPACE_WITH_MULTICAST) as viewer:
        assert viewer.wait_for(KEY_HINTS), viewer.output
        assert group_users(viewer.process.pid) == 2
        send_in_namespace(viewer.process.pid, base + 2, b"any interface\r\n")
        assert viewer.wait_for(b"any interface\r\n", 3)
        viewer.press(b"\r")
        assert viewer.finish()[0] == 0


def test_unicast_address_joins_no_group():
    with Viewer(arguments(address="127.0.0.1"), prefix=NAMESPACE_WITH_MULTICAST) as viewer:
        assert viewer.wait_for(KEY_HINTS), viewer.output
        with open(f"/proc/{viewer.process.pid}/net/igmp") as igmp:
            groups = [line.split()[0] for line in igmp if line.startswith("\t")]
        assert all(not group.endswith("EF") for group in groups), groups
        viewer.press(b"\r")
        assert viewer.finish()[0] == 0


def test_group_that_cannot_be_joined_ends_with_code_2():
    with Viewer(arguments(address=GROUP, interface="0.0.0.0"),
                prefix=NAMESPACE_WITHOUT_NETWORK) as viewer:
        code, output, seconds = viewer.finish()
    assert output == BANNER + b"Cannot add membership to 0.0.0.0 for rx port 1 \r\n"
    assert code == 2
    assert seconds >= 2.9
