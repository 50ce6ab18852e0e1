#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# The real window as a blind pupil meets it: the Orca screen reader runs on
# Xvfb with a private session bus, the AT-SPI bus and speech-dispatcher's
# dummy voice; keys are typed with xdotool, and what Orca speaks is read
# from its debug log. Each value is heard whole, the solver's answer is
# spoken without the focus moving, the keypad's Enter stays Orca's "where am
# I", a figure picked with Down and a page turned with Ctrl+Tab are spoken,
# the formula box is read with Down screen line by screen line, each from
# its start, and a zoom step is spoken.
#
#   orca_test.py PROGRAM     runs the session, then checks PROGRAM in it
#   orca_test.py --show ...  also prints every line Orca speaks, and keeps
#                            Orca's debug log in orca-debug.log
#
# Exits 77 (skipped) when Orca, speech-dispatcher, Xvfb, xdotool, the
# session bus or the AT-SPI bus cannot be had.
import codecs
import importlib.util
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import tty

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import session_bus  # noqa: E402

SKIP = 77
SHOW = "--show" in sys.argv
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*(?:\[|\{|$)")


def skip(why):
    print("skipped: " + why)
    sys.exit(SKIP)


def arabic_locale(work):
    """ar_EG.UTF-8 from the system, or made by localedef in `work`."""
    if "ar_EG.utf8" in subprocess.run(["locale", "-a"], capture_output=True, text=True).stdout:
        return {}
    made = subprocess.run(["localedef", "-i", "ar_EG", "-f", "UTF-8", os.path.join(work, "ar_EG.UTF-8")],
                          capture_output=True)
    if made.returncode > 1:  # 1: made, with warnings
        skip("no ar_EG.UTF-8 locale, and localedef could not make one")
    return {"LOCPATH": work}


def start(command, env, log=None):
    return subprocess.Popen(command, env=env, stdout=log or subprocess.DEVNULL, stderr=subprocess.STDOUT,
                            start_new_session=True)


def main(program):
    # Orca 43 now and then stops speaking for good in the middle of a walk
    # (its debug log ends; seen once in eight runs): a failed walk is tried
    # once more in a new session, and a fault of the program fails both.
    if os.environ.get("TAVRIMO_ORCA_AGAIN"):
        return session(program)
    before = dict(os.environ)  # a session's walk takes it over
    code = session(program)
    if code:
        # A new process: pyatspi stays bound to the first session's bus.
        print("The walk failed; once more in a new session:", flush=True)
        code = subprocess.run([sys.executable, os.path.abspath(__file__), program],
                              env=dict(before, TAVRIMO_ORCA_AGAIN="1")).returncode
    return code


def session(program):
    for tool in ("orca", "speech-dispatcher", "Xvfb", "dbus-launch", "xdotool", "openbox", "localedef"):
        if shutil.which(tool) is None:
            skip("no " + tool)
    if importlib.util.find_spec("pyatspi") is None:
        skip("no pyatspi (python3-pyatspi)")
    if not os.path.exists("/usr/share/dbus-1/services/org.a11y.Bus.service"):
        skip("no AT-SPI bus (at-spi2-core)")
    if not os.path.exists("/usr/lib/speech-dispatcher-modules/sd_dummy"):
        skip("no dummy output module of speech-dispatcher")
    with tempfile.TemporaryDirectory() as home:
        os.chmod(home, 0o700)
        os.makedirs(os.path.join(home, "config", "speech-dispatcher"))
        with open(os.path.join(home, "config", "speech-dispatcher", "speechd.conf"), "w") as conf:
            conf.write('AddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n')
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, "config"),
                   XDG_DATA_HOME=os.path.join(home, "data"), XDG_CACHE_HOME=os.path.join(home, "cache"),
                   XDG_RUNTIME_DIR=home, LANG="ar_EG.UTF-8", LANGUAGE="ar", LC_ALL="ar_EG.UTF-8",
                   QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", GTK_A11Y="atspi",
                   **arabic_locale(home))
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-noreset", "-screen", "0", "1280x1024x24",
                                 "-nolisten", "tcp"], pass_fds=[write], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        os.close(write)
        started = []
        bus_pid = None
        try:
            with os.fdopen(read) as answer:
                display = answer.readline().strip()
            if not display:
                skip("Xvfb did not start")
            env["DISPLAY"] = ":" + display
            bus_pid = session_bus.launch(env, skip)
            started.append(start(["openbox"], env))
            speech = Speech("orca-debug.log" if SHOW else None)
            started.append(start(["orca", "--replace", "--debug-file=" + speech.path], env,
                                 open(os.path.join(home, "orca.out"), "w")))
            if not speech.wait_for(lambda line: True, 30):
                skip("Orca did not start speaking")
            speech.settle()
            errors = open(os.path.join(home, "program.err"), "w+")
            window = start([program], env, errors)
            started.append(window)
            os.environ.clear()
            os.environ.update(env)  # pyatspi reaches the AT-SPI bus of this session
            code = Walk(window, speech, env).run()
            errors.seek(0)
            # Qt's accessibility bridge waits 100 ms for the screen reader's
            # word on each key, and says so (twice) when Orca, slowed by its
            # debug log, answers later; the program itself writes nothing.
            written = [line for line in errors.read().splitlines()
                       if line.strip() and not line.startswith("QSpiApplication::")]
            if written:
                print("FAIL the program wrote to stderr:\n" + "\n".join(written))
                code = 1
            return code
        finally:
            for process in reversed(started):
                if process.poll() is None:
                    process.terminate()
                    try:
                        process.wait(5)
                    except subprocess.TimeoutExpired:
                        process.kill()
            if bus_pid:
                os.kill(bus_pid, 15)
            xvfb.terminate()
            xvfb.wait()


class Speech:
    """What Orca has spoken, line by line, from its debug log. The log is
    written to a terminal, which Orca's file writes reach line by line (a
    file gets them in blocks of many lines, late)."""

    def __init__(self, keep=None):
        self.master, self.slave = os.openpty()
        tty.setraw(self.slave)
        self.path = os.ttyname(self.slave)
        self.keep = open(keep, "wb") if keep else None
        self.lines = []
        self.lock = threading.Lock()
        threading.Thread(target=self._drain, daemon=True).start()

    def _drain(self):
        decoder = codecs.getincrementaldecoder("utf-8")(errors="replace")
        pending = ""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                return
            if not chunk:
                return
            if self.keep:
                self.keep.write(chunk)
            pending += decoder.decode(chunk)
            *complete, pending = pending.split("\n")
            for line in complete:
                found = SPOKEN.search(line)
                if found:
                    with self.lock:
                        self.lines.append(found.group(1))
                    if SHOW:
                        print("  orca: " + found.group(1), flush=True)

    def wait_for_since(self, mark, found, seconds):
        end = time.monotonic() + seconds
        while time.monotonic() < end and not found(self.since(mark)):
            time.sleep(0.05)

    def count(self):
        with self.lock:
            return len(self.lines)

    def wait_for(self, found, seconds):
        end = time.monotonic() + seconds
        start = self.count()
        while time.monotonic() < end:
            with self.lock:
                if any(found(line) for line in self.lines[start:]):
                    return True
            time.sleep(0.1)
        return False

    def settle(self, quiet=0.6, seconds=10):
        """Waits until Orca has said nothing for `quiet` seconds."""
        end = time.monotonic() + seconds
        count, since = self.count(), time.monotonic()
        while time.monotonic() < end and time.monotonic() - since < quiet:
            time.sleep(0.1)
            if self.count() != count:
                count, since = self.count(), time.monotonic()

    def mark(self):
        return self.count()

    def since(self, mark):
        with self.lock:
            return " | ".join(self.lines[mark:])


def value_read(heard, name):
    """The first word Orca speaks after the utterance that starts with the
    control's name (a box is read "NAME نص." then "VALUE منتقى.")."""
    lines = heard.split(" | ")
    starts = [i for i, line in enumerate(lines) if line.startswith(name + " ")]
    if not starts or starts[-1] + 1 >= len(lines):
        return None
    following = words(lines[starts[-1] + 1])
    return following[0] if following else None


def words(text):
    return [word.rstrip(".") for word in re.split(r"[\s،,|]+", text)]


class LostFocus(Exception):
    pass


class Walk:
    def __init__(self, window, speech, env):
        self.window, self.speech, self.env = window, speech, env
        self.failures = []

    def check(self, ok, what, heard):
        print(("ok   " if ok else "FAIL ") + what + "\n       heard: " + heard)
        if not ok:
            self.failures.append(what)

    def keys(self, *keys, expect=None, seconds=8):
        """Presses `keys`; what Orca said, once it has said `expect` (a word
        or a test of the whole) or has been quiet for a moment."""
        mark = self.speech.mark()
        subprocess.run(["xdotool", "key", "--delay", "120", *keys], env=self.env, check=True)
        if expect is not None:
            found = expect if callable(expect) else (lambda heard: expect in heard)
            self.speech.wait_for_since(mark, found, seconds)
        self.speech.settle()
        return self.speech.since(mark)

    def type(self, text):
        subprocess.run(["xdotool", "type", "--delay", "120", "--", text], env=self.env, check=True)
        self.speech.settle()

    def focused(self):
        import pyatspi

        def search(node, depth=0):
            if node is None or depth > 12:
                return None
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return node
            for child in node:
                found = search(child, depth + 1)
                if found is not None:
                    return found
            return None

        return search(self.app)

    def tab_to(self, name, role=None, key="Tab"):
        """Tabs until the control named `name` has the focus; what Orca said on arriving there."""
        for _ in range(40):
            before = self.focused()
            mark = self.speech.mark()
            subprocess.run(["xdotool", "key", key], env=self.env, check=True)
            end = time.monotonic() + 3
            node = self.focused()
            while node == before and time.monotonic() < end:
                time.sleep(0.05)
                node = self.focused()
            if node is not None and node.name == name and (role is None or node.getRole() == role):
                self.speech.wait_for_since(mark, lambda heard: name in heard, 5)
                self.speech.settle()
                return self.speech.since(mark)
        raise LostFocus(f"Tab never reaches {name}")

    def dialogs(self):
        import pyatspi
        return [child for child in self.app if child is not None and child.getRole() in
                (pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT)]

    def run(self):
        try:
            return self.walk()
        except LostFocus as error:
            print("FAIL " + str(error))
            return 1

    def walk(self):
        import pyatspi

        end = time.monotonic() + 30
        self.app = None
        while self.app is None and time.monotonic() < end and self.window.poll() is None:
            for app in pyatspi.Registry.getDesktop(0):
                if app is not None and app.get_process_id() == self.window.pid and app.childCount:
                    self.app = app
            time.sleep(0.2)
        if self.app is None:
            print("FAIL the window appears on the AT-SPI bus")
            return 1
        self.speech.settle(quiet=1.5)
        subprocess.run(["xdotool", "search", "--sync", "--pid", str(self.window.pid), "--onlyvisible",
                        "windowactivate", "--sync"], env=self.env, capture_output=True, timeout=20)
        self.speech.settle(quiet=1.5)
        text = pyatspi.ROLE_TEXT

        heard = self.keys("ctrl+Tab", expect="الصفحة الأولى")
        self.check("الصفحة الأولى" in heard, "Ctrl+Tab from the tab strip speaks the first page", heard)
        heard = self.keys("ctrl+Tab", expect="الصفحة الثانية")
        self.check("الصفحة الثانية" in heard, "Ctrl+Tab speaks the second page", heard)
        heard = self.keys("KP_Enter", expect="قائمة ألسنة الصفحات")
        self.check(not self.dialogs() and "قائمة ألسنة الصفحات" in heard,
                   "the keypad's Enter is Orca's where am I, and opens no message box", heard)
        if self.dialogs():
            self.keys("Return")  # closes it, to go on

        # The temperatures: 37 °C is 310 K.
        self.tab_to("درجة مئوية", text)
        self.type("37")
        heard = self.tab_to("درجة كلفن", text)
        self.check(value_read(heard, "درجة كلفن") == "310", "37 °C heard as 310 K", heard)

        # The solver: 1, 1, -1; Enter in a coefficient solves it.
        for letter, value in (("أ", "1"), ("ب", "1"), ("ج", "-1")):
            self.tab_to(letter, text)
            self.keys("ctrl+a")
            self.type(value)
        answer = "جذر دلتا 2.23606797749979، س 1 0.618033988749895، س 2 −1.61803398874989"
        heard = self.keys("Return", expect=answer)
        node = self.focused()
        self.check(answer in heard and node is not None and node.name == "ج",
                   "Enter speaks the three results; the focus stays in ج", heard)
        # a = 1, b = -2, c = 1: a double root 1.
        self.tab_to("ب", text, key="shift+Tab")
        self.keys("ctrl+a")
        self.type("-2")
        self.tab_to("ج", text)
        self.keys("ctrl+a")
        self.type("1")
        self.keys("Return", expect="س 2 1")
        heard = self.tab_to("س 1", text)
        self.check(value_read(heard, "س 1") == "1" and "نتيجة" in heard.rpartition(" 1 منتقى")[2],
                   "Tab to the result 1 heard 1, then that it is a result", heard)
        self.tab_to("ج", text, key="shift+Tab")
        self.keys("End")  # the caret after the number, nothing selected
        heard = self.keys("Escape", expect="مُسحت المعادلة")
        self.check("مُسحت المعادلة" in heard and "Text unselected" not in heard,
                   "Esc speaks that the equation was cleared, and nothing of the boxes emptied", heard)

        heard = self.keys("ctrl+Tab", expect="قواعد")
        self.check("قواعد" in heard, "Ctrl+Tab from a field speaks the page", heard)
        heard = self.tab_to("الشكل", pyatspi.ROLE_COMBO_BOX)
        heard = self.keys("Down", expect="دائرة")
        self.check("دائرة" in heard, "Down on the figure list speaks the figure", heard)
        heard = self.keys("Down", expect="مربع")
        self.check("مربع" in heard, "Down again speaks the next figure", heard)
        self.keys(*["Down"] * 6)  # on to the prism, its formulas wrapped on the box's lines
        self.read_by_lines("قواعد الشكل")

        # The units: 1.5 m is 15 dm and 1500 mm.
        self.keys("ctrl+Tab", expect="الصفحة الأولى")
        self.tab_to("متر", text)
        self.type("1.5")
        heard = self.tab_to("ديسيمتر", text, key="shift+Tab")
        self.check(value_read(heard, "ديسيمتر") == "15", "1.5 m heard as 15 dm", heard)
        heard = self.tab_to("مليمتر", text, key="shift+Tab")
        self.check(value_read(heard, "مليمتر") == "1500", "1.5 m heard as 1500 mm", heard)
        heard = self.keys("KP_Up", expect="1500")  # Orca's KP_8 with Num Lock off
        self.check("1500" in words(heard), "the line read (KP_8) holds 1500", heard)
        heard = self.keys("KP_Enter", expect="مليمتر")
        self.check("مليمتر" in heard and "1500" in words(heard) and "150" not in words(heard) and not self.dialogs(),
                   "where am I speaks the focused field and its value alone", heard)
        self.tab_to("أطوال", pyatspi.ROLE_RADIO_BUTTON)
        heard = self.keys("Down", expect="مساحات")
        self.check("مساحات" in heard and "unselected" not in heard,
                   "Down on the categories speaks the new one, and nothing of the boxes rewritten", heard)
        heard = self.keys("ctrl+equal", expect="التكبير")
        self.check(re.search(r"التكبير \d+ ?%", heard) is not None, "a zoom step is spoken", heard)
        return 1 if self.failures else 0

    def read_by_lines(self, name):
        """Reads the box named `name` with Down from its top: the caret comes
        to the start of each screen line in turn, and Orca speaks it whole."""
        import pyatspi

        heard = self.tab_to(name, pyatspi.ROLE_TEXT)
        box = self.focused().queryText()
        heard += " | " + self.keys("ctrl+Home")
        line, _, end = box.getTextAtOffset(0, pyatspi.TEXT_BOUNDARY_LINE_START)
        self.check(box.caretOffset == 0 and line.strip() in heard, f"{name} speaks its first line whole: {line}", heard)
        lines = 0
        for _ in range(30):
            if box.caretOffset >= box.characterCount:
                break
            mark = self.speech.mark()
            before = box.caretOffset
            subprocess.run(["xdotool", "key", "Down"], env=self.env, check=True)
            moved = time.monotonic() + 3
            while box.caretOffset == before and time.monotonic() < moved:
                time.sleep(0.05)
            caret = box.caretOffset
            if caret == before:
                break
            line, start, end_of_line = box.getTextAtOffset(caret, pyatspi.TEXT_BOUNDARY_LINE_START)
            line = line.strip()
            if line:
                self.speech.wait_for_since(mark, lambda heard: line in heard, 5)
            self.speech.settle(quiet=0.3)
            heard = self.speech.since(mark)
            skipped = box.getText(end, caret).strip()
            self.check(caret == start and not skipped and (not line or line in heard),
                       f"Down comes to the start of the line at {caret}, skipping nothing, and speaks it whole: {line}",
                       heard)
            end = end_of_line
            lines += 1
        self.check(lines >= 4 and box.caretOffset >= box.characterCount,
                   f"Down reads {name} to its end, line by line ({lines} lines)", "")


if __name__ == "__main__":
    arguments = [a for a in sys.argv[1:] if a != "--show"]
    if len(arguments) != 1:
        print("usage: orca_test.py [--show] PROGRAM", file=sys.stderr)
        sys.exit(2)
    sys.exit(main(arguments[0]))
