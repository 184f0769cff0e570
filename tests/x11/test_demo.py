"""scripts/demo, headless, as a newcomer runs it: four live pictures in the grid and a clean end."""
import os
import subprocess

import pytest

from viewer import WaylandDesktop, cell_brightness, grid_cells, in_private_namespace

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SCREENSHOT = os.path.join(ROOT, "build", "demo", "grid.png")


@pytest.mark.skipif(os.geteuid() != 0 and os.environ.get("CI") is None,
                    reason="the demo may install packages; run it by hand")
@pytest.mark.parametrize("desktop", [None, "mutter-wayland"], ids=["headless", "gnome-wayland"])
def test_demo_shows_four_live_pictures_and_ends_with_code_0(desktop):
    """Headless (it starts an X server of its own), and from a GNOME desktop on Wayland."""
    if desktop is not None and not in_private_namespace():
        pytest.skip("a Wayland desktop runs in a namespace of its own (tests/x11/private_desk)")
    if os.path.exists(SCREENSHOT):
        os.remove(SCREENSHOT)
    env = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
    # The demo's test pictures move only in a small counter and a band: the picture watch, set
    # quicker than its default, must never call them still.
    env["REZERIVOVE_STILL_SECONDS"] = "3"
    session = WaylandDesktop(desktop) if desktop else None
    if session is not None:
        env.update(session.client_env, DISPLAY=session.display)
    try:
        result = subprocess.run([os.path.join(ROOT, "scripts", "demo"), "--seconds", "12"],
                                cwd=ROOT, env=env, capture_output=True, text=True, timeout=300)
    finally:
        if session is not None:
            session.close()
    assert result.returncode == 0, result.stdout + result.stderr
    assert "Viewer ended with exit code 0." in result.stdout
    assert os.path.exists(SCREENSHOT)
    with open(os.path.join(os.path.dirname(SCREENSHOT), "console.log"), "rb") as console:
        told = console.read()
    assert b"Tarnvale unit online" in told and b"picture still" not in told, told
    # The demo's grid: 480x270 players from the top-left corner.
    brightness = [cell_brightness(SCREENSHOT, *cell) for cell in grid_cells(0, 0, 480, 270).values()]
    assert all(value > 0.25 for value in brightness), brightness
