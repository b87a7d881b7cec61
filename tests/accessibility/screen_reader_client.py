#!/usr/bin/python3
"""Reads the Fernbogen window ($FERNBOGEN, in German) over the AT-SPI bus as a screen reader does,
while real key presses fill it in: roles, names, values, text and the events spoken from. Runs in
tools/with-atspi with the system's Python (pyatspi); each test class starts its own Fernbogen."""

import collections
import os
import pathlib
import subprocess
import time
import unittest

import pyatspi
from gi.repository import GLib

TITLE = "berechnet Abstand geographischer Punkte auf dem Fernbogen"
BOXES_TABLE = pathlib.Path(__file__).resolve().parents[1] / "data" / "boxes.tsv"
DEADLINE = 10  # seconds for what one action causes to be heard

# (box, name, description, initial text, max length) in tab order.
TABLE = [(*row[:4], int(row[4])) for row in (line.split("\t") for line in
         BOXES_TABLE.read_text(encoding="utf-8").splitlines() if line[:1] != "#")]
NAMES = [name for _, name, _, _, _ in TABLE]

# One event as a screen reader takes it: it reads the source's name when the event comes.
Event = collections.namedtuple("Event", "type role name detail")


class Heard:
    """The events a screen reader acts on, in the order they come."""

    def __init__(self):
        self.events = []
        GLib.timeout_add(50, lambda: True)  # wakes the wait for events to watch its deadline
        pyatspi.Registry.registerEventListener(
            self._record, "focus:", "object:state-changed:showing", "object:announcement",
            "object:property-change:accessible-name", "object:text-caret-moved",
            "object:text-selection-changed", "object:text-changed")

    def _record(self, event):
        try:
            # An announcement's sentence is its data, and it is spoken as it comes, as a
            # notification is when it shows.
            announced = event.type == "object:announcement"
            self.events.append(Event(event.type, event.source.getRole(),
                                     str(event.any_data) if announced else event.source.name,
                                     1 if announced else event.detail1))
        except GLib.Error:
            pass

    def until(self, what, awaited):
        """The events up to the first for which awaited(event) holds, pumping the main context for
        them until the deadline; the later ones stay for the next call."""
        end = time.monotonic() + DEADLINE
        while not any(map(awaited, self.events)):
            if time.monotonic() > end:
                heard, self.events = said(self.events, carets=True), []
                raise AssertionError(f"awaited {what} for {DEADLINE} s; heard {heard}")
            GLib.MainContext.default().iteration(True)
        count = next(i for i, event in enumerate(self.events) if awaited(event)) + 1
        taken, self.events = self.events[:count], self.events[count:]
        return taken


def focus_on(name):
    return lambda event: event.type == "focus:" and event.name == name


def shown(event):
    """A sentence to speak: Qt's own announcement (from Qt 6.8 on) or a notification shown."""
    return event.type == "object:announcement" or (
        event.type == "object:state-changed:showing" and event.role == pyatspi.ROLE_NOTIFICATION)


def announcing(start=""):
    return lambda event: shown(event) and event.detail == 1 and event.name.startswith(start)


def said(events, carets=False):
    """Focus moves, sentences announced, and with carets the caret moves and text changes, as
    (what, name)."""
    kinds = {"focus:": "focus", "object:text-caret-moved": "caret",
             "object:text-changed:insert": "text", "object:text-changed:delete": "text"}
    return [("announced", e.name) if shown(e) else (kinds[e.type], e.name) for e in events
            if (e.type in kinds and (carets or e.type == "focus:")) or announcing()(e)]


def said_as(kind):
    return lambda events: [name for what, name in said(events) if what == kind]


announcements, focused = said_as("announced"), said_as("focus")


def press(*actions):
    """Key names ("Tab", "BackSpace", "shift+Tab") are pressed, other strings typed, functions
    called."""
    for action in actions:
        if callable(action):
            action()
        else:
            verb = "key" if action[:1].isupper() or "+" in action else "type"
            subprocess.run(["xdotool", verb, "--delay", "40", action], check=True)


def extents(accessible):
    return tuple(accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))


def click(accessible):
    x, y, width, height = extents(accessible)
    subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2),
                    "click", "1"], check=True)


def text_of(accessible):
    return accessible.queryText().getText(0, -1)


class Fernbogen(unittest.TestCase):
    """A Fernbogen of the class's own, its window active with the focus in its first box."""

    @classmethod
    def setUpClass(cls):
        cls.heard = Heard()
        log = open(pathlib.Path(os.environ["SESSION_LOGS"]) / f"fernbogen-{cls.__name__}", "w")
        env = dict(os.environ, LANG="de_DE.UTF-8", LC_ALL="de_DE.UTF-8",
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        cls.program = subprocess.Popen([os.environ["FERNBOGEN"]], env=env, stdout=log, stderr=log)
        cls.addClassCleanup(cls.program.wait, DEADLINE)
        cls.addClassCleanup(cls.program.terminate)
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^" + TITLE,
                        "windowfocus", "--sync"], check=True, stdout=subprocess.DEVNULL,
                       timeout=DEADLINE)
        cls.heard.until("the focus in the first box", focus_on(NAMES[0]))
        app = next(a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "fernbogen")
        cls.window = next(w for w in app if w and w.name == TITLE)
        find = lambda role: pyatspi.findAllDescendants(cls.window, lambda a: a.getRole() == role)
        cls.boxes = {a.name: a for a in find(pyatspi.ROLE_TEXT)}
        cls.labels, cls.notifications = find(pyatspi.ROLE_LABEL), find(pyatspi.ROLE_NOTIFICATION)

    def write(self, name, text):
        """Sets a box's text as a screen reader's command does, until the test ends."""
        editable = self.boxes[name].queryEditableText()
        self.addCleanup(editable.setTextContents, text_of(self.boxes[name]))
        editable.setTextContents(text)
        return self.boxes[name].queryText()


class TheWindow(Fernbogen):
    def test_the_window_is_a_frame_named_by_its_title_with_no_notification_yet(self):
        self.assertEqual((self.window.getRole(), self.window.name), (pyatspi.ROLE_FRAME, TITLE))
        # Each sentence is a notification of its own while it is said.
        self.assertEqual(self.notifications, [], "a notification before anything is announced")

    def test_every_box_has_its_name_description_and_state(self):
        self.assertEqual(list(self.boxes), NAMES, "the boxes in the window's order")
        for _, name, description, _, _ in TABLE:
            with self.subTest(name):
                box, state = self.boxes[name], self.boxes[name].getState()
                self.assertEqual(box.description, description)
                self.assertTrue(state.contains(pyatspi.STATE_EDITABLE)
                                and state.contains(pyatspi.STATE_FOCUSABLE), "editable, focusable")

    def test_a_screen_readers_commands_change_each_box_within_its_length(self):
        for _, name, _, before, length in TABLE:
            box = self.boxes[name]
            editable = box.queryEditableText()
            for what, change, expected in [
                    ("holds the text it opens with", lambda: None, before),
                    ("is set whole", lambda: editable.setTextContents("12"), "12"[:length]),
                    ("takes no more than its length", lambda: editable.insertText(0, "34", 2),
                     "3412"[:length]),
                    ("takes its caret where it is put", lambda: box.queryText().setCaretOffset(0),
                     0),
                    ("loses its first character", lambda: editable.deleteText(0, 1),
                     "3412"[1:length]),
                    ("holds its text again", lambda: editable.setTextContents(before), before)]:
                with self.subTest(f"{name} {what}"):
                    change()
                    self.assertEqual(text_of(box) if isinstance(expected, str)
                                     else box.queryText().caretOffset, expected)

    def test_a_boxs_value_is_read_whole_by_character_word_and_line(self):
        text = self.write("von Länge Grad", "13")
        for offset in (0, 1):
            self.assertEqual(tuple(text.getAttributeRun(offset, False))[1:], (0, 2),
                             f"the attribute run at offset {offset}")
        # A screen reader reads a box by character, word and line, at and around the caret: past
        # the end there is nothing to read but the word and line that end there, and the window
        # answers.
        char, word, line = (getattr(pyatspi, f"TEXT_BOUNDARY_{b}")
                            for b in ("CHAR", "WORD_START", "LINE_START"))
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
                ("the line at its end", at, 2, line, ("13", 0, 2))]:
            with self.subTest(what):
                self.assertEqual(tuple(read(offset, boundary))[:len(expected)], expected)

    def test_a_magnifier_finds_each_character_where_it_is_drawn(self):
        box, text = self.boxes["von Länge Grad"], self.write("von Länge Grad", "135")
        box_x, box_y, box_width, box_height = extents(box)
        chars = [tuple(text.getCharacterExtents(i, pyatspi.DESKTOP_COORDS)) for i in range(4)]
        self.assertEqual(chars[3], (0, 0, 0, 0), "no character past the end")
        self.assertTrue(box_x < chars[0][0] and chars[2][0] + chars[2][2] < box_x + box_width,
                        f"the characters {chars[:3]} lie in the box {extents(box)}")
        for i, (x, y, width, height) in enumerate(chars[:3]):
            with self.subTest(f"character {i}"):
                self.assertEqual(x, chars[0][0] + sum(c[2] for c in chars[:i]), "after the last")
                self.assertLessEqual(abs(2 * y + height - (2 * box_y + box_height)), 2,
                                     "centred on the box's height")
                # The box's own layout places the caret before a point in its first quarter and
                # after one in its last.
                middle = y + height // 2
                self.assertEqual([text.getOffsetAtPoint(x + width * q // 4, middle,
                                                        pyatspi.DESKTOP_COORDS) for q in (1, 3)],
                                 [i, i + 1])
        left_gap, right_gap = chars[0][0] - box_x, box_x + box_width - chars[2][0] - chars[2][2]
        self.assertLessEqual(abs(left_gap - right_gap), 4, "the text centred on the box's width")


class BerlinToMunich(Fernbogen):
    """Berlin to Munich typed box by box with Tab, and what the program then does to the boxes.
    Each step goes on from the one before. Where nothing more may be heard, the next step's first
    event closes the wait: it comes after all that the step before could still cause."""

    def check(self, what, actual, expected):
        with self.subTest(what):
            self.assertEqual(actual, expected)

    def step(self, what, *actions, until, heard=None, expected=None):
        """Acts, awaits the event until(event) holds for, and checks heard(events) if given."""
        events = []
        with self.subTest(what):
            press(*actions)
            events = self.heard.until(what, until)
            if heard: self.assertEqual(heard(events), expected)
        return events

    def test_berlin_to_munich(self):
        tabbed = self.step("Tab visits every box in the table's order", *["Tab"] * len(NAMES),
                           until=focus_on(NAMES[0]), heard=focused, expected=NAMES[1:] + NAMES[:1])
        self.check("each box is said once: no selection is told before the box's focus",
                   [e.name for i, e in enumerate(tabbed) if e.type == "object:text-selection-changed"
                    and not any(map(focus_on(e.name), tabbed[:i]))],
                   [])
        self.step("the caret moved by a key is heard", "13", "Home",
                  until=lambda e: e.type == "object:text-caret-moved" and e.detail == 0)
        self.step("the focus moves, then the results are announced", "Tab", until=announcing(),
                  heard=said, expected=[("focus", "von Länge Minuten"),
                                        ("announced", "Entfernung 1445 km, Richtung 90,0 Grad")])
        events = self.step("focus after two Tabs", "24", "Tab", "Tab",
                           until=focus_on("von Länge Halbkugel"), heard=focused,
                           expected=["von Länge Sekunden", "von Länge Halbkugel"])
        toggled = self.step("a letter toggle is heard with its new letter", "e",
                            until=announcing("E, "), heard=lambda e: e[-1].name,
                            expected="E, Entfernung 1489 km, Richtung 270,0 Grad")
        self.check("leaving the unchanged seconds does not say the same results again",
                   announcements(events + toggled[:-1]), ["Entfernung 1489 km, Richtung 90,0 Grad"])
        self.check("the letter box holds the new letter", text_of(self.boxes["von Länge Halbkugel"]),
                   "E")

        self.step("the focus after the remaining entries", "Tab", "52", "Tab", "31", "Tab", "Tab",
                  "Tab", "11", "Tab", "35", "Tab", "Tab", "Tab", "48", "Tab", "8", "Tab", "Tab",
                  until=focus_on("nach Breite Halbkugel"))
        toggled = self.step("Berlin to Munich is announced", "x", until=announcing("N, "),
                            heard=announcements,
                            expected=["N, Entfernung 503,9 Km, Richtung 195,5 Grad"])
        bottom = extents(self.boxes["von Breite Grad"])[1] + 20
        results = sorted((a for a in self.labels if extents(a)[1] > bottom),
                         key=lambda a: extents(a)[0])
        self.check("the results are where review reads: the bottom line, left to right",
                   [(a.name, a.description) for a in results],
                   [(" sind es ", ""), ("503,9 Km", "Entfernung"), (" Richtung: ", ""),
                    ("195,5 Grad", "Richtung")])
        self.check("the result labels tell their new names",
                   [e.name for e in toggled if e.type.endswith("accessible-name")
                    and e.role == pyatspi.ROLE_LABEL][-2:], ["503,9 Km", "195,5 Grad"])

        events = self.step("back and forth", "shift+Tab", "Tab",
                           until=focus_on("nach Breite Halbkugel"))
        events += self.step("and back", "shift+Tab", until=focus_on("nach Breite Sekunden"))
        self.check("leaving the unchanged seconds after the toggle does not say the results again",
                   announcements(events), [])
        events = self.step("typing withdraws the announcement", "9",
                           until=lambda e: e.role == pyatspi.ROLE_LABEL and e.name == "")
        self.check("the results are empty", [a.name for a in results][1::2], ["", ""])
        events += self.step("leaving the box", "shift+Tab", until=focus_on("nach Breite Minuten"))
        self.check("no notification shows with an empty name, and nothing stale follows",
                   [(e.name, e.detail) for e in events if shown(e)], [])

        guard = "nach Breite außerhalb des Bereichs, auf 0 gesetzt"
        guarded = self.step("the guard is heard", "shift+Tab", "90", "Tab", "30", "Tab",
                            until=announcing(guard))
        self.check("its boxes read 0 again", [text_of(self.boxes[f"nach Breite {field}"])
                                              for field in ("Grad", "Minuten", "Sekunden")],
                   ["0", "0", "0"])

        # What the program does to a box is heard after the focus, in the box reached. The click
        # that leaves the reset destination first says its results.
        for what, box, left, keys, reached, sentence in [
                ("90 in von Breite Grad, Tab: the minutes are reset to 0, the start is the pole",
                 "von Breite Grad", "Entfernung 5839 km, Richtung 182,3 Grad", ["90", "Tab"],
                 "von Breite Minuten", "von Breite Minuten auf 0 gesetzt, "
                 "Entfernung 10002 km, Richtung 11,6ter Längengrad Ost"),
                ("the destination turned west is spoken in words", "nach Länge Halbkugel", None,
                 ["x"], None, "W, Entfernung 10002 km, Richtung 11,6ter Längengrad West"),
                ("30 minutes, then 90 in von Breite Grad and Shift+Tab: the minutes reset is said",
                 "von Breite Grad", None,
                 [lambda: self.write("von Breite Minuten", "30"), "90", "shift+Tab"],
                 "von Länge Halbkugel", "von Breite Minuten auf 0 gesetzt, "
                 "Entfernung 10002 km, Richtung 11,6ter Längengrad West"),
                ("von Länge Sekunden emptied by Backspace and left: its return to 0 is said",
                 "von Länge Sekunden", None, ["BackSpace", "shift+Tab"],
                 "von Länge Minuten", "von Länge Sekunden leer, auf 0 gesetzt, "
                 "Entfernung 10002 km, Richtung 11,6ter Längengrad West"),
                # Last: the check after the loop reads this row's events.
                ("95 in von Breite Grad, Tab: the box is reset, then the results are said",
                 "von Breite Grad", None, ["95", "Tab"], "von Breite Minuten",
                 "von Breite Grad außerhalb des Bereichs, auf 0 gesetzt, "
                 "Entfernung 2776 km, Richtung 270,0 Grad")]:
            clicked = self.step(f"a click in {box}", lambda: click(self.boxes[box]),
                                until=focus_on(box))
            if guarded:
                self.check("out of range is announced last", announcements(guarded + clicked)[-1:],
                           [guard])
                guarded = None
            if left:
                self.step(f"the click in {box} says the results", until=announcing(),
                          heard=announcements, expected=[left])
            events = self.step(what, *keys, until=announcing(), heard=said,
                               expected=([("focus", reached)] if reached else [])
                               + [("announced", sentence)])
            if reached:
                self.check(f"{what}: the box reached is first heard by its focus",
                           [k for k, name in said(events, carets=True) if name == reached][:1],
                           ["focus"])
        self.check("the box reset tells its caret at the start, where the program put it",
                   [e.detail for e in events if e.type == "object:text-caret-moved"
                    and e.name == "von Breite Grad"][-1:], [0])


if __name__ == "__main__":
    unittest.main()
