#!/usr/bin/env python3
"""Ctrl+C in the terminal (SIGINT), a closed terminal (SIGHUP) and a polite kill (SIGTERM) each
close the desktop program's window normally, a modal dialog open or not: it ends with status 0 and
writes its settings file. Run on a display with a window manager."""

import os
import signal
import subprocess
import sys
import tempfile
import time

# The help menu is the last: F10 opens the first menu and Left wraps round to it.
HELP_MENU = ["F10", "Left", "Down"]
CASES = [  # the signal, the keys opening a dialog from the window, and that dialog's title
    (signal.SIGINT, [], None),
    (signal.SIGHUP, [], None),
    (signal.SIGTERM, [], None),
    (signal.SIGTERM, HELP_MENU + ["Return"], "关于rarad"),
    (signal.SIGINT, HELP_MENU + ["Down", "Return"], "zadazud ?"),
]


def window_of(pid, title):
    """The window titled `title` of process `pid`, or None."""
    found = subprocess.run(
        ["xdotool", "search", "--onlyvisible", "--pid", str(pid), "--name", f"^{title}$"],
        capture_output=True, text=True)
    return (found.stdout.split() or [None])[0]


def wait_for_window(pid, title):
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        window = window_of(pid, title)
        if window:
            return window
        time.sleep(0.1)
    return None


def main(program):
    for number, keys, dialog in CASES:
        with tempfile.TemporaryDirectory() as directory:
            tamblor = subprocess.Popen([program], cwd=directory)
            frame = wait_for_window(tamblor.pid, "zadazud")
            if not frame:
                tamblor.kill()
                sys.exit("signals test: the window never opened")
            if dialog:
                subprocess.run(["xdotool", "windowactivate", "--sync", frame], check=True)
                for key in keys:
                    subprocess.run(["xdotool", "key", key], check=True)
                    time.sleep(0.2)
                if not wait_for_window(tamblor.pid, dialog):
                    tamblor.kill()
                    sys.exit(f"signals test: the dialog {dialog} never opened")
            tamblor.send_signal(number)
            try:
                status = tamblor.wait(20)
            except subprocess.TimeoutExpired:
                tamblor.kill()
                sys.exit(f"signals test: {number.name} with {dialog} open left the program running")
            saved = os.path.exists(os.path.join(directory, "Tamblor.dat"))
            if status != 0 or not saved:
                sys.exit(f"signals test: {number.name} with {dialog} open: status {status}, "
                         f"settings saved: {saved}")
    print("signals test: SIGINT, SIGHUP and SIGTERM each closed the window and saved, "
          "a dialog open or not")


if __name__ == "__main__":
    main(sys.argv[1])
