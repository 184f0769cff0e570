"""The packages an installer gets: the .deb and the Windows .zip, from scripts/package."""
import glob
import os
import subprocess
import tempfile
import zipfile

import pytest

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
PACKAGES = os.path.join(ROOT, "build", "packages")


@pytest.fixture(scope="module")
def packages():
    for old in glob.glob(os.path.join(PACKAGES, "*.deb")) + glob.glob(os.path.join(PACKAGES, "*.zip")):
        os.remove(old)
    result = subprocess.run([os.path.join(ROOT, "scripts", "package")], cwd=ROOT,
                            capture_output=True, text=True, timeout=900)
    assert result.returncode == 0, result.stdout[-3000:] + result.stderr[-3000:]
    return PACKAGES


# The arm64 package's programs run here under the emulator.
@pytest.mark.parametrize("architecture,emulator", [("amd64", []), ("arm64", ["qemu-aarch64"])])
def test_deb_installs_the_programs_the_manuals_and_the_readme(packages, architecture, emulator):
    debs = glob.glob(os.path.join(packages, f"rezerivove_*_{architecture}.deb"))
    assert len(debs) == 1
    fields = subprocess.run(["dpkg-deb", "-f", debs[0], "Package", "Depends"],
                            capture_output=True, text=True, check=True).stdout
    assert "Package: rezerivove" in fields and "Depends: vlc, libx11-6" in fields
    with tempfile.TemporaryDirectory() as root:
        subprocess.run(["dpkg", "-x", debs[0], root], check=True)
        for path in ("usr/bin/rezerivove", "usr/bin/sourcesim"):
            assert os.access(os.path.join(root, path), os.X_OK), path
        assert os.path.isfile(os.path.join(root, "usr/share/doc/rezerivove/README.md"))
        assert subprocess.run(["dpkg-deb", "-f", debs[0], "Architecture"], capture_output=True,
                              text=True).stdout == f"{architecture}\n"
        help_text = subprocess.run(emulator + [os.path.join(root, "usr/bin/sourcesim"), "--help"],
                                   capture_output=True, text=True).stdout
        assert help_text.startswith("Usage: sourcesim ADDRESS BASEPORT")
        version = subprocess.run(emulator + [os.path.join(root, "usr/bin/sourcesim"), "--version"],
                                 capture_output=True, text=True)
        assert (version.returncode, version.stdout) == (0, "sourcesim 3.20.2\n")
        # Each manual renders without a warning and says what it must.
        for page, says in (("rezerivove.1", "Cannot find VLC"),
                           ("sourcesim.1", "6 The test streams cannot start.")):
            manual = subprocess.run(
                ["man", "--warnings", "-l", os.path.join(root, "usr/share/man/man1", page)],
                capture_output=True, text=True, env=dict(os.environ, MANWIDTH="80"))
            assert manual.returncode == 0 and manual.stderr == "", (page, manual.stderr)
            assert says in " ".join(manual.stdout.split()), page  # as filled and justified


def test_zip_holds_the_windows_programs_and_the_readme(packages):
    zips = glob.glob(os.path.join(packages, "rezerivove-*-windows-x64.zip"))
    assert len(zips) == 1
    names = {os.path.basename(name) for name in zipfile.ZipFile(zips[0]).namelist()}
    assert {"rezerivove.exe", "sourcesim.exe", "README.md"} <= names
