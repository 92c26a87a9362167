"""The desktop program started for a screen-reader test, and the AT-SPI lookups the tests share."""

import contextlib
import signal
import subprocess
import sys
import tempfile
import time

import pyatspi


def wait_for(what, find, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"{what} never appeared")


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def by(node, roles, test=lambda node: True):
    return [n for n in descendants(node) if n.getRole() in roles and test(n)]


def table_rows(table):
    table = table.queryTable()
    return [[table.getAccessibleAt(row, column).name for column in range(table.nColumns)]
            for row in range(table.nRows)]


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


@contextlib.contextmanager
def running(program):
    """The program's application object while it runs in an empty folder; it must end with
    status 0 on SIGTERM."""
    with tempfile.TemporaryDirectory() as directory:
        tamblor = subprocess.Popen([program], cwd=directory)
        try:
            yield tamblor, wait_for("the program", lambda: application(tamblor.pid))
        finally:
            tamblor.send_signal(signal.SIGTERM)
            status = tamblor.wait(20)
    if status != 0:
        sys.exit(f"the program ended with status {status}")
