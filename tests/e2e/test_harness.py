"""Checks of the harness and the probe themselves, against programs that ship with Wine.

When one of these fails, the end-to-end results of RVLN.EXE cannot be trusted either.
"""

import os
import unittest

from harness import WineTestCase, session


class NotepadTest(WineTestCase):
    def start_notepad(self, env_extra=None):
        program = self.wine.start(exe="notepad.exe", env_extra=env_extra)
        window = self.wine.wait_window("Notepad", exe="notepad.exe")
        self.assertIsNotNone(window, "notepad did not open its window")
        return program, window

    def edit_of(self, window):
        edits = [c for c in self.wine.children(window["hwnd"]) if c["class"] == "Edit"]
        self.assertEqual(len(edits), 1)
        return edits[0]

    def text_of(self, hwnd):
        return next(c for c in self.wine.children(self.top["hwnd"]) if c["hwnd"] == hwnd)["text"]

    def test_typing_keys_and_save_prompt(self):
        program, self.top = self.start_notepad()
        self.assertEqual(self.top["title"], "Untitled - Notepad")
        edit = self.edit_of(self.top)

        self.wine.type_text(edit["hwnd"], "Hello Wine")
        self.assertEqual(self.wait_until(lambda: self.text_of(edit["hwnd"]) == "Hello Wine"), True)
        status = next(c for c in self.wine.children(self.top["hwnd"])
                      if c["class"] == "msctls_statusbar32")
        self.assertEqual(status["panels"][0]["text"], "Ln 1, Col 11")

        # Ctrl+A then typing replaces everything only if the modifier reached the program.
        self.wine.key(edit["hwnd"], "A", ctrl=True)
        self.wine.type_text(edit["hwnd"], "Bye")
        self.assertTrue(self.wait_until(lambda: self.text_of(edit["hwnd"]) == "Bye"),
                        self.text_of(edit["hwnd"]))

        self.wine.close_window(self.top["hwnd"])
        box = self.wine.message_box(exe="notepad.exe")
        self.assertIsNotNone(box, "no save prompt")
        self.assertEqual(box["caption"], "Notepad")
        self.assertIn("Would you like to save the changes?", box["text"])
        self.assertEqual([b["name"] for b in box["buttons"]], ["Yes", "No", "Cancel"])
        self.assertEqual([b["name"] for b in box["buttons"] if b["default"]], ["Yes"])
        shot = self.wine.screenshot("save-prompt")
        self.assertTrue(shot.exists())

        answered = self.wine.answer_box("No", exe="notepad.exe")
        self.assertTrue(answered["closed"])
        self.assertEqual(program.wait(15), 0)
        self.assertTrue(self.wine.wait_gone(self.top["hwnd"], timeout=5))

    def test_window_screenshot_is_cropped_to_the_window(self):
        _, window = self.start_notepad()
        path = self.wine.screenshot("notepad", rect=window["rect"])
        width, height, colours = self.wine.image_info(path)
        self.assertEqual((width, height), (window["rect"]["width"], window["rect"]["height"]))
        self.assertGreater(colours, 4, "the screenshot looks blank")

    def test_relay_log_shows_api_calls(self):
        self.wine.enable_relay("user32.MessageBoxW")
        program, self.top = self.start_notepad(env_extra=self.wine.relay_env())
        self.wine.type_text(self.edit_of(self.top)["hwnd"], "x")
        self.assertTrue(self.wait_until(lambda: self.text_of(self.edit_of(self.top)["hwnd"]) == "x"))
        self.assertEqual(self.wine.relay_calls(program, "MessageBoxW"), [])
        self.wine.close_window(self.top["hwnd"])
        self.wine.answer_box("No", exe="notepad.exe")
        self.assertEqual(program.wait(15), 0)
        calls = self.wine.relay_calls(program, "MessageBoxW")
        self.assertEqual(len(calls), 1, calls)
        self.assertIn('L"Notepad"', calls[0])
        # The style argument: MB_YESNOCANCEL | MB_ICONQUESTION.
        self.assertEqual(self.wine.relay_arguments(program, "MessageBoxW")[0][-1], 0x23)


class CommonControlsTest(WineTestCase):
    def test_status_bar_panels_and_tab_captions(self):
        self.wine.start(exe="taskmgr.exe")
        window = self.wine.wait_window("#32770", title="Task Manager", exe="taskmgr.exe")
        self.assertIsNotNone(window)

        def filled():
            # Task Manager fills its status bar from a timer after the window shows.
            children = self.wine.children(window["hwnd"])
            classes = {c["class"]: c for c in children}
            bar = classes.get("msctls_statusbar32")
            ready = "SysTabControl32" in classes and bar and all(p["text"] for p in bar["panels"])
            return children if ready else None

        children = self.wait_until(filled, timeout=10)
        self.assertIsNotNone(children, "Task Manager did not fill its window")
        tabs = next(c for c in children if c["class"] == "SysTabControl32")
        self.assertEqual(tabs["tabs"], ["Applications", "Processes", "Performance"])
        self.assertEqual(tabs["count"], 3)
        status = next(c for c in children if c["class"] == "msctls_statusbar32")
        texts = [p["text"].split(":")[0] for p in status["panels"]]
        self.assertEqual(texts, ["Processes", "CPU Usage", "Mem Usage"])
        rights = [p["right"] for p in status["panels"]]
        self.assertEqual(rights, sorted(rights))
        self.assertEqual(rights[0], status["panels"][0]["rect"]["right"])

    def test_combo_selection_notifies_the_owner(self):
        self.wine.start(exe="winecfg.exe")
        window = self.wine.wait_window("#32770", title="Wine configuration", exe="winecfg.exe")
        self.assertIsNotNone(window)
        children = self.wine.children(window["hwnd"])
        combo = next(c for c in children if c["class"] == "ComboBox" and "Windows 10" in c["items"])
        apply_button = next(c for c in children if c["class"] == "Button" and c["text"] == "&Apply")
        self.assertFalse(apply_button["enabled"])
        wanted = combo["items"].index("Windows 10")
        self.assertNotEqual(combo["selected"], wanted)

        self.assertEqual(self.wine.select_combo(combo["hwnd"], wanted)["selected"], wanted)

        def state():
            now = {c["hwnd"]: c for c in self.wine.children(window["hwnd"])}
            return now[combo["hwnd"]]["text"], now[apply_button["hwnd"]]["enabled"]

        # winecfg enables Apply from its CBN_SELCHANGE handler only.
        self.assertTrue(self.wait_until(lambda: state() == ("Windows 10", True)), state())


class PrefixTest(WineTestCase):
    def test_reported_windows_version_follows_the_setting(self):
        expected = {"win95": (1, 4, 0), "win98": (1, 4, 10), "nt351": (2, 3, 51), "nt40": (2, 4, 0)}
        for kind, (platform, major, minor) in expected.items():
            with self.subTest(kind=kind):
                self.wine.set_os(kind)
                info = self.wine.sysinfo()
                self.assertEqual((info["platform"], info["major"], info["minor"]), (platform, major, minor))

    def test_prefixes_are_isolated_and_sealed(self):
        info = self.wine.sysinfo()
        self.assertEqual(info["drives"], "C", "only drive C may reach the file system")
        self.assertEqual(info["screen"], {"width": 1024, "height": 768})
        for dirpath, dirnames, filenames in os.walk(self.wine.drive_c):
            for name in dirnames + filenames:
                self.assertFalse(os.path.islink(os.path.join(dirpath, name)), name)

        self.wine.reg_add(r"HKCU\Software\QAV\HarnessCheck", "Marker", "one  two")
        self.assertEqual(self.wine.reg_query(r"HKCU\Software\QAV\HarnessCheck", "Marker"),
                         ("REG_SZ", "one  two"))
        self.wine.reg_add(r"HKCU\Software\QAV\HarnessCheck", "Number", 42, kind="REG_DWORD")
        self.assertEqual(self.wine.reg_query(r"HKCU\Software\QAV\HarnessCheck")["Number"],
                         ("REG_DWORD", 42))
        other = session().new_prefix(self.id().split(".", 1)[-1] + "-other")
        try:
            self.assertIsNone(other.reg_query(r"HKCU\Software\QAV\HarnessCheck"))
        finally:
            other.close()


if __name__ == "__main__":
    unittest.main()
