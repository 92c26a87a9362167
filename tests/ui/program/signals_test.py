#!/usr/bin/env python3
"""Ctrl+C in the terminal (SIGINT), a closed terminal (SIGHUP) and a polite kill (SIGTERM) each
close the desktop program's window normally: it ends with status 0 and writes its settings file.
Run on a display with a window manager."""

import os
import signal
import subprocess
import sys
import tempfile
import time


def window_of(pid):
    """Whether the window manager lists a window of process `pid`."""
    clients = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST"], capture_output=True, text=True)
    for window in clients.stdout.partition("#")[2].replace(",", " ").split():
        owner = subprocess.run(["xprop", "-id", window, "_NET_WM_PID"], capture_output=True,
                               text=True)
        if owner.stdout.strip().endswith(f"= {pid}"):
            return True
    return False


def main(program):
    for number in (signal.SIGINT, signal.SIGHUP, signal.SIGTERM):
        with tempfile.TemporaryDirectory() as directory:
            tamblor = subprocess.Popen([program], cwd=directory)
            deadline = time.monotonic() + 20
            while not window_of(tamblor.pid) and time.monotonic() < deadline:
                time.sleep(0.1)
            tamblor.send_signal(number)
            try:
                status = tamblor.wait(20)
            except subprocess.TimeoutExpired:
                tamblor.kill()
                sys.exit(f"signals test: {number.name} left the program running")
            saved = os.path.exists(os.path.join(directory, "Tamblor.dat"))
            if status != 0 or not saved:
                sys.exit(f"signals test: {number.name}: status {status}, settings saved: {saved}")
    print("signals test: SIGINT, SIGHUP and SIGTERM each closed the window and saved")


if __name__ == "__main__":
    main(sys.argv[1])
