#!/usr/bin/env python3
"""The desktop program as a screen reader sees it through AT-SPI: every box is found by its label's
name; after "5k" is calculated, every result field is found by its row and column name with its
value as its text; boxes and fields that have a tooltip take it as their description while
tooltips are on; every line of the match list is readable. Run inside a private D-Bus session (dbus-run-session) on a display, with the
accessibility bridge on (no NO_AT_BRIDGE)."""

import sys

import pyatspi

from atspi_program import by, running, table_rows, wait_for

ROWS = {
    "较低": ["4k994", "5k1", "E24", "240k", "E24", "-0.1224", "in parallel"],
    "最佳": ["5k", "10k", "E24", "10k", "E24", "+0.0000", "in parallel"],
    "较高": ["5k004", "5k6", "E24", "47k", "E24", "+0.0760", "in parallel"],
}
COLUMNS = ["实际", "R1", "R1 系列", "R2", "R2 系列", "% 错误", "连接"]
LIST_LINES = [
    ["R1 (E24) = 10k", "R2 (E24) = 10k", "in parallel"],
    ["R1 (E24) = 1k1", "R2 (E24) = 3k9", "in series"],
    ["R1 (E24) = 7k5", "R2 (E24) = 15k", "in parallel"],
    ["R1 (E24) = 4k7", "R2 (E24) = 300R", "in series"],
    ["R1 (E24) = 2k", "R2 (E24) = 3k", "in series"],
]
TOOLTIPS = {
    "E24最小": "设置E24系列的最低值，常用1R",
    "E24最大": "设置E24系列的最大价值，常用10M",
    "E96最小": "设置E96系列的最低值，常用1R为1％，51R1为0.1％",
    "E96最大": "设置E96系列的最高值，常用1M为1％，1M为0.1％",
    "所需值": "在这里输入所需的电阻",
    "最佳 实际": "最佳匹配的电阻值",
    "最佳 R1": "初级电阻值的最佳匹配",
    "最佳 R2": "E24 微调电阻的最佳匹配值",
    "最佳 % 错误": "最佳的偏差 %",
    "最佳 连接": "是否对电阻串联或并联连接",
}
BOXES = list(TOOLTIPS)[:5]


def main(program):
    with running(program) as (_, app):
        def named_boxes():
            found = {n.name: n for n in by(app, {pyatspi.ROLE_TEXT})}
            return found if sorted(found) == sorted(BOXES) else None
        boxes = wait_for(f"the boxes named {BOXES}", named_boxes)
        boxes["所需值"].queryEditableText().setTextContents("5k")
        button = by(app, {pyatspi.ROLE_PUSH_BUTTON}, lambda n: n.name == "计算")[0]
        button.queryAction().doAction(0)

        names = [f"{row} {column}" for row in ROWS for column in COLUMNS]
        expected = dict(zip(names, (text for texts in ROWS.values() for text in texts)))

        def fields():
            found = {n.name: n.queryText().getText(0, -1)
                     for n in by(app, {pyatspi.ROLE_LABEL}, lambda n: n.name in expected)}
            return found if found == expected else None
        wait_for(f"the fields {expected}", fields, 5)

        def descriptions(tooltips):
            found = {n.name: n.description for n in by(app, {pyatspi.ROLE_LABEL})
                     if n.name in expected}
            found.update((name, box.description) for name, box in boxes.items())
            return found == {name: tooltips.get(name, "") for name in found}
        wait_for(f"the descriptions {TOOLTIPS}", lambda: descriptions(TOOLTIPS), 5)
        tooltips = by(app, {pyatspi.ROLE_CHECK_MENU_ITEM}, lambda n: n.name == "工具")[0]
        tooltips.queryAction().doAction(0)
        wait_for("no descriptions once tooltips are off", lambda: descriptions({}), 5)

        lines = table_rows(by(app, {pyatspi.ROLE_TABLE})[0])
        if lines != LIST_LINES:
            sys.exit(f"accessibility test: the list reads {lines}")
    print("accessibility test: 5 boxes, 21 fields and", len(LIST_LINES), "list lines read")

if __name__ == "__main__":
    main(sys.argv[1])
