# Sourced by scripts/test and scripts/demo: installs with apt-get the Debian packages the build,
# the tests and the demo need, when any is missing.

REZERIVOVE_PACKAGES=(
  build-essential cmake ninja-build pkg-config libx11-dev libgtest-dev libbenchmark-dev
  python3 python3-pytest xvfb openbox xterm xdotool x11-utils imagemagick ffmpeg vlc
  g++-mingw-w64-x86-64 wine64 tmux iproute2 util-linux fonts-dejavu-core clang-14 libclang-rt-14-dev
  clang-tidy cppcheck xfwm4 metacity icewm dbus-daemon libxtst-dev icoutils x11-xserver-utils
  mmdebstrap
)
# The desktops the tests run the viewer on, without what they recommend (mutter alone would
# bring most of GNOME).
REZERIVOVE_DESKTOP_PACKAGES=(mutter kwin-wayland sway weston i3-wm xwayland foot)

missing_packages() {
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      echo "$package"
    fi
  done
}

# With --desktops, the desktops the tests need too.
install_missing_packages() {
  local missing desktops=()
  mapfile -t missing < <(missing_packages "${REZERIVOVE_PACKAGES[@]}")
  if [ "${1:-}" = "--desktops" ]; then
    mapfile -t desktops < <(missing_packages "${REZERIVOVE_DESKTOP_PACKAGES[@]}")
  fi
  if [ "${#missing[@]}" -eq 0 ] && [ "${#desktops[@]}" -eq 0 ]; then
    return 0
  fi
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]} ${desktops[*]}"
  "${sudo[@]}" apt-get update -q
  if [ "${#missing[@]}" -gt 0 ]; then
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
  fi
  if [ "${#desktops[@]}" -gt 0 ]; then
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
      --no-install-recommends "${desktops[@]}"
  fi
}
