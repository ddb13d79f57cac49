# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running game over AT-SPI as a screen reader does: finds the
solution grid as a table with headers, then presses Down and expects the
focus to follow the cursor to the cell below, with a focus event."""
import sys
import time

import pyatspi
from gi.repository import GLib

DOWN = 0xFF54  # the X keysym of the Down arrow


def fail(message):
    print("screen reader:", message)
    sys.exit(1)


def find(node, wanted, depth=0):
    if node is None or depth > 8:
        return None
    if wanted(node):
        return node
    for child in node:
        hit = find(child, wanted, depth + 1)
        if hit:
            return hit
    return None


def wait_for(look, what, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        found = look()
        if found is not None:
            return found
        time.sleep(0.1)
    fail("no " + what)


def focused_cells(grid):
    return [i for i in range(100) if grid.getChildAtIndex(i).getState().contains(pyatspi.STATE_FOCUSED)]


desktop = pyatspi.Registry.getDesktop(0)
app = wait_for(lambda: next((a for a in desktop if a is not None and a.name == "Glyphmatic"), None), "game")
grid = wait_for(lambda: find(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE), "table")
if grid.name != "Solution grid":
    fail("the table is named %r" % grid.name)
table = grid.queryTable()
if (table.nRows, table.nColumns) != (10, 10):
    fail("the table has %d rows and %d columns" % (table.nRows, table.nColumns))

symbols = [table.getRowHeader(row).name for row in range(10)]
if len(set(symbols)) != 10 or any(not name or name.startswith("Symbol") for name in symbols):
    fail("the rows are headed %r" % symbols)
for row in range(10):
    for column in range(10):
        cell = table.getAccessibleAt(row, column)
        if cell.getRole() != pyatspi.ROLE_TABLE_CELL or cell.getIndexInParent() != 10 * row + column:
            fail("cell %d,%d is a %s at %d" % (row, column, cell.getRoleName(), cell.getIndexInParent()))
        if not cell.name.startswith("%s, digit %d: " % (symbols[row], column)):
            fail("cell %d,%d is named %r" % (row, column, cell.name))
if [table.getColumnHeader(c).name for c in range(10)] != ["Digit %d" % c for c in range(10)]:
    fail("the columns are headed otherwise")

start = wait_for(lambda: (focused_cells(grid) or [None])[0], "focused cell")
focus_events = []
pyatspi.Registry.registerEventListener(
    lambda event: focus_events.append(event.source.getIndexInParent())
    if event.source.getRole() == pyatspi.ROLE_TABLE_CELL else None, "focus:")
GLib.timeout_add(300, lambda: pyatspi.Registry.generateKeyboardEvent(DOWN, None, pyatspi.KEY_SYM) and False)
GLib.timeout_add(3000, lambda: pyatspi.Registry.stop())
pyatspi.Registry.start()

below = start + 10
if below not in focus_events:
    fail("after Down from cell %d the focus events named %r" % (start, focus_events))
if focused_cells(grid) != [below]:
    fail("after Down the focused cells are %r" % focused_cells(grid))
print("screen reader: the grid reads as a table of %d rows and the focus followed Down from cell %d to %d"
      % (table.nRows, start, below))
