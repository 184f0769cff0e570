import os
import sys

import pytest

sys.path.insert(0, os.path.dirname(__file__))

from viewer import XServer  # noqa: E402


@pytest.fixture(scope="session", autouse=True)
def x_display():
    """Every viewer of this test run shows its players on an X server of its own."""
    server = XServer()
    os.environ["DISPLAY"] = server.display
    yield server.display
    server.close()
