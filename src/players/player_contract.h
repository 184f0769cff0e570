// What the viewer passes to a media player and what it relies on from it.
#pragma once

// Each player's window carries this text in its title (a case-sensitive search anywhere in it).
constexpr char kPlayerTitleMarker[] = "VLC media player";

// The text after the player's path on its command line: the four options, then the stream
// locator filled with IPADDRESS and the stream port.
constexpr char kPlayerCommandLineFormat[] =
    " --qt-minimal-view --no-qt-video-autoresize --no-video-title-show --no-qt-system-tray "
    "udp://@%s:%d";

// Player n plays the stream on base + 40 + n, a plain sum that never wraps.
constexpr int kStreamPortOffset = 40;

// Virtual-key codes of the keys the viewer presses in a player window.
constexpr int kPlayerKeyStop = 83;  // S
constexpr int kPlayerKeyNext = 78;  // N
