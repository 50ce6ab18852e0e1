#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks that the tests catch small faults a hurried change could make.

Each fault below is one textual change to one source file. For each, the
script applies it, builds the tree, runs the test suite (packaging and soak
aside), restores the file and reports whether a test failed. A fault that
does not build is reported as such. Not part of CI: it builds once per fault.

    scripts/mutants.py [BUILD_DIR] [FILTER]

FILTER is a regular expression searched in each fault's name and file
("window/" runs the faults in the window's code).
"""

import os
import pathlib
import re
import subprocess
import sys

# (name, file, text, replacement): the text must occur exactly once.
FAULTS = [
    ("arabic-nine-not-a-digit", "numbers/numbers.cpp", "ch.unicode() <= kZero[system] + 9",
     "ch.unicode() < kZero[system] + 9 + (system == 0)"),
    ("point-refused-beside-a-comma", "numbers/numbers.cpp", "return ch == u'.' || ch == kArabicDecimalSeparator",
     "return ch == kArabicDecimalSeparator"),
    ("mixed-digits-answered-in-arabic", "numbers/numbers.cpp", "if (found[1] != found[2] && !found[0])",
     "if (found[1] != found[2])"),
    ("arabic-answers-with-the-users-separator", "numbers/numbers.cpp", "format(r, QChar(kArabicDecimalSeparator))",
     "format(r, numberFormat.decimalSeparator)"),
    ("metric-answers-in-western-digits", "units/conversion.cpp",
     "form.w.setText(form.c.txtTAS[static_cast<size_t>(k)], writeNumber(value, written));",
     "form.w.setText(form.c.txtTAS[static_cast<size_t>(k)], writeNumber(value, form.numbers));"),
    ("base-from-an-imperial-entry-in-western-digits", "units/entry_fields.cpp",
     "writeNumber(amount, form.numbers.writingIn(digitSystemOf(typed)))", "writeNumber(amount, form.numbers)"),
    ("temperatures-in-western-digits", "temperature/temperature.cpp",
     "form.numbers.writingIn(digitSystemOf(form.text(edited)))", "form.numbers"),
    ("solver-digits-of-one-coefficient", "quadratic/solver.cpp",
     "digitSystemOf({form.text(form.c.txtA), form.text(form.c.txtB), form.text(form.c.txtG)})",
     "digitSystemOf(form.text(form.c.txtA))"),
    ("tabs-trimmed-like-blanks", "numbers/numbers.cpp", "text[end - 1] == u' '", "QChar(text[end - 1]).isSpace()"),
    ("nested-trim-stops-stale-tracking", "app/program.cpp", "route->clearStale && !editFailed_ &&",
     "route->clearStale &&"),
    ("reader-keeps-17-digits", "numbers/numbers.cpp", "digits.substr(first, last - first + 1)",
     "digits.substr(first, std::min<size_t>(17, last - first + 1))"),
    ("weight-converted-twice", "units/entry_fields.cpp", "runConversionOfCategory(form, baseUnchanged)",
     "runConversionOfCategory(form, true)"),
    ("label-past-its-spare-room", "window/label3d.cpp", "std::max(home_.left() - spareLeft_, std::min(",
     "std::max(home_.left() - 10 * spareLeft_, std::min("),
    ("keypad-enter-ignored", "window/view/window_keys.cpp", "    case Qt::Key_Return:\n    case Qt::Key_Enter:\n",
     "    case Qt::Key_Return:\n"),
    ("keypad-arrows-unmasked", "window/view/main_window.cpp", " & ~Qt::KeypadModifier) == Qt::NoModifier",
     ") == Qt::NoModifier"),
    ("twips-truncated", "window/view/zoom.cpp", "qRound(t * percent / 1500.0)", "int(t * percent / 1500.0)"),
    ("tie-rounded-down", "numbers/exact.cpp", "2 * remainder >= divisor", "2 * remainder > divisor"),
    ("kelvin-offset-273.15", "temperature/temperature.cpp", "kKelvinOffset(273)", "kKelvinOffset(27315, 100)"),
    ("fahrenheit-factor-inverted", "temperature/temperature.cpp", "kFahrenheitPerCelsius(9, 5)",
     "kFahrenheitPerCelsius(5, 9)"),
    ("results-stay-beside-a-new-equation", "app/routing.cpp",
     '{.control = "txtB", .event = Event::Change, .run = [](Form& f, int) { clearSolverResults(f); }, .quiet = true},',
     ""),
    ("no-red-mark", "form/form.cpp", "== EntryState::NotANumber);", "== EntryState::OnItsWay);"),
    ("driving-field-rewritten", "units/conversion.cpp", "if (k == s)", "if (k == -1)"),
    ("typed-imperial-field-rewritten", "units/conversion.cpp", "if (j == form.editedImperialField)",
     "if (j == -2)"),
    ("overflow-not-refused", "numbers/numbers.cpp", "    if (size > largestDouble())\n        return std::nullopt;",
     ""),
    ("tiny-amount-kept", "numbers/numbers.cpp",
     "    if (size <= halfSmallestDouble())\n        return Exact(0);", ""),
    ("drop-keeps-the-old-driver", "window/model.cpp", "    userFocusIn(id);\n    c.text = text;",
     "    c.text = text;"),
    ("activation-focus-ignored", "window/view/main_window.cpp", "reason == Qt::PopupFocusReason || (",
     "reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason || ("),
    ("option-arrows-do-not-wrap", "window/keyboard.cpp", "((at + step) % count + count) % count",
     "std::clamp(at + step, 0, count - 1)"),
    ("enter-ignores-a-focused-button", "window/keyboard.cpp",
     "if (key == WindowKey::Enter && focused != kNoControl &&", "if (false && focused != kNoControl &&"),
    ("esc-on-every-page", "window/keyboard.cpp", " && model.pageOf(id) == page)", ")"),
    ("option-group-not-one-tab-stop", "window/keyboard.cpp", "        return c.value;", "        return true;"),
    # The window's view: the zoom, the kept zoom, the names, the keys and the text boxes.
    ("zoom-step-250-becomes-225", "window/view/zoom.h", "175, 200, 250, 300}", "175, 200, 225, 300}"),
    ("kept-zoom-not-clamped", "window/view/zoom_memory.cpp", 'number(kept.values, "zoom", kMinZoom, kMaxZoom)',
     'number(kept.values, "zoom", kMinZoom, 1 << 20)'),
    ("ctrl-0-steps-down", "window/view/main_window.cpp",
     "const int requested = direction == kBackToStart ? kMinZoom : zoomStep(zoom_, direction);",
     "const int requested = zoomStep(zoom_, direction);"),
    ("wheel-reaches-the-control", "window/view/wheel_zoom.cpp",
     "        step_(direction);\n    }\n    return true;", "        step_(direction);\n    }\n    return false;"),
    ("grown-window-left-off-screen", "window/view/main_window.cpp", "            move(pos() + back);",
     "            (void)back;"),
    ("page-keys-do-not-wrap", "window/view/main_window.cpp", "(tabs_->currentIndex() + step + count) % count",
     "std::clamp(tabs_->currentIndex() + step, 0, count - 1)"),
    ("tab-order-by-creation", "window/view/main_window.cpp",
     "return model_.at(a).row->tabOrder < model_.at(b).row->tabOrder;", "return a < b;"),
    ("right-arrow-goes-up", "window/view/main_window.cpp", "key == Qt::Key_Down || key == Qt::Key_Right ? 1 : -1",
     "key == Qt::Key_Down ? 1 : -1"),
    ("selection-lost-on-focus-out", "window/view/field_edit.cpp", "    if (selection() != kept)\n        restore(kept);",
     ""),
    ("context-menu-left-to-right", "window/view/context_menu.cpp", "menu->setLayoutDirection(Qt::RightToLeft);",
     "menu->setLayoutDirection(Qt::LeftToRight);"),
    ("result-box-left-selected-after-copy", "window/view/field_edit.cpp",
     "[this] { setCursorPosition(0); }", "[this] { deselect(); }"),
    ("long-text-without-tooltip", "window/view/field_edit.cpp", "setToolTip(cut_ ? text() : QString());",
     "setToolTip(QString());"),
    ("fahrenheit-named-kelvin", "window/view/accessibility.h", '{{"txtF"}, {"Label3D2", 2}},',
     '{{"txtF"}, {"Label3D2", 1}},'),
    # Cases whose tests were folded into other tables.
    ("driver-types-into-a-hidden-field", "driver/runner.cpp",
     '    if (!c.visible)\n        fail(command, "is hidden and cannot " + action);', ""),
    ("driver-focuses-a-disabled-field", "driver/runner.cpp",
     '    if (!c.enabled && !(focusable && action == "take the focus"))\n        fail(command, "is disabled and cannot " + action);',
     ""),
    ("entries-of-any-length", "window/model.cpp", "if (text.size() > kMaxEntryLength)", "if (false)"),
    ("larger-window-icons-dropped", "window/view/main_window.cpp",
     "icon.addPixmap(QPixmap::fromImage(reader.read()));", "(void)reader;"),
    ("frame-caption-against-the-edge", "window/view/style.cpp", "option->rect.right() - kCaptionInset",
     "option->rect.right()"),
    # Faults that once slipped through, each now caught by a named row.
    ("reading-lets-amounts-up-to-1e309-through", "numbers/numbers.cpp",
     "    if (size > largestDouble())\n        throw Failure{FailureReason::Overflow};",
     "    if (size >= powerOfTen(309))\n        throw Failure{FailureReason::Overflow};"),
    ("arabic-separator-first-not-a-number", "numbers/numbers.cpp",
     "    if (i < s.size() && isSeparator(s[i], format))\n        for (++i; i < s.size() && isDigit(s[i]); ++i)\n            digits",
     "    if (i < s.size() && (digits || s[i] != kArabicDecimalSeparator) && isSeparator(s[i], format))\n        for (++i; i < s.size() && isDigit(s[i]); ++i)\n            digits"),
    ("root-beyond-the-range-read-as-empty", "numbers/numbers.cpp",
     "    if (!low || !high)\n        throw Failure{FailureReason::Overflow};\n    return *std::move(low);",
     "    return low.value_or(QString());"),
    ("tiny-amount-written-in-exponent-form", "numbers/numbers.cpp",
     "    if (size <= halfSmallestDouble())\n        return format(RoundedDecimal{}, numberFormat);", ""),
    ("square-test-ignores-the-denominator", "numbers/exact.cpp",
     " || !mpz_perfect_square_p(x.get_den_mpz_t()))", ")"),
    ("weight-entry-with-an-unchanged-grams-text-converts-nothing", "units/entry_fields.cpp",
     "runConversionOfCategory(form, baseUnchanged);", "runConversionOfCategory(form, false);"),
    ("zoom-steps-175-and-200-swapped", "window/view/zoom.h", "{100, 125, 150, 175, 200, 250, 300}",
     "{100, 125, 150, 200, 175, 250, 300}"),
    ("zoomed-lengths-truncated", "window/view/zoom.cpp", "return qRound(pixels * percent / 100.0);",
     "return int(pixels * percent / 100.0);"),
    ("context-menu-at-100-percent", "window/view/context_menu.cpp", "    menu->setFont(font);\n", ""),
    ("undo-record-never-dropped", "window/view/field_edit.cpp",
     "QMetaObject::invokeMethod(this, &FieldEdit::forgetUndoRecord, Qt::QueuedConnection);", ""),
    ("no-display-after-arguments-exits-0", "app/main.cpp",
     "    if (!display.usable)\n        return print(stderr, (display.message + QLatin1Char('\\n')).toUtf8(), language, 1);\n",
     "    if (!display.usable)\n        return 0;\n"),
    ("kept-zoom-the-screen-cannot-hold-overwritten", "window/view/zoom_memory.cpp",
     "kept_(kept), chosen_(kept.zoom),", "kept_(kept), chosen_(std::min(kept.zoom, window.largestZoomOnScreen())),"),
    ("driver-refuses-format-characters", "driver/runner.cpp",
     "return QChar::isPrint(ch) || category == QChar::Other_Format || category == QChar::Other_PrivateUse;",
     "return QChar::isPrint(ch) || category == QChar::Other_PrivateUse;"),
    ("driver-prints-cr-as-nothing", "files/shown_text.cpp", "case u'\\r': out += u\"\\\\r\"; break;",
     "case u'\\r': break;"),
    # Input from any source, the keyboard's route to the results, the drawings' names, the formula lines.
    ("accessibility-edit-on-a-hidden-field", "window/view/field_access.cpp",
     "if (box->isReadOnly() || !reachableByPerson(box))", "if (box->isReadOnly())"),
    ("result-box-takes-an-accessibility-edit", "window/view/main_window.cpp", "            if (field->isReadOnly()) {",
     "            if (false) {"),
    ("results-out-of-the-tab-order", "window/view/field_edit.cpp", "    setReadOnly(true);\n    showSelection();\n}",
     "    setReadOnly(true);\n    setFocusPolicy(Qt::NoFocus);\n    showSelection();\n}"),
    ("result-arrives-unselected", "window/view/field_edit.cpp", "if (resultBox_ && (reason", "if (false && (reason"),
    ("focused-result-shows-its-end", "window/model.cpp", "id == focused_ && c.enabled ?", "id == focused_ ?"),
    ("drawings-unnamed", "window/view/accessibility.cpp", "            nameDrawings(model, slots);", "            (void)model;"),
    ("continuation-indented-at-the-end", "window/view/multi_line_edit.cpp", "hanging.setRightMargin(indent);",
     "hanging.setLeftMargin(indent);"),
    ("unfocused-field-reports-its-selection", "window/view/field_access.cpp",
     "bool selectionShown() const { return edit()->hasFocus() && edit()->hasSelectedText(); }",
     "bool selectionShown() const { return edit()->hasSelectedText(); }"),
    # A replaced file's permissions, a failed write's leftovers, the field being typed in, the focus frame.
    ("snapshot-over-a-private-file-made-public", "driver/files.cpp",
     "replace == files::Replace::Existing ? std::optional<mode_t>(info.st_mode & 0777) : std::nullopt;",
     "std::nullopt;"),
    ("failed-write-leaves-its-temporary-file", "files/whole_file.cpp",
     "    if (error) {\n        removeTemp();\n        return error;\n    }", "    if (error)\n        return error;"),
    ("ellipsis-in-the-field-being-typed-in", "window/view/field_edit.cpp", "    if (hasFocus() || !cut_)\n        return;",
     "    if (!cut_)\n        return;"),
    ("focus-frame-without-its-right-side", "window/view/style.cpp",
     "    painter->fillRect(QRect(rect.right() + 1 - width, rect.top(), width, rect.height()), colour);\n", ""),
    ("clicked-option-loses-its-focus-mark", "window/view/main_window.cpp",
     "        if (now && now->window() == this) {\n            setAttribute(Qt::WA_KeyboardFocusChange);",
     "        if (now && now->window() == this) {"),
]


def run(command, cwd):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    return subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    build = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else root / "build").resolve()
    only = sys.argv[2] if len(sys.argv) > 2 else ""
    env_test = ["ctest", "--parallel", "2", "-E", "packaging|soak", "--timeout", "300"]
    caught = missed = broken = 0
    for name, file, text, replacement in FAULTS:
        if not re.search(only, f"{name} {file}"):
            continue
        path = root / file
        original = path.read_text()
        if original.count(text) != 1:
            print(f"{name}: the text occurs {original.count(text)} times in {file}; fix the table")
            broken += 1
            continue
        path.write_text(original.replace(text, replacement))
        try:
            if run(["cmake", "--build", str(build), "--parallel", "2"], root) != 0:
                verdict = "does not build"
                broken += 1
            elif run(env_test, build) != 0:
                verdict = "caught"
                caught += 1
            else:
                verdict = "MISSED"
                missed += 1
        finally:
            path.write_text(original)
        print(f"{name}: {verdict}", flush=True)
    run(["cmake", "--build", str(build), "--parallel", "2"], root)
    print(f"{caught} caught, {missed} missed, {broken} did not build")
    return 1 if missed else 0


if __name__ == "__main__":
    sys.exit(main())
