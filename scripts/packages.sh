# Sourced by scripts/test and scripts/demo: installs with apt-get the Debian packages the build,
# the tests and the demo need, when any is missing.

REZERIVOVE_PACKAGES=(
  build-essential cmake ninja-build pkg-config libx11-dev libgtest-dev libbenchmark-dev
  python3 python3-pytest xvfb openbox xterm xdotool x11-utils imagemagick ffmpeg vlc
  g++-mingw-w64-x86-64 wine64 tmux iproute2 util-linux fonts-dejavu-core clang-14 libclang-rt-14-dev
  clang-tidy cppcheck xfwm4 metacity icewm dbus-daemon libxtst-dev icoutils x11-xserver-utils
  mmdebstrap
)
# The arm64 build for Raspberry Pi OS, and the emulator its tests run under.
REZERIVOVE_ARM64_PACKAGES=(
  g++-aarch64-linux-gnu qemu-user qemu-user-static libx11-dev:arm64 libgtest-dev:arm64
  libgmock-dev:arm64 libstdc++6:arm64
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

# With --desktops, the desktops the tests need too; with --arm64, the arm64 build's.
install_missing_packages() {
  local missing desktops=() option
  mapfile -t missing < <(missing_packages "${REZERIVOVE_PACKAGES[@]}")
  for option in "$@"; do
    case "$option" in
      --desktops) mapfile -t desktops < <(missing_packages "${REZERIVOVE_DESKTOP_PACKAGES[@]}") ;;
      --arm64) mapfile -t -O "${#missing[@]}" missing < <(
                 missing_packages "${REZERIVOVE_ARM64_PACKAGES[@]}") ;;
    esac
  done
  if [ "${#missing[@]}" -eq 0 ] && [ "${#desktops[@]}" -eq 0 ]; then
    return 0
  fi
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]} ${desktops[*]}"
  # The arm64 libraries come from the same mirror once dpkg takes that architecture.
  if printf '%s\n' "${missing[@]}" | grep -q ':arm64$' &&
      ! dpkg --print-foreign-architectures | grep -qx arm64; then
    "${sudo[@]}" dpkg --add-architecture arm64
  fi
  "${sudo[@]}" apt-get update -q
  if [ "${#missing[@]}" -gt 0 ]; then
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
  fi
  if [ "${#desktops[@]}" -gt 0 ]; then
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
      --no-install-recommends "${desktops[@]}"
  fi
}
