#!/usr/bin/python3
"""Reads the running Fernbogen window over the AT-SPI bus as a screen reader does, while real key
presses (xdotool) fill it in, and checks what a screen reader relies on: roles, names, values, text
and the events it speaks from. Runs with the system's Python (pyatspi) in the session and on the
display of a Fernbogen in a German locale (tools/test.d/55-accessibility.sh); prints each failed
check and 'N passed, M failed', and fails when a check failed."""

import pathlib
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TITLE = "berechnet Abstand geographischer Punkte auf dem Fernbogen"
BOXES_TABLE = pathlib.Path(__file__).resolve().parents[1] / "data" / "boxes.tsv"


def boxes_in_tab_order():
    """The table of boxes: (box, name, description, initial text, max length) in tab order."""
    lines = BOXES_TABLE.read_text(encoding="utf-8").splitlines()
    return [(*row[:4], int(row[4])) for row in (line.split("\t") for line in lines if line[:1] != "#")]


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0
        self.group = ""

    def start(self, group):
        self.group = group
        print(f"--- {group}")

    def equal(self, what, actual, expected):
        if actual == expected:
            self.passed += 1
        else:
            self.failed += 1
            print(f"FAIL [{self.group}] {what}: got {actual!r}, expected {expected!r}")

    def true(self, what, condition, detail=""):
        self.equal(what + (f" ({detail})" if detail else ""), bool(condition), True)


class Heard:
    """The events a screen reader acts on, as they arrive."""

    TYPES = ["focus:", "object:state-changed:showing", "object:property-change:accessible-name",
             "object:text-caret-moved"]

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self._record, *self.TYPES)

    def _record(self, event):
        try:
            role = event.source.getRole()
            # A screen reader reads the name when the event comes, as here.
            name = event.source.name
        except Exception:
            return
        self.events.append((event.type, role, name, event.detail1))

    def pump(self, seconds):
        context = GLib.MainContext.default()
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            while context.pending():
                context.iteration(False)
            time.sleep(0.01)

    def take(self, settle=0.4):
        self.pump(settle)
        events, self.events = self.events, []
        return events


def in_order(events):
    """Focus moves, caret moves and notifications shown (spoken by their names), as (what, name)."""
    kinds = {"focus:": "focus", "object:text-caret-moved": "caret"}
    return [(kinds.get(type_, "announced"), name) for type_, role, name, shown in events
            if type_ in kinds or (type_.startswith("object:state-changed:showing")
                                  and role == pyatspi.ROLE_NOTIFICATION and shown == 1)]


def announcements(events):
    return [name for kind, name in in_order(events) if kind == "announced"]


def focused(events):
    return [name for kind, name in in_order(events) if kind == "focus"]


def key(*keys):
    subprocess.run(["xdotool", "key", "--delay", "40", *keys], check=True)


def click(accessible):
    x, y, width, height = extents(accessible)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"],
                   check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True)


def find_window(heard, timeout=20):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "fernbogen":
                for window in app:
                    if window is not None and window.name == TITLE:
                        return app, window
        heard.pump(0.2)
    return None, None


def descendants(accessible):
    for child in accessible:
        yield child
        yield from descendants(child)


def extents(accessible):
    return accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


def main():
    checks = Checks()
    heard = Heard()
    app, window = find_window(heard)
    if window is None:
        print("FAIL the window 'fernbogen' did not appear on the AT-SPI bus")
        print("0 passed, 1 failed")
        return 1

    checks.start("the window")
    checks.equal("role", window.getRole(), pyatspi.ROLE_FRAME)
    checks.equal("name is the title", window.name, TITLE)
    everything = list(descendants(window))
    boxes = [a for a in everything if a.getRole() == pyatspi.ROLE_TEXT]
    labels = [a for a in everything if a.getRole() == pyatspi.ROLE_LABEL]
    notifications = [a for a in everything if a.getRole() == pyatspi.ROLE_NOTIFICATION]
    checks.equal("number of notifications", len(notifications), 1)
    checks.true("the notification is not showing before anything is announced",
                notifications and not notifications[0].getState().contains(pyatspi.STATE_SHOWING))

    checks.start("every box's name, description, value and state")
    table = boxes_in_tab_order()
    for box, (_, name, description, value, _) in zip(boxes, table, strict=True):
        checks.equal(f"name of box {boxes.index(box) + 1}", box.name, name)
        checks.equal(f"description of {name}", box.description, description)
        checks.equal(f"value of {name}", text_of(box), value)
        state = box.getState()
        checks.true(f"{name} is editable and focusable",
                    state.contains(pyatspi.STATE_EDITABLE) and state.contains(pyatspi.STATE_FOCUSABLE))
    by_name = {box.name: box for box in boxes}

    checks.start("entering the first box by a click")
    first = by_name["von Länge Grad"]
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^berechnet Abstand",
                    "windowfocus", "--sync"], check=True, stdout=subprocess.DEVNULL)
    click(first)
    heard.take(0.6)
    checks.true("von Länge Grad has the focus", first.getState().contains(pyatspi.STATE_FOCUSED))
    key(*["Tab"] * len(table))
    names = [name for _, name, _, _, _ in table]
    checks.equal("Tab visits every box in the table's order", focused(heard.take()), names[1:] + names[:1])

    checks.start("Berlin to Munich, typed with Tab: focus moves box by box, results are announced")
    type_text("13")
    key("Tab")
    checks.equal("the focus moves, then the results are announced",
                 [(kind, name) for kind, name in in_order(heard.take()) if kind != "caret"],
                 [("focus", "von Länge Minuten"), ("announced", "Entfernung 1445 km, Richtung 90,0 Grad")])

    type_text("24")
    key("Tab", "Tab")
    events = heard.take()
    checks.equal("focus after two Tabs", focused(events), ["von Länge Sekunden", "von Länge Halbkugel"])
    checks.equal("leaving the unchanged seconds does not say the same results again",
                 announcements(events), ["Entfernung 1489 km, Richtung 90,0 Grad"])

    type_text("e")
    events = heard.take()
    checks.equal("a letter toggle is heard with its new letter", announcements(events),
                 ["E, Entfernung 1489 km, Richtung 270,0 Grad"])
    checks.equal("the letter box holds the new letter", text_of(by_name["von Länge Halbkugel"]), "E")

    for keys in (["Tab"], "52", ["Tab"], "31", ["Tab", "Tab", "Tab"], "11", ["Tab"], "35",
                 ["Tab", "Tab", "Tab"], "48", ["Tab"], "8", ["Tab", "Tab"]):
        key(*keys) if isinstance(keys, list) else type_text(keys)
    events = heard.take()
    checks.equal("focus after the remaining entries", focused(events)[-1], "nach Breite Halbkugel")
    type_text("x")
    toggled = heard.take()
    checks.equal("Berlin to Munich is announced", announcements(toggled),
                 ["N, Entfernung 503,9 Km, Richtung 195,5 Grad"])

    key("shift+Tab", "Tab")
    events = heard.take()
    checks.equal("leaving the unchanged seconds after the toggle does not say the results again",
                 announcements(events), [])

    checks.start("the results are where review reads")
    results = sorted((a for a in labels if extents(a)[1] > extents(by_name["von Breite Grad"])[1] + 20),
                     key=lambda a: extents(a)[0])
    checks.equal("the bottom line, left to right, each result described",
                 [(a.name, a.description) for a in results],
                 [(" sind es ", ""), ("503,9 Km", "Entfernung"), (" Richtung: ", ""), ("195,5 Grad", "Richtung")])
    renamed = [name for type_, role, name, _ in toggled
               if type_.endswith("accessible-name") and role == pyatspi.ROLE_LABEL]
    checks.equal("the result labels tell their new names", renamed[-2:], ["503,9 Km", "195,5 Grad"])

    checks.start("a box's value is read whole")
    start_degrees = by_name["von Länge Grad"]
    text = start_degrees.queryText()
    checks.equal("von Länge Grad holds 13", text.getText(0, -1), "13")
    for offset in (0, 1):
        _, run_start, run_end = text.getAttributeRun(offset, False)
        checks.equal(f"the attribute run at offset {offset}", (run_start, run_end), (0, 2))
    # A screen reader reads a box by character, word and line, at and around the caret: past the
    # end there is nothing to read but the word and line that end there, and the window answers.
    char, word, line = (getattr(pyatspi, f"TEXT_BOUNDARY_{b}") for b in ("CHAR", "WORD_START", "LINE_START"))
    at, before, after = text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset
    for what, read, offset, boundary, expected in [
        ("the character at 0", at, 0, char, ("1", 0, 1)),
        ("the character at 1", at, 1, char, ("3", 1, 2)),
        ("no character at the end", at, 2, char, ("",)),
        ("the character before 1", before, 1, char, ("1", 0, 1)),
        ("the character before the end", before, 2, char, ("3", 1, 2)),
        ("the character after 0", after, 0, char, ("3", 1, 2)),
        ("no character after the last", after, 1, char, ("",)),
        ("the word at its start", at, 0, word, ("13", 0, 2)),
        ("the word in its middle", at, 1, word, ("13", 0, 2)),
        ("the word at its end", at, 2, word, ("13", 0, 2)),
        ("no word after the only one", after, 0, word, ("",)),
        ("the line at its end", at, 2, line, ("13", 0, 2)),
    ]:
        try:
            answer = tuple(read(offset, boundary))[:len(expected)]
        except GLib.Error as error:
            answer = error.message
        checks.equal(what, answer, expected)
    box_x, box_y, box_width, box_height = extents(start_degrees)
    first_char = text.getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
    second_char = text.getCharacterExtents(1, pyatspi.DESKTOP_COORDS)
    checks.true("the characters lie in the box, the second where the first ends",
                box_x <= first_char[0] < first_char[0] + first_char[2] == second_char[0] < box_x + box_width
                and box_y <= first_char[1] < box_y + box_height,
                f"box {(box_x, box_y, box_width, box_height)}, characters {first_char} {second_char}")
    checks.equal("no character past the end",
                 tuple(text.getCharacterExtents(2, pyatspi.DESKTOP_COORDS)), (0, 0, 0, 0))
    middle = (second_char[0] + second_char[2] // 2, second_char[1] + second_char[3] // 2)
    checks.equal("a point in the second character is its offset",
                 text.getOffsetAtPoint(*middle, pyatspi.DESKTOP_COORDS), 1)

    checks.start("typing withdraws the announcement and nothing stale follows")
    key("shift+Tab")
    heard.take()
    type_text("9")
    events = heard.take(0.8)
    checks.equal("the notification tells its empty name and hides, with nothing announced",
                 [(type_.rsplit(":", 1)[-1], name, detail) for type_, role, name, detail in events
                  if role == pyatspi.ROLE_NOTIFICATION], [("accessible-name", "", 0), ("showing", "", 0)])
    checks.equal("the results are empty", [a.name for a in results][1::2], ["", ""])

    checks.start("the guard is heard")
    key("shift+Tab", "shift+Tab")
    heard.take()
    type_text("90")
    key("Tab")
    type_text("30")
    key("Tab")
    events = heard.take()
    checks.equal("out of range is announced last", announcements(events)[-1:],
                 ["nach Breite außerhalb des Bereichs, auf 0 gesetzt"])
    checks.equal("its boxes read 0 again",
                 [text_of(by_name[f"nach Breite {field}"]) for field in ("Grad", "Minuten", "Sekunden")],
                 ["0", "0", "0"])

    checks.start("what the program does to a box is heard after the focus, in the box reached")
    for what, box, keys, reached, said in [
        ("90 in von Breite Grad, Tab: the minutes are reset to 0, the start is the pole",
         "von Breite Grad", ["90", "Tab"], "von Breite Minuten",
         "Entfernung 10002 km, Richtung 11,6ter Längengrad Ost"),
        ("the destination turned west is spoken in words", "nach Länge Halbkugel", ["x"], None,
         "W, Entfernung 10002 km, Richtung 11,6ter Längengrad West"),
        ("95 in von Breite Grad, Tab: the box is reset, then the results are said",
         "von Breite Grad", ["95", "Tab"], "von Breite Minuten",
         "von Breite Grad außerhalb des Bereichs, auf 0 gesetzt, Entfernung 2776 km, Richtung 270,0 Grad"),
    ]:
        click(by_name[box])
        heard.take()
        for keys in keys:
            key(keys) if keys == "Tab" else type_text(keys)
        heard_now = in_order(heard.take(0.8))
        checks.equal(what, [(kind, name) for kind, name in heard_now if kind != "caret"],
                     ([("focus", reached)] if reached else []) + [("announced", said)])
        if reached:
            checks.equal(f"{what}: the box reached is first heard by its focus",
                         [kind for kind, name in heard_now if name == reached][:1], ["focus"])

    checks.start("the boxes' editable text, as a screen reader's commands change it")
    for _, name, _, _, length in table:
        editable = by_name[name].queryEditableText()
        before = text_of(by_name[name])
        editable.setTextContents("")
        editable.insertText(0, "1234", 4)
        checks.equal(f"{name} takes no more than its length", text_of(by_name[name]), "1234"[:length])
        editable.deleteText(0, 1)
        checks.equal(f"{name} loses its first character", text_of(by_name[name]), "1234"[1:length])
        editable.setTextContents(before)
        checks.equal(f"{name} holds its text again", text_of(by_name[name]), before)

    print(f"{checks.passed} passed, {checks.failed} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    sys.exit(main())
