#!/usr/bin/python3
"""Drives the running main window through AT-SPI alone, as a screen reader's
user would: loads the sample, starts the analysis, ticks every result with
the rows' own action, copies the results. Checks the roles, names and states
a reader sees, and the events it speaks from: the notices and the analysis's
end as notifications, each tick as a state change, the current row on entry.
Usage: accessibility.py  (exit 0 passed, 1 failed, 77 no pyatspi)"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as missing:
    print(f"SKIP: pyatspi is not installed ({missing})")
    sys.exit(77)

failures = []
events = []  # (type, role name, object name, detail1)


def check(ok, what):
    if not ok:
        failures.append(what)
        print(f"FAIL: {what}", file=sys.stderr)
    return ok


def pump(seconds):
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def on_event(event):
    try:
        source = event.source
        events.append((event.type, source.getRoleName(), source.name or "", event.detail1))
    except Exception:  # an object gone by the time it is read
        pass


def wait_for(predicate, seconds=10):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.1)
        found = predicate()
        if found:
            return found
    return None


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and (app.name or "").lower() == "tallowmere":
            return app
    return None


def descendants(obj):
    for child in obj:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, name):
    for obj in descendants(root):
        if obj.getRoleName() == role and obj.name == name:
            return obj
    return None


def act(obj, action_name):
    action = obj.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == action_name:
            return action.doAction(i)
    check(False, f"{obj.getRoleName()} '{obj.name}' has no action {action_name}")
    return False


def press(window, caption):
    button = find(window, "push button", caption)
    if check(button is not None, f"no push button '{caption}'"):
        act(button, "Press")


def events_of(kind, role=None, contains=""):
    return [e for e in events if e[0].startswith(kind) and (role is None or e[1] == role) and contains in e[2]]


def check_frame(app):
    window = wait_for(lambda: next((w for w in app if w is not None and w.name == "Tallowmere"), None))
    if not check(window is not None, "no window named Tallowmere"):
        return None
    check(window.getRoleName() == "frame", f"the main window is a '{window.getRoleName()}', not a frame")
    return window


def check_announced(contains, what):
    found = wait_for(lambda: events_of("object:state-changed:showing", "notification", contains))
    check(found, f"{what} was not announced (no notification showing '{contains}')")


def list_items(results):
    return [row for row in results if row is not None and row.getRoleName() == "check box"]


def bridge_tells_checkable(window):
    """Whether the toolkit's bridge carries "checkable" at all: Qt 6.4's does
    not, not even for a plain check box."""
    box = find(window, "check box", "Show all decimals")
    return box is not None and box.getState().contains(pyatspi.STATE_CHECKABLE)


def check_rows(results, ticked, checkable):
    rows = list_items(results)
    check(len(rows) >= 12, f"the results list shows {len(rows)} rows to tick, not 12 or more")
    said = "Ticked" if ticked else "Not ticked"
    for row in rows:
        states = row.getState()
        if checkable:
            check(states.contains(pyatspi.STATE_CHECKABLE), f"row '{row.name}' is not checkable")
        check(states.contains(pyatspi.STATE_CHECKED) == ticked, f"row '{row.name}' checked is not {ticked}")
        check(row.description == said, f"row '{row.name}' is described '{row.description}', not '{said}'")
    return rows


def tick_all(rows):
    for row in rows:
        act(row, "Toggle")
    changes = wait_for(lambda: len(events_of("object:state-changed:checked", "check box")) >= len(rows) or None)
    check(changes, f"{len(events_of('object:state-changed:checked', 'check box'))} tick events for {len(rows)} rows")


def focus_window():
    """Without a window manager no window is active, and no widget takes the
    focus: the X focus is given to the program's window first."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Tallowmere$"],
                           capture_output=True, text=True).stdout.split()
    if check(found, "xdotool finds no window titled Tallowmere"):
        subprocess.run(["xdotool", "windowfocus", "--sync", found[-1]], check=False)
        pump(0.3)


def check_current_row_on_entry(results):
    focus_window()
    before = len(events)
    results.queryComponent().grabFocus()
    spoken = wait_for(lambda: [e for e in events[before:] if e[0].startswith("focus") and e[1] == "check box"])
    check(spoken, "focusing the results list gave no focus event on its current row")


def check_row_focus(rows):
    """A row's SetFocus makes it current; the view's own focus event must
    name that row, not another."""
    for index in (4, 0, len(rows) - 1):
        before = len(events)
        act(rows[index], "SetFocus")
        found = wait_for(lambda: [e for e in events[before:] if e[0].startswith("focus") and e[1] == "check box"], 3)
        check(found and found[-1][2] == rows[index].name,
              f"focusing row {index} ('{rows[index].name}') spoke {found[-1][2] if found else 'nothing'}")


def confirm_copy(app):
    """The copy's confirmation is an alert a reader finds and closes."""
    def alert():
        try:
            return next((w for w in app if w is not None and w.getRoleName() == "alert"), None)
        except GLib.GError:  # a window gone while the list was read
            return None
    box = wait_for(alert, 5)
    if not check(box is not None, "Copy Results To Clipboard showed no alert"):
        return
    said = [o.name for o in descendants(box) if o.getRoleName() == "label"]
    check(any("copied to the clipboard" in text for text in said), f"the alert says {said}")
    ok = find(box, "push button", "OK")
    if check(ok is not None, "the alert has no OK button"):
        act(ok, "Press")
        check(wait_for(lambda: alert() is None, 5), "OK left the alert open")


def check_distribution_window(app):
    """Ctrl+D (a key, as the window has no other way there yet) opens the
    distribution window: a frame, its picture an image with a description."""
    focus_window()
    subprocess.run(["xdotool", "key", "ctrl+d"], check=False)
    title = "Distribution \u2014 Tallowmere"
    window = wait_for(lambda: next((w for w in app if w is not None and w.name == title), None))
    if not check(window is not None, f"Ctrl+D opened no window named '{title}' "):
        return
    check(window.getRoleName() == "frame", f"the distribution window is a '{window.getRoleName()}', not a frame")
    picture = find(window, "image", "Distribution picture")
    if check(picture is not None, "the distribution window has no image named 'Distribution picture'"):
        check(picture.description != "", "the distribution picture has no description")


def check_key_bindings(window):
    """The buttons' mnemonics come with the menu bar: checked once it is there."""
    if find_role(window, "menu bar") is None:
        print("NOTE: no menu bar yet, the buttons' key bindings are not checked")
        return
    for button in (o for o in descendants(window) if o.getRoleName() == "push button"):
        action = button.queryAction()
        keys = [action.getKeyBinding(i) for i in range(action.nActions)]
        check(any(keys), f"push button '{button.name}' has no key binding")


def find_role(root, role):
    return next((o for o in descendants(root) if o.getRoleName() == role), None)


def main():
    for kind in ("object:state-changed:checked", "object:state-changed:showing", "focus:",
                 "object:property-change:accessible-name"):
        pyatspi.Registry.registerEventListener(on_event, kind)
    # Listening: the program may start now (accessibility.sh waits for this).
    pump(0.2)
    ready = os.environ.get("ready")
    if ready:
        open(ready, "w").close()
    app = wait_for(program, 30)
    if not check(app is not None, "the program is not on the AT-SPI bus"):
        return 1
    window = check_frame(app)
    if window is None:
        return 1
    results = find(window, "list", "Results list")
    check(results is not None, "no list named 'Results list'")
    press(window, "Load Sample/Example Numbers")
    check_announced("Added the", "the sample's notice")
    press(window, "Start Analysis")
    check_announced("Analysis finished", "the end of the analysis")
    if results is None:
        return 1
    wait_for(lambda: len(list_items(results)) >= 12)
    checkable = bridge_tells_checkable(window)
    if not checkable:
        print("NOTE: this toolkit's AT-SPI bridge tells no object checkable; rows are checked for the rest")
    rows = check_rows(results, ticked=False, checkable=checkable)
    if rows:
        tick_all(rows)
        check_rows(results, ticked=True, checkable=checkable)
    check_current_row_on_entry(results)
    if rows:
        check_row_focus(rows)
    press(window, "Copy Results To Clipboard")
    confirm_copy(app)
    copied = subprocess.run(["xclip", "-o", "-selection", "clipboard"], capture_output=True, text=True).stdout
    check("The number of entries is" in copied, "Copy Results To Clipboard put no result rows on the clipboard")
    check_distribution_window(app)
    check_key_bindings(window)
    if failures:
        return 1
    print(f"PASS: {len(rows or [])} rows ticked through AT-SPI, {len(events)} events")
    return 0


sys.exit(main())
