#!/usr/bin/python3
"""Each window's objects named, with a role, no two controls alike; the main flows driven through them.

    atspi_walk.py PROGRAM DATA_FOLDER
"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

PROGRAM, DATA = sys.argv[1], sys.argv[2]
problems = []
CONTROLS = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_COMBO_BOX,
            pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE,
            pyatspi.ROLE_TREE, pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_PAGE_TAB_LIST,
            pyatspi.ROLE_SLIDER, pyatspi.ROLE_PROGRESS_BAR, pyatspi.ROLE_CHART, pyatspi.ROLE_IMAGE,
            pyatspi.ROLE_LIST_BOX}


def wait_for(what, find, timeout=30.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # an object that went away while it was read
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise SystemExit(f"atspi_walk: no {what} after {timeout} s")


def children(acc):
    try:
        count = acc.childCount
    except Exception:
        return []
    # A table's cells are its rows' business; a few are enough to read.
    if acc.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX):
        count = min(count, 40)
    out = []
    for i in range(count):
        try:
            child = acc.getChildAtIndex(i)
        except Exception:
            child = None
        if child is not None:
            out.append(child)
    return out


def walk(acc, depth=0):
    yield acc, depth
    for child in children(acc):
        yield from walk(child, depth + 1)


def states(acc):
    try:
        return acc.getState()
    except Exception:
        return None


def showing(acc):
    s = states(acc)
    return s is not None and s.contains(pyatspi.STATE_SHOWING)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        if app.name == os.path.basename(PROGRAM):
            return app
    return None


def window(title_part, role=None):
    app = application()
    for w in children(app) if app else []:
        if title_part in (w.name or "") and showing(w) and (role is None or w.getRole() == role):
            return w
    return None


def find(root, role, name=None, where=lambda a: True):
    for acc, _ in walk(root):
        try:
            if acc.getRole() == role and (name is None or acc.name == name) and where(acc):
                return acc
        except Exception:
            continue
    return None


def press(acc, action_names=("Press", "press", "click", "Toggle", "toggle"), opens_modal=False):
    actions = acc.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) in action_names:
            if not opens_modal:
                actions.doAction(i)
                return
            # A command that opens a waiting window answers only when it closes: look for the window.
            pyatspi.setTimeout(1000, 15000)
            try:
                actions.doAction(i)
            except GLib.GError:
                pass
            finally:
                pyatspi.setTimeout(25000, 15000)
            return
    raise SystemExit(f"atspi_walk: {acc.name!r} has no press action "
                     f"({[actions.getName(i) for i in range(actions.nActions)]})")


def text_of(acc):
    t = acc.queryText()
    return t.getText(0, t.characterCount)


def menu_item(menu, item):
    frame = wait_for("main window", lambda: window("Tallywright", pyatspi.ROLE_FRAME))
    bar = find(frame, pyatspi.ROLE_MENU_BAR)
    top = find(bar, pyatspi.ROLE_MENU_ITEM, menu) or find(bar, pyatspi.ROLE_MENU, menu)
    if top is None:
        raise SystemExit(f"atspi_walk: no menu {menu!r}")
    found = find(top, pyatspi.ROLE_MENU_ITEM, item)
    if found is None:
        raise SystemExit(f"atspi_walk: no item {item!r} in {menu!r}")
    press(found, opens_modal=True)


def check_window(win, label):
    """Every focusable object named and with a role; no two controls share a name."""
    seen = {}
    for acc, _ in walk(win):
        s = states(acc)
        if s is None or not s.contains(pyatspi.STATE_SHOWING):
            continue
        role = acc.getRole()
        parent = acc.parent
        inside_combo = parent is not None and parent.getRole() == pyatspi.ROLE_COMBO_BOX
        if s.contains(pyatspi.STATE_FOCUSABLE) and role not in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM,
                                                                pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB):
            if not (acc.name or "").strip():
                problems.append(f"{label}: a focusable {acc.getRoleName()} has no name")
            if role in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID):
                problems.append(f"{label}: {acc.name!r} has no role")
        if role in CONTROLS and not inside_combo and (acc.name or "").strip():
            seen.setdefault(acc.name, []).append(acc.getRoleName())
    for name, roles in seen.items():
        if len(roles) > 1:
            problems.append(f"{label}: {len(roles)} controls named {name!r} ({', '.join(roles)})")


def default_button(dialog):
    return find(dialog, pyatspi.ROLE_PUSH_BUTTON, where=lambda a: states(a).contains(pyatspi.STATE_IS_DEFAULT))


def start_program():
    proc = subprocess.Popen([PROGRAM], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    wait_for("main window", lambda: window("Tallywright", pyatspi.ROLE_FRAME), 90)
    return proc


def report_lines():
    try:
        with open(os.path.join(DATA, "projrpt.pro"), encoding="utf-8", errors="replace") as f:
            return [line for line in f.read().splitlines() if line]
    except FileNotFoundError:
        return []


def main():
    proc = start_program()
    main_window = window("Tallywright", pyatspi.ROLE_FRAME)
    check_window(main_window, "main window")

    # Start and end a stretch with the buttons' actions.
    before = len(report_lines())
    start = wait_for("Start Project", lambda: find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Start Project"))
    press(start)
    start_box = find(main_window, pyatspi.ROLE_TEXT, "Start time")
    if start_box is None:
        problems.append("main window: no text named 'Start time'")
    else:
        wait_for("a start time", lambda: text_of(start_box))
    time.sleep(1.2)
    press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "EndProject"))
    wait_for("the stretch recorded", lambda: len(report_lines()) > before)
    elapsed = find(main_window, pyatspi.ROLE_LABEL, "Time on project")
    if elapsed is None or not text_of(elapsed):
        problems.append("main window: the time on project cannot be read")

    # The report, and an entry edited in its editor.
    menu_item("Report", "View Report")
    report = wait_for("report window", lambda: window("Date being displayed", pyatspi.ROLE_DIALOG))
    check_window(report, "report window")
    table = next((t for t in (find(report, role, "Entries of the day")
                              for role in (pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE)) if t), None)
    if table is None:
        problems.append("report window: no table named 'Entries of the day'")
    else:
        cells = [c for c in children(table) if c.getRole() in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TREE_ITEM)]
        if not any("," in (c.name or "") and " to " in (c.name or "") for c in cells):
            problems.append("report window: no row reads as a sentence: "
                            + repr([c.name for c in cells[:6]]))
    press(find(report, pyatspi.ROLE_PUSH_BUTTON, "Edit Entry..."))
    editor = wait_for("entry editor", lambda: window("Report Edit", pyatspi.ROLE_DIALOG))
    check_window(editor, "entry editor")
    comment = find(editor, pyatspi.ROLE_TEXT, "Comment")
    comment.queryEditableText().setTextContents("edited through the accessibility tree")
    press(find(editor, pyatspi.ROLE_PUSH_BUTTON, "Save"))
    wait_for("the entry saved",
             lambda: any(line.endswith("edited through the accessibility tree") for line in report_lines()))
    report = wait_for("report window again", lambda: window("Date being displayed", pyatspi.ROLE_DIALOG))
    press(find(report, pyatspi.ROLE_PUSH_BUTTON, "Close"))
    wait_for("report window closed", lambda: not window("Date being displayed"))

    # A summary exported through the file dialog.
    menu_item("Report", "Summary...")
    summary = wait_for("Summary", lambda: window("Summary", pyatspi.ROLE_DIALOG))
    check_window(summary, "Summary")
    chart = find(summary, pyatspi.ROLE_CHART) or find(summary, pyatspi.ROLE_IMAGE, "Chart of the period") or \
        find(summary, pyatspi.ROLE_FILLER, "Chart of the period") or find(summary, pyatspi.ROLE_PANEL, "Chart of the period")
    if chart is None or "Totals per project" not in (chart.description or ""):
        problems.append("Summary: the chart names no text equivalent")
    press(find(summary, pyatspi.ROLE_PUSH_BUTTON, "Export..."))
    dialog = wait_for("export dialog", lambda: window("Export Summary"))
    target = os.path.join(DATA, "exported.csv")
    name_box = find(dialog, pyatspi.ROLE_TEXT, where=lambda a: "name" in (a.name or "").lower())
    name_box.queryEditableText().setTextContents(target)
    press(find(dialog, pyatspi.ROLE_PUSH_BUTTON, "Save"))
    wait_for("the summary exported", lambda: os.path.exists(target))
    press(find(summary, pyatspi.ROLE_PUSH_BUTTON, "Close"))

    # The Import window and Preferences, read and cancelled.
    menu_item("Report", "Import...")
    importer = wait_for("Import", lambda: window("Import", pyatspi.ROLE_DIALOG))
    check_window(importer, "Import")
    press(find(importer, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))
    menu_item("Option", "Preferences...")
    preferences = wait_for("Preferences", lambda: window("Preferences", pyatspi.ROLE_DIALOG))
    check_window(preferences, "Preferences")
    press(find(preferences, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))

    # A question: announced as an alert, its default button named.
    menu_item("Report", "Clear Report")
    question = wait_for("Clear Report's question", lambda: window("Delete Reports"))
    check_window(question, "Clear Report's question")
    if question.getRole() not in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG):
        problems.append(f"Clear Report's question is a {question.getRoleName()}")
    button = default_button(question)
    if button is None or not button.name:
        problems.append("Clear Report's question has no named default button")
    press(find(question, pyatspi.ROLE_PUSH_BUTTON, "Cancel"))

    # The start-up question after a crash: Keep Running is its default.
    press(find(main_window, pyatspi.ROLE_PUSH_BUTTON, "Start Project"))
    wait_for("the running stretch saved", lambda: os.path.exists(os.path.join(DATA, "projrpt.run")))
    time.sleep(0.5)
    proc.kill()
    proc.wait(10)
    proc = subprocess.Popen([PROGRAM], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    offer = wait_for("the start-up question", lambda: next(
        (w for w in children(application()) if showing(w) and find(w, pyatspi.ROLE_PUSH_BUTTON, "Keep Running")),
        None), 60)
    check_window(offer, "the start-up question")
    button = default_button(offer)
    if button is None or button.name != "Keep Running":
        problems.append("the start-up question's default button is not Keep Running")
    press(find(offer, pyatspi.ROLE_PUSH_BUTTON, "Keep Running"))
    main_window = wait_for("main window", lambda: window("Tallywright", pyatspi.ROLE_FRAME))
    before = len(report_lines())
    press(wait_for("EndProject", lambda: find(main_window, pyatspi.ROLE_PUSH_BUTTON, "EndProject")))
    wait_for("the kept stretch recorded", lambda: len(report_lines()) > before)

    proc.terminate()
    proc.wait(10)
    for p in problems:
        print("atspi_walk:", p)
    print(f"atspi_walk: {'FAILED' if problems else 'passed'}: 7 windows walked, 5 flows done, "
          f"{len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
