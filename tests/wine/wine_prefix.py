"""The Windows build under Wine: a fresh prefix on an Xvfb of its own, the test player installed
where VLC installs itself."""
import os
import shutil
import subprocess
import tempfile

from viewer import XServer, player_logs

WINDOWS_BUILD = os.environ.get("REZERIVOVE_WINDOWS_BUILD", "build/windows")
VIEWER_EXE = os.path.join(WINDOWS_BUILD, "rezerivove.exe")
TEST_PLAYER_EXE = os.path.join(WINDOWS_BUILD, "tests", "player", "vlc.exe")
KEY_INJECTOR_EXE = os.path.join(WINDOWS_BUILD, "tests", "key_injector.exe")
PLAYER_DIRS = {"64": "Program Files/VideoLAN/VLC", "x86": "Program Files (x86)/VideoLAN/VLC"}


def windows_path(unix_path):
    """The same file as Wine's Z: drive names it."""
    return "Z:" + os.path.abspath(unix_path).replace("/", "\\")


class WinePrefix:
    def __init__(self):
        self.server = XServer()
        self.dir = tempfile.mkdtemp(prefix="rezerivove-wine-")
        self.prefix = os.path.join(self.dir, "prefix")
        self.log_dir = os.path.join(self.dir, "players")
        os.mkdir(self.log_dir)
        self.env = dict(os.environ, WINEPREFIX=self.prefix, WINEDEBUG="-all",
                        WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d",
                        DISPLAY=self.server.display,
                        TEST_PLAYER_LOG_DIR=windows_path(self.log_dir))
        subprocess.run(["wineboot", "-i"], env=self.env, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, timeout=120, check=True)

    def drive_c(self, path):
        return os.path.join(self.prefix, "drive_c", path)

    def install_player(self, where="64"):
        """The test player as vlc.exe in one of the places VLC installs itself, and only there."""
        for directory in PLAYER_DIRS.values():
            shutil.rmtree(self.drive_c(directory), ignore_errors=True)
        if where is not None:
            os.makedirs(self.drive_c(PLAYER_DIRS[where]))
            shutil.copy(TEST_PLAYER_EXE, self.drive_c(PLAYER_DIRS[where] + "/vlc.exe"))

    def start(self, args, env=None, prefix=None):
        return subprocess.Popen((prefix or []) + ["wine", os.path.abspath(VIEWER_EXE)] + list(args),
                                env=dict(self.env, **(env or {})), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

    def start_in_console(self, args, env=None):
        """The viewer in a console window of its own (wineconsole), started as rezerivove.exe
        from its folder; its exit code is wineconsole's."""
        return subprocess.Popen(["wineconsole", "rezerivove.exe"] + list(args),
                                env=dict(self.env, **(env or {})),
                                cwd=os.path.abspath(WINDOWS_BUILD), stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def inject(self, *keys):
        """Types keys into the viewer's console; "--screen" returns the console's text,
        "--foreground" the foreground window's title."""
        result = subprocess.run(["wine", os.path.abspath(KEY_INJECTOR_EXE), "rezerivove.exe"] +
                                list(keys), env=self.env, capture_output=True, timeout=60)
        return result.returncode, result.stdout.decode(errors="replace")

    def player_logs(self, base):
        """Player number -> log lines without their times."""
        return player_logs(self.log_dir, base)

    def running_players(self, port=None):
        """Unix process ids of the players still running in this prefix; with `port`, of those
        playing that stream."""
        running = []
        for entry in os.listdir("/proc"):
            if not entry.isdigit():
                continue
            try:
                # NOTE: Wine shows a process the command line it was given, which for a player is
                # its options and stream alone: the program is given apart from it.
                with open(f"/proc/{entry}/cmdline", "rb") as cmdline:
                    line = cmdline.read().rstrip(b"\0")
                    if b"--qt-minimal-view" not in line or (port is not None and
                                                            not line.endswith(b":%d" % port)):
                        continue
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    if b"WINEPREFIX=" + self.prefix.encode() + b"\0" in environ.read():
                        running.append(int(entry))
            except OSError:
                pass
        return running

    def clear_logs(self):
        for name in os.listdir(self.log_dir):
            os.remove(os.path.join(self.log_dir, name))

    def close(self):
        subprocess.run(["wineserver", "-k"], env=self.env, timeout=30)
        self.server.close()
        shutil.rmtree(self.dir, ignore_errors=True)
