"""Runs the viewer as the terminal's own program and records its exit status.

    console_wrapper.py CODE_FILE VIEWER ARGS...

The viewer must lead the terminal's session, as it does when the terminal starts it directly:
then closing the terminal hangs up on it and it gets SIGHUP. So this wrapper gives the terminal
up, starts the viewer in a new session that takes the terminal, waits for it and writes its exit
status to CODE_FILE."""
import fcntl
import os
import signal
import sys
import termios

code_file, program = sys.argv[1], sys.argv[2]
signal.signal(signal.SIGHUP, signal.SIG_IGN)  # giving the terminal up sends one
fcntl.ioctl(0, termios.TIOCNOTTY)
child = os.fork()
if child == 0:
    signal.signal(signal.SIGHUP, signal.SIG_DFL)
    os.setsid()
    fcntl.ioctl(0, termios.TIOCSCTTY, 0)
    os.execv(program, sys.argv[2:])
_, status = os.waitpid(child, 0)
with open(code_file, "w") as out:
    out.write(f"{os.waitstatus_to_exitcode(status)}\n")
