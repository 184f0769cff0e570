# Sourced by scripts/test and scripts/demo: installs with apt-get the Debian packages the build,
# the tests and the demo need, when any is missing.

REZERIVOVE_PACKAGES=(
  build-essential cmake ninja-build pkg-config libx11-dev libgtest-dev libbenchmark-dev
  python3 python3-pytest xvfb openbox xterm xdotool x11-utils imagemagick ffmpeg vlc
  g++-mingw-w64-x86-64 wine64 tmux iproute2 util-linux fonts-dejavu-core clang-14 libclang-rt-14-dev
  clang-tidy cppcheck xfwm4 metacity icewm dbus-daemon libxtst-dev icoutils
)

install_missing_packages() {
  local missing=() package
  for package in "${REZERIVOVE_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if [ "${#missing[@]}" -eq 0 ]; then
    return 0
  fi
  local sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
}
