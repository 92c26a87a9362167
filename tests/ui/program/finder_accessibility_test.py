#!/usr/bin/env python3
"""The finder windows as a screen reader sees them through AT-SPI: opened from the menu, every
input found by its label's name without the colon, a value set in the network window's box fills
the table, readable cell by cell, and the status line says how many rows it holds. Run inside a
private D-Bus session (dbus-run-session) on a display, with the accessibility bridge on."""

import sys

import pyatspi

from atspi_program import by, running, table_rows, wait_for

NETWORK_INPUTS = ["所需值", "最小值", "最大值", "排除", "结果数", "容差 (%)", "排序", "最多元件数"]
DIVIDER_INPUTS = ["分压比", "参考电压 (V)", "每臂元件数", "总阻值最小值", "总阻值最大值"]
CHECK_BOXES = ["E3", "E6", "E12", "E24", "E48", "E96", "E192"]
FIRST_ROWS = [
    ["1", "300R", "300R", "+3.8062", "285R .. 315R", "+8.9965"],
    ["1", "270R", "270R", "-6.5744", "256R5 .. 283R5", "+11.2457"],
]
INPUT_ROLES = {pyatspi.ROLE_TEXT, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX}


def window(app, title):
    return next((w for w in app if w is not None and w.name == title), None)


def open_from_menu(app, entry, title):
    item = wait_for(f"the menu entry {entry}",
                    lambda: by(app, {pyatspi.ROLE_MENU_ITEM}, lambda n: n.name == entry))[0]
    item.queryAction().doAction(0)
    return wait_for(f"the window {title}", lambda: window(app, title))


def expect_named_inputs(found, names, where):
    named = {n.name for n in by(found, INPUT_ROLES)}
    missing = [name for name in names if name not in named]
    if missing:
        sys.exit(f"finder accessibility test: {where} has no input named {missing}; it has {named}")
    boxes = {n.name for n in by(found, {pyatspi.ROLE_CHECK_BOX})}
    if not set(CHECK_BOXES) <= boxes:
        sys.exit(f"finder accessibility test: {where} has the check boxes {boxes}")


def main(program):
    with running(program) as (tamblor, app):
        network = open_from_menu(app, "电阻网络...", "电阻网络")
        expect_named_inputs(network, NETWORK_INPUTS, "the network window")
        box = by(network, {pyatspi.ROLE_TEXT}, lambda n: n.name == "所需值")[0]
        box.queryEditableText().setTextContents("289")

        def rows():
            tables = by(network, {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE})
            if not tables:
                return None
            read = table_rows(tables[0])
            return read if read[:2] == FIRST_ROWS and len(read) == 9 else None
        wait_for(f"the rows {FIRST_ROWS}", rows, 10)
        wait_for("the status line", lambda: by(
            network, {pyatspi.ROLE_LABEL}, lambda n: n.name == "9 个结果"), 5)

        divider = open_from_menu(app, "分压器...", "分压器")
        expect_named_inputs(divider, DIVIDER_INPUTS, "the divider window")
        with open(f"/proc/{tamblor.pid}/status") as status:
            peak = next(line.split(":")[1].strip() for line in status if line.startswith("VmHWM"))
        print(f"finder accessibility test: peak memory with both windows open {peak}")
    print("finder accessibility test: both windows' inputs named, 9 network rows read")

if __name__ == "__main__":
    main(sys.argv[1])
