#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window as a screen reader meets it over AT-SPI, under Xvfb with a
# session bus: every character of each result lies inside its box, text put
# into the coefficients through EditableText is what "النتيجة" solves, the
# three results take the focus and read out their names and numbers, the
# drawings of a picked figure are named, and assistive input reaches what the
# keyboard reaches and no more.
#
#   atspi_test.py PROGRAM     starts Xvfb and a session bus, then checks PROGRAM
#
# Exits 77 (skipped) when Xvfb, the session bus, the AT-SPI bus or pyatspi
# cannot be had.
import importlib.util
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import session_bus  # noqa: E402

SKIP = 77

RESULTS = ["جذر دلتا", "س 2", "س 1"]  # in their Tab order, after "النتيجة"
EQUATIONS = [  # a, b, c, and the three results when they are checked by value
    ("1", "1", "-1", ("2.23606797749979", "-1.61803398874989", "0.618033988749895")),
    ("-0.3", "-2", "1", None),
    ("34.5", "26.3", "-20", None),
    ("3", "7", "1", None),
]
DOWN, TAB, EQUAL = 0xFF54, 0xFF09, 0x3D  # key symbols
CONTROL = 37  # Control_L's key code in Xvfb's keyboard map
# The list's item, its index, its drawings, and their numbers in reading
# order: right to left, top to bottom (upper right, upper left, lower right, lower left).
FIGURES = [("كرة", 2, 4, (2, 1, 4, 3)), ("مخروط", 4, 2, (2, 1)), ("هرم", 8, 3, (2, 1, 3))]


def skip(why):
    print("skipped: " + why)
    sys.exit(SKIP)


def start_session(program):
    """Xvfb and a session bus (the AT-SPI bus starts on it when asked for),
    then this script again inside them to walk the window."""
    if importlib.util.find_spec("pyatspi") is None:
        skip("no pyatspi (python3-pyatspi)")
    for tool in ("Xvfb", "dbus-launch"):
        if shutil.which(tool) is None:
            skip("no " + tool)
    if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
        skip("no AT-SPI bus (at-spi2-core)")
    with tempfile.TemporaryDirectory() as home:
        read, write = os.pipe()
        # -noreset: the server would reset when dbus-launch, its first client,
        # leaves, and refuse connections for that while.
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-noreset", "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp"],
                                pass_fds=[write], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        bus_pid = None
        try:
            with os.fdopen(read) as answer:
                display = answer.readline().strip()
            if not display:
                skip("Xvfb did not start")
            env = dict(os.environ, DISPLAY=":" + display, XDG_CONFIG_HOME=home, XDG_RUNTIME_DIR=home,
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
            env.pop("DBUS_SESSION_BUS_ADDRESS", None)
            bus_pid = session_bus.launch(env, skip)
            walk = subprocess.run([sys.executable, __file__, "--walk", program], env=env, timeout=240)
            return walk.returncode
        finally:
            if bus_pid:
                os.kill(bus_pid, 15)
            xvfb.terminate()
            xvfb.wait()


def walk_window(program):
    import pyatspi

    failures = []

    def check(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    def wait_for(found, seconds=20):
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            value = found()
            if value:
                return value
            time.sleep(0.1)
        return found()

    def nodes(root):
        yield root
        for child in root:
            if child is not None:
                yield from nodes(child)

    def application():
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.get_process_id() == window.pid and app.childCount:
                return app
        return None

    for attempt in range(3):
        # Should the server still refuse the program's first connection, the
        # program says so in one line and is started again.
        time.sleep(attempt)
        errors = tempfile.TemporaryFile("w+")
        window = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=errors)
        app = wait_for(lambda: window.poll() is not None or application())
        errors.seek(0)
        if window.poll() is None or "cannot be opened" not in errors.read():
            break
    try:
        if window.poll() is not None:
            check(False, f"the program runs (it ended with status {window.returncode})")
            return 1
        if app is None:
            skip("the window did not appear on the AT-SPI bus")

        def node(name, role):
            return wait_for(lambda: next((n for n in nodes(app) if n.name == name and n.getRole() == role), None), 5)

        def text_of(box):
            return box.queryText().getText(0, -1)

        page = node("الصفحة الثانية", pyatspi.ROLE_PAGE_TAB)
        page.queryAction().doAction(0)
        fields = [node(letter, pyatspi.ROLE_TEXT) for letter in ("أ", "ب", "ج")]
        results = [node(name, pyatspi.ROLE_TEXT) for name in RESULTS]
        solve = node("النتيجة", pyatspi.ROLE_PUSH_BUTTON)
        if None in fields + results or solve is None:
            check(False, "the solver's fields and button are on the AT-SPI bus")
            return 1

        for a, b, c, expected in EQUATIONS:
            equation = f"a={a} b={b} c={c}"
            for box, text in zip(fields, (a, b, c)):
                box.queryEditableText().setTextContents(text)
            check(all(text_of(r) == "" for r in results), f"{equation}: the coefficients put in empty the results")
            solve.queryAction().doAction(0)
            shown = wait_for(lambda: all(text_of(r) for r in results) and [text_of(r) for r in results], 5)
            if expected:
                check(tuple(shown or ()) == expected, f"{equation}: the results {shown} are the new equation's")
            for name, box in zip(RESULTS, results):
                text = box.queryText()
                x, _, w, _ = box.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                cx, _, cw, _ = text.getCharacterExtents(text.characterCount - 1, pyatspi.DESKTOP_COORDS)
                # A point a quarter into the character is nearest the caret place before it.
                _, cy, _, ch = text.getCharacterExtents(text.characterCount - 1, pyatspi.DESKTOP_COORDS)
                check(text.getOffsetAtPoint(cx + cw // 4, cy + ch // 2, pyatspi.DESKTOP_COORDS) == text.characterCount - 1,
                      f"{equation}: the last character of {name} is found where it is said to lie")
                check(text.characterCount > 0 and x < cx and cx + cw < x + w,
                      f"{equation}: the last character of {name} ({text_of(box)}) at {cx}..{cx + cw} lies inside its box {x}..{x + w}")

        # Without a window manager a click makes the window the active one.
        frame = app[0]
        x, y, _, _ = frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        pyatspi.Registry.generateMouseEvent(x + 2, y + 2, pyatspi.MOUSE_B1C)
        check(wait_for(lambda: frame.getState().contains(pyatspi.STATE_ACTIVE), 5), "the window is active")
        # Tab from "النتيجة" reaches each result with its whole number selected.
        solve.queryComponent().grabFocus()
        for name, box in zip(RESULTS, results):
            states = box.getState()
            check(states.contains(pyatspi.STATE_FOCUSABLE) and states.contains(pyatspi.STATE_READ_ONLY),
                  f"{name} is focusable and read-only")
            pyatspi.Registry.generateKeyboardEvent(TAB, None, pyatspi.KEY_SYM)
            check(wait_for(lambda: box.getState().contains(pyatspi.STATE_FOCUSED), 5), f"{name} takes the focus by Tab")
            text = box.queryText()
            check(text.getNSelections() == 1 and text.getSelection(0) == (0, text.characterCount),
                  f"{name} reads {text_of(box)}, all of it selected")

        node("قواعد", pyatspi.ROLE_PAGE_TAB).queryAction().doAction(0)
        node("الشكل", pyatspi.ROLE_COMBO_BOX).queryComponent().grabFocus()
        item = -1  # nothing picked
        for figure, index, count, reading in FIGURES:
            for _ in range(index - item):
                pyatspi.Registry.generateKeyboardEvent(DOWN, None, pyatspi.KEY_SYM)
            item = index
            names = [f"{figure}، الرسم {k} من {count}" for k in reading]

            def drawings():
                return [n for n in nodes(app) if "، الرسم " in n.name]

            # The keys reach the list one by one: the figures on the way show first.
            wait_for(lambda: [n.name for n in drawings()] == names, 5)
            shown = drawings()
            check([n.name for n in shown] == names and all(n.description for n in shown),
                  f"the drawings on view come in reading order, named {names}, and described")

        # The zoom keys up to the largest zoom this screen holds: the notice
        # over the window is an alert that says so.
        for _ in range(6):
            pyatspi.Registry.generateKeyboardEvent(CONTROL, None, pyatspi.KEY_PRESS)
            pyatspi.Registry.generateKeyboardEvent(EQUAL, None, pyatspi.KEY_SYM)
            pyatspi.Registry.generateKeyboardEvent(CONTROL, None, pyatspi.KEY_RELEASE)
            time.sleep(0.2)
        alert = wait_for(lambda: next((n for n in nodes(app) if n.getRole() == pyatspi.ROLE_ALERT
                                       and n.name.endswith("أكبر ما تتسع له الشاشة")), None), 5)
        check(alert is not None and alert.name.startswith("التكبير "),
              f"the zoom keys at the screen's limit show the alert {alert.name if alert else None!r}")
        assistive_input(app, node, text_of, check, wait_for)
        return 1 if failures else 0
    finally:
        window.terminate()
        window.wait()


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        return next(int(line.split()[1]) for line in status if line.startswith("VmHWM:"))


def assistive_input(app, node, text_of, check, wait_for):
    """Over AT-SPI a person reaches what the keyboard and the mouse reach and
    no more: hidden fields, fields of a page not on view, result boxes and the
    window behind a message box take nothing; an option button's action
    chooses its category; an edit at a huge offset costs what a paste costs."""
    import pyatspi

    def editable(box):
        return box.getState().contains(pyatspi.STATE_EDITABLE)

    def offers_editing(box):
        try:
            box.queryEditableText()
            return True
        except NotImplementedError:
            return False

    node("الصفحة الأولى", pyatspi.ROLE_PAGE_TAB).queryAction().doAction(0)
    km = node("كيلومتر", pyatspi.ROLE_TEXT)
    km.queryComponent().grabFocus()
    check(wait_for(lambda: km.getState().contains(pyatspi.STATE_FOCUSED), 5), "كيلومتر takes the focus")
    celsius = node("درجة مئوية", pyatspi.ROLE_TEXT)
    check(not editable(celsius), "درجة مئوية, on a page not on view, is not editable")
    celsius.queryEditableText().setTextContents("100")
    time.sleep(0.3)
    check(text_of(celsius) == "" and km.getState().contains(pyatspi.STATE_FOCUSED)
          and km.getState().contains(pyatspi.STATE_SHOWING) and not celsius.getState().contains(pyatspi.STATE_SHOWING),
          "an edit of درجة مئوية from the unit page is refused; كيلومتر keeps the focus, the page stays")

    volumes = node("حجوم", pyatspi.ROLE_RADIO_BUTTON)
    action = volumes.queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i) in ("Toggle", "Press", "Click")))
    metre = wait_for(lambda: node("متر مكعب", pyatspi.ROLE_TEXT), 5)
    check(metre is not None and volumes.getState().contains(pyatspi.STATE_CHECKED),
          "the Toggle action on حجوم chooses the volumes: the fields are named by their units")
    for name in ("ميل", "ميل بحري"):
        hidden = node(name, pyatspi.ROLE_TEXT)
        if hidden is None:
            check(False, f"the hidden field {name} is on the bus")
            continue
        states = hidden.getState()
        check(not states.contains(pyatspi.STATE_EDITABLE) and not states.contains(pyatspi.STATE_FOCUSABLE),
              f"the hidden field {name} is neither editable nor focusable")
        hidden.queryEditableText().setTextContents("7")
        time.sleep(0.3)
        check(metre is not None and text_of(metre) == "" and text_of(hidden) == "",
              f"setTextContents on the hidden field {name} fills nothing")

    node("الصفحة الثانية", pyatspi.ROLE_PAGE_TAB).queryAction().doAction(0)
    a = node("أ", pyatspi.ROLE_TEXT)
    a.queryEditableText().setTextContents("4")
    before = peak_kib(app.get_process_id())
    start = time.monotonic()
    a.queryEditableText().insertText(2147483647, "1", 1)
    took = time.monotonic() - start
    grown = (peak_kib(app.get_process_id()) - before) // 1024
    check(text_of(a) == "41" and grown < 16 and took < 1,
          f"insertText at offset 2147483647 puts 1 at the end of أ ({text_of(a)}): peak memory +{grown} MiB, {took:.2f} s")
    a.queryEditableText().setTextContents("1" * 1001)
    time.sleep(0.2)
    check(text_of(a) == "41", "a text of 1,001 characters is refused whole; أ still shows 41")

    for name in RESULTS:
        box = node(name, pyatspi.ROLE_TEXT)
        check(not editable(box) and not offers_editing(box), f"the result box {name} is not editable and offers no editing")
    formulas = node("قواعد الشكل", pyatspi.ROLE_TEXT)
    check(formulas is not None and not editable(formulas) and not offers_editing(formulas),
          "the formula box is not editable and offers no editing")
    if formulas is not None:
        # It still reads as it shows: the pyramid's sheet, picked last, line by line.
        reader = formulas.queryText()
        line = reader.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)
        x, y, w, h = reader.getCharacterExtents(3, pyatspi.DESKTOP_COORDS)
        check(line[0].rstrip("\n") == "الهرم : " and w > 0
              and reader.getOffsetAtPoint(x + w // 2, y + h // 2, pyatspi.DESKTOP_COORDS) == 3,
              f"the formula box reads its first line {line[0]!r} and finds its fourth character where it lies")

    # "النتيجة" without a: the message box opens, and the window behind it takes nothing.
    a.queryEditableText().setTextContents("")
    b = node("ب", pyatspi.ROLE_TEXT)
    b.queryEditableText().setTextContents("2")
    clear = node("مسح", pyatspi.ROLE_PUSH_BUTTON)
    node("النتيجة", pyatspi.ROLE_PUSH_BUTTON).queryAction().doAction(0)
    box = wait_for(lambda: next((n for n in app if n is not None and n.getRole() in
                                 (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)), None), 5)
    check(box is not None, "the message box opens")
    if box is None:
        return
    check(not editable(a), "أ is not editable behind the message box")
    a.queryEditableText().setTextContents("3")
    check(clear.queryAction().nActions == 0, "مسح offers no action behind the message box")
    if clear.queryAction().nActions:
        clear.queryAction().doAction(0)
    time.sleep(0.3)
    node("قواعد", pyatspi.ROLE_PAGE_TAB).queryAction().doAction(0)
    time.sleep(0.3)
    check(text_of(a) == "" and text_of(b) == "2" and a.getState().contains(pyatspi.STATE_SHOWING),
          "behind the message box neither an edit, a press of مسح nor the page tab قواعد reaches the window")
    ok = next(n for n in nodes_of(box) if n.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    ok.queryAction().doAction(0)
    check(wait_for(lambda: editable(a), 5), "once the box is closed أ is editable again")


def nodes_of(root):
    yield root
    for child in root:
        if child is not None:
            yield from nodes_of(child)


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--walk":
        sys.exit(walk_window(sys.argv[2]))
    if len(sys.argv) != 2:
        print("usage: atspi_test.py PROGRAM", file=sys.stderr)
        sys.exit(2)
    sys.exit(start_session(os.path.abspath(sys.argv[1])))
