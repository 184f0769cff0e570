# Cross build for 64-bit ARM Linux (Raspberry Pi OS, 64-bit) with Debian's cross toolchain and
# the arm64 libraries of a multiarch install (dpkg --add-architecture arm64).
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# The arm64 programs run here through the emulator (no binfmt registration on these machines).
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64)
