"""The Settings notebook as a user meets it: opening it from the toolbar, the context menu's Ctrl
shortcuts and "/S"; reaching every tab and sub-page with the keyboard; what each sub-page shows and
how its controls are laid out; and leaving it with "&Save" or "Ca&ncel"."""

import re
import subprocess
import time
import unittest

from ravelin import SETTINGS_KEY, RavelinTestCase

CONTROLS_KEY = SETTINGS_KEY + r"\LocalUser\Controls"

# The tabs in order: the letter that selects a tab in the notebook view, the caption without its
# "(n/N)" and the group panel of each sub-page with its caption (None where the caption is the
# page layout's own choice).
TABS = [
    ("C", "&Controls", [("GroupTray", "System Tray ( -Icon ):"), ("GroupGraphic", "Graphic Controls:"),
                        ("GroupTasks", "Tasks:"), ("GroupEventLog", "Event Log:"),
                        ("GroupBeeper", "Beeper:")]),
    ("H", "&HotKeys", [("GroupHotKeys1", "System HotKeys [1/2]:"),
                       ("GroupHotKeys2", "System HotKeys [2/2]:")]),
    ("T", "&Timers", [("GroupTimers", None)]),
    ("W", "&Watchdogs", [("GroupRunInit", None), ("GroupEmptyDirs", "Empty Directories:"),
                         ("GroupDevices", None)]),
    ("Y", "S&ystem", [("GroupCPanel", "Copy Control Panel:"), ("GroupSplash", "Windows® 95/98 SplashScr.:"),
                      ("GroupBoot", "Windows® 98 (Re-)Boot:")]),
]
CONTROLS, HOTKEYS, TIMERS, WATCHDOGS, SYSTEM = range(5)
ALL_GROUPS = {name for _, _, groups in TABS for name, _ in groups}

# The context menu's page items: Ctrl + key opens (tab, sub-page).
SHORTCUTS = [
    ("Y", CONTROLS, 1), ("G", CONTROLS, 2), ("A", CONTROLS, 3), ("L", CONTROLS, 4), ("B", CONTROLS, 5),
    ("1", HOTKEYS, 1), ("2", HOTKEYS, 2), ("T", TIMERS, 1),
    ("R", WATCHDOGS, 1), ("D", WATCHDOGS, 2), ("M", WATCHDOGS, 3),
    ("P", SYSTEM, 1), ("S", SYSTEM, 2), ("O", SYSTEM, 3),
]

# The sub-page of each control the tests change; a page has no windows before it first shows.
PAGE_OF_CONTROL = {"CheckBox1": (CONTROLS, 2)}
SHORTCUT_OF_PAGE = {(tab, page): key for key, tab, page in SHORTCUTS}

EM_SETSEL = 0x00B1


def tab_caption(tab, page):
    _, text, groups = TABS[tab]
    return f"{text} ({page}/{len(groups)})" if len(groups) > 1 else text


def overlap(a, b):
    return (min(a["right"], b["right"]) > max(a["left"], b["left"])
            and min(a["bottom"], b["bottom"]) > max(a["top"], b["top"]))


def label(entry):
    return entry["name"] or f'{entry["class"]}#{entry["hwnd"]}'


class NotebookView:
    """One reading of the notebook: every window below Panel1 with what the probe sees of it."""

    def __init__(self, entries):
        self.entries = entries
        self.named = {e["name"]: e for e in entries if e["name"]}
        self.pages = self.named.get("PageControl1") or {}

    @property
    def showing(self):
        return bool(self.pages.get("visible"))

    @property
    def selected(self):
        return self.pages.get("selected")

    @property
    def captions(self):
        return self.pages.get("tabs") or []

    def visible_groups(self):
        return sorted(name for name in ALL_GROUPS if self.named.get(name, {}).get("visible"))

    def children_of(self, window):
        return [e for e in self.entries if e["parent"] == window["hwnd"] and e["visible"]]

    def shape(self):
        """What must stop changing before a sub-page counts as shown: its wipe-in is over."""
        groups = [self.named[name] for name in self.visible_groups()]
        return (self.showing, self.selected, tuple(self.captions),
                tuple((g["name"], tuple(g["rect"].values()),
                       tuple((label(c), tuple(c["rect"].values())) for c in self.children_of(g)))
                      for g in groups))

    def describe(self):
        caption = self.captions[self.selected] if self.captions and self.selected is not None and \
            0 <= self.selected < len(self.captions) else None
        return (f"notebook {'shown' if self.showing else 'hidden'}, tab {self.selected} {caption!r}, "
                f"visible groups {self.visible_groups()}")


class NotebookTestCase(RavelinTestCase):
    def setUp(self):
        super().setUp()
        self.problems = []

    def panel(self, main):
        if getattr(self, "_panel", None) is None:
            # The notebook gets its windows when it first opens.
            found = self.wine.find("Panel1", top=main["hwnd"], timeout=15)
            self.assertIsNotNone(found, "the notebook got no windows")
            self._panel = found["hwnd"]
        return self._panel

    def read(self, main):
        return NotebookView(self.wine.children(self.panel(main)))

    def open_with_settings_button(self, main):
        button = self.tool_button(main, "BitBtn1")
        self.assertIsNotNone(button, "the toolbar has no \"Settings...\" button")
        self.assertTrue(button["visible"] and button["enabled"],
                        f"\"Settings...\" cannot be pressed: {button}")
        self.click_tool(main, "BitBtn1")

    def wait_page(self, main, tab, page, timeout=15):
        """The notebook once it shows the sub-page, its wipe-in finished; None (with the last
        reading in self.last_view) when it does not get there."""
        group, _ = TABS[tab][2][page - 1]
        deadline = time.monotonic() + timeout
        last_shape = None
        while True:
            view = self.read(main)
            self.last_view = view
            reached = (view.showing and view.selected == tab
                       and len(view.captions) == len(TABS) and view.captions[tab] == tab_caption(tab, page)
                       and view.visible_groups() == [group] and view.children_of(view.named[group]))
            if reached and view.shape() == last_shape:
                return view
            last_shape = view.shape() if reached else None
            if time.monotonic() >= deadline:
                return None
            time.sleep(0.05)

    def expect_page(self, main, tab, page, how):
        """Waits for a sub-page and notes a problem instead of stopping, so that one missing page
        does not hide the state of the others."""
        view = self.wait_page(main, tab, page)
        if view is None:
            self.problems.append(f"{how}: expected {tab_caption(tab, page)!r} showing "
                                 f"{TABS[tab][2][page - 1][0]}, saw {self.last_view.describe()}")
            return None
        group, caption = TABS[tab][2][page - 1]
        if caption is not None and view.named[group]["text"] != caption:
            self.problems.append(f"{how}: {group} reads {view.named[group]['text']!r}, not {caption!r}")
        return view

    def check_layout(self, view, group_name):
        """Every visible control of the sub-page has a size, lies inside its group and covers no
        sibling; only a spinner's arrows may touch the edit they belong to."""
        group = view.named[group_name]
        sheet = next((e for e in view.entries if e["hwnd"] == group["parent"]), None)
        if sheet and not self.inside(group["rect"], sheet["client"]):
            self.problems.append(f"{group_name} {group['rect']} leaves its tab sheet {sheet['client']}")
        children = view.children_of(group)
        for child in children:
            rect = child["rect"]
            if rect["width"] <= 0 or rect["height"] <= 0:
                self.problems.append(f"{group_name}: {label(child)} has no size {rect}")
            elif not self.inside(rect, group["client"]):
                self.problems.append(
                    f"{group_name}: {label(child)} {rect} leaves the group {group['client']}")
        for i, a in enumerate(children):
            for b in children[i + 1:]:
                if a["rect"]["width"] <= 0 or b["rect"]["width"] <= 0 or not overlap(a["rect"], b["rect"]):
                    continue
                if a.get("buddy") == b["hwnd"] or b.get("buddy") == a["hwnd"]:
                    continue
                self.problems.append(f"{group_name}: {label(a)} {a['rect']} overlaps {label(b)} {b['rect']}")

    @staticmethod
    def inside(rect, client):
        return (rect["left"] >= 0 and rect["top"] >= 0
                and rect["right"] <= client["width"] and rect["bottom"] <= client["height"])

    def screenshot_page(self, main, tab, page):
        window = next(w for w in self.wine.windows(cls="TForm1") if w["hwnd"] == main["hwnd"])
        group = TABS[tab][2][page - 1][0]
        path = self.wine.screenshot(f"page-{tab + 1}-{page}-{group}", rect=window["rect"])
        width, height, colours = self.wine.image_info(path)
        if (width, height) != (window["rect"]["width"], window["rect"]["height"]) or colours <= 8:
            self.problems.append(f"screenshot of {group} is {width}x{height} with {colours} colours")

    def type_page(self, main, digit):
        """Selects the spinner's text and types a digit over it, as a user who clicked into it."""
        spinner = self.control(main, "SpinEdit1")
        if not spinner["visible"] or not spinner["enabled"]:
            self.problems.append(f"page spinner cannot take {digit}: visible {spinner['visible']}, "
                                 f"enabled {spinner['enabled']}, tab {self.read(main).selected}")
            return False
        self.wine.key(spinner["hwnd"], "END")
        self.wine.probe_ok("send", spinner["hwnd"], EM_SETSEL, 0, -1)
        self.wine.key(spinner["hwnd"], digit)
        return True

    def assert_no_problems(self):
        self.assertEqual(self.problems, [], "\n".join(self.problems))

    def wait_main_view(self, main, timeout=15):
        def back():
            return (self.control(main, "Button1")["visible"] and self.control(main, "ComboBox1")["visible"]
                    and not self.control(main, "PageControl1")["visible"])
        return self.wait_until(back, timeout=timeout)

    def caption_icon_reds(self, main, name):
        """Red pixels at the left end of the main window's caption, where its icon is drawn: the
        program's icon has a red symbol, its greyed form has none, and the caption has no red."""
        window = next(w for w in self.wine.windows(cls="TForm1") if w["hwnd"] == main["hwnd"])
        corner = dict(window["rect"], width=28, height=26)
        out = subprocess.run(["convert", str(self.wine.screenshot(name, rect=corner)), "-format", "%c",
                              "histogram:info:-"], capture_output=True, text=True, check=True, timeout=30).stdout
        reds = 0
        for line in out.splitlines():
            match = re.match(r"\s*(\d+):\s*\(\s*(\d+),\s*(\d+),\s*(\d+)", line)
            if match:
                n, r, g, b = map(int, match.groups())
                if r >= 150 and r - g >= 80 and r - b >= 80:
                    reds += n
        return reds

    def click_check_box(self, main, name):
        """Clicks a check box of the open notebook and returns its new state."""
        box = self.control(main, name)
        self.assertTrue(box["visible"] and box["enabled"], f"{name} cannot be clicked: {box}")
        self.wine.click(box["hwnd"])
        changed = self.wait_until(lambda: self.control(main, name)["check"] != box["check"], timeout=10)
        self.assertTrue(changed, f"clicking {name} did not change it (rect {box['rect']})")
        return self.control(main, name)["check"]


class OpeningTest(NotebookTestCase):
    def test_settings_button_opens_the_first_tab_and_nine_gives_the_last_page(self):
        _, main = self.start_main()
        self.assertIsNone(self.wine.find("Panel1", top=main["hwnd"]), "start-up made the notebook's windows")
        self.open_with_settings_button(main)
        view = self.wait_page(main, CONTROLS, 1)
        self.assertIsNotNone(view, self.last_view.describe())
        self.assertEqual(view.captions, ["&Controls (1/5)", "&HotKeys (1/2)", "&Timers", "&Watchdogs (1/3)",
                                         "S&ystem (1/3)"])
        self.assertEqual(view.named["GroupTray"]["text"], "System Tray ( -Icon ):")
        self.assertEqual(self.tool_button(main, "BitBtn1")["visible"], False, "the toolbar stays in view")
        self.assertFalse(self.control(main, "ComboBox1")["visible"])
        self.assertFalse(self.control(main, "Button1")["enabled"])
        for name in ("Button2", "Button3", "Button4", "SpinEdit1"):
            self.assertTrue(self.control(main, name)["visible"], f"{name} is not shown")
        self.assertEqual(self.control(main, "Button2")["button"], "default", "\"&Save\" is not the default")

        self.assertTrue(self.type_page(main, "9"), "\n".join(self.problems))
        view = self.wait_page(main, CONTROLS, 5)
        self.assertIsNotNone(view, self.last_view.describe())
        self.assertEqual(view.named["GroupBeeper"]["text"], "Beeper:")
        self.assertEqual(self.control(main, "SpinEdit1")["text"], "5")

    def test_s_switch_starts_in_the_notebook(self):
        _, main = self.start_main("/S")
        view = self.wait_page(main, CONTROLS, 1)
        self.assertIsNotNone(view, self.last_view.describe())
        self.assertEqual(view.named["GroupTray"]["text"], "System Tray ( -Icon ):")
        self.assertFalse(self.control(main, "ComboBox1")["visible"])
        self.assertTrue(self.control(main, "Button2")["visible"])


class KeyboardTest(NotebookTestCase):
    def test_letters_and_page_spinner_reach_every_sub_page(self):
        _, main = self.start_main()
        made = sorted(ALL_GROUPS & set(self.wine.controls(main["hwnd"])))
        self.assertEqual(made, [], "start-up made the windows of sub-pages not shown yet")
        first_windows = {}
        self.wine.key(main["hwnd"], "O")
        self.assertIsNotNone(self.wait_page(main, CONTROLS, 1), f"\"O\" did not open the notebook: "
                                                                f"{self.last_view.describe()}")
        for tab, (letter, _, groups) in enumerate(TABS):
            # "O" has just shown the first tab; its letter is pressed from other tabs below, where
            # the page it brings differs from the one on screen.
            if tab != CONTROLS:
                self.wine.key(main["hwnd"], letter)
            for page in range(1, len(groups) + 1):
                if page > 1 and not self.type_page(main, str(page)):
                    break
                how = f"key {letter}" if page == 1 else f"key {letter}, spinner {page}"
                view = self.expect_page(main, tab, page, how)
                if view is None:
                    continue
                if len(groups) == 1 and self.control(main, "SpinEdit1")["visible"]:
                    self.problems.append(f"{how}: the page spinner shows on a tab without sub-pages")
                self.check_layout(view, groups[page - 1][0])
                self.screenshot_page(main, tab, page)
                first_windows[groups[page - 1][0]] = view.named[groups[page - 1][0]]["hwnd"]

        # Each tab comes back at the sub-page it was left on, in the windows made the first time.
        for tab in (CONTROLS, HOTKEYS, WATCHDOGS, SYSTEM):
            letter, _, groups = TABS[tab]
            self.wine.key(main["hwnd"], letter)
            view = self.expect_page(main, tab, len(groups), f"back with key {letter}")
            group = groups[-1][0]
            if view is not None and view.named[group]["hwnd"] != first_windows.get(group):
                self.problems.append(f"{group} got new windows when it showed again")
        self.assert_no_problems()

    def test_context_menu_shortcuts_open_their_sub_pages(self):
        _, main = self.start_main()
        # Ctrl+B first, from the main view: a shortcut opens the notebook by itself.
        order = [s for s in SHORTCUTS if s[0] == "B"] + [s for s in SHORTCUTS if s[0] != "B"]
        for key, tab, page in order:
            self.wine.key(main["hwnd"], key, ctrl=True)
            self.expect_page(main, tab, page, f"Ctrl+{key}")
        self.assert_no_problems()


class LeavingTest(NotebookTestCase):
    def show_page_of(self, main, name):
        """Brings up the sub-page that holds a control, as a user does with its Ctrl shortcut,
        and checks that the control is on it."""
        tab, page = PAGE_OF_CONTROL[name]
        # Not on the page already shown: the reading taken before the key arrives would pass for
        # the page while the program wipes it out and in again.
        view = self.wait_page(main, tab, page, timeout=1)
        if view is None:
            self.wine.key(main["hwnd"], SHORTCUT_OF_PAGE[(tab, page)], ctrl=True)
            view = self.wait_page(main, tab, page)
            self.assertIsNotNone(view, self.last_view.describe())
        group = TABS[tab][2][page - 1][0]
        by_hwnd = {e["hwnd"]: e for e in view.entries}
        entry = view.named.get(name)
        while entry is not None and entry["name"] != group:
            entry = by_hwnd.get(entry["parent"])
        self.assertIsNotNone(entry, f"{name} is not on {group}")
        return tab, page

    def reopen_at(self, main, name):
        """Opens the notebook again with "Settings...": the first tab at its remembered sub-page,
        then the sub-page of the control."""
        tab, page = PAGE_OF_CONTROL[name]
        self.open_with_settings_button(main)
        self.assertIsNotNone(self.wait_page(main, CONTROLS, page if tab == CONTROLS else 1),
                             self.last_view.describe())
        if tab != CONTROLS:
            self.show_page_of(main, name)

    def test_cancel_returns_to_the_main_view_with_the_earlier_settings(self):
        self.wine.reg_add(CONTROLS_KEY, "Center", 1, "REG_DWORD")
        _, main = self.start_main()
        self.assertGreater(self.caption_icon_reds(main, "icon-before"), 5, "the program's icon is not shown")
        self.open_with_settings_button(main)
        self.assertIsNotNone(self.wait_page(main, CONTROLS, 1), self.last_view.describe())
        # The settings wear the greyed icon.
        self.assertEqual(self.caption_icon_reds(main, "icon-settings"), 0, "the icon is not greyed")
        self.show_page_of(main, "CheckBox1")
        self.assertEqual(self.control(main, "CheckBox1")["check"], 1)
        self.assertEqual(self.click_check_box(main, "CheckBox1"), 0)

        self.wine.click(self.control(main, "Button3")["hwnd"])
        self.assertTrue(self.wait_main_view(main), "\"Ca&ncel\" did not return to the main view")
        self.assertTrue(self.tool_button(main, "BitBtn1")["visible"], "the toolbar did not come back")
        self.assertEqual(self.wine.reg_query(CONTROLS_KEY, "Center"), ("REG_DWORD", 1))
        self.assertGreater(self.caption_icon_reds(main, "icon-after"), 5, "the program's icon did not come back")

        self.reopen_at(main, "CheckBox1")
        self.assertEqual(self.control(main, "CheckBox1")["check"], 1, "the change survived \"Ca&ncel\"")

    def test_save_writes_the_change_to_the_registry(self):
        self.wine.reg_add(CONTROLS_KEY, "Center", 1, "REG_DWORD")
        _, main = self.start_main()
        self.open_with_settings_button(main)
        self.assertIsNotNone(self.wait_page(main, CONTROLS, 1), self.last_view.describe())
        self.show_page_of(main, "CheckBox1")
        self.assertEqual(self.click_check_box(main, "CheckBox1"), 0)
        # Nothing reaches the registry before "&Save".
        self.assertEqual(self.wine.reg_query(CONTROLS_KEY, "Center"), ("REG_DWORD", 1))

        self.wine.click(self.control(main, "Button2")["hwnd"])
        self.assertTrue(self.wait_main_view(main), "\"&Save\" did not return to the main view")
        self.assertTrue(self.tool_button(main, "BitBtn1")["visible"], "the toolbar did not come back")
        self.assertEqual(self.wine.reg_query(CONTROLS_KEY, "Center"), ("REG_DWORD", 0))
        self.reopen_at(main, "CheckBox1")
        self.assertEqual(self.control(main, "CheckBox1")["check"], 0)


if __name__ == "__main__":
    unittest.main()


class HighDpiTest(NotebookTestCase):
    """On a screen of 144 DPI (150 %) the windows scale their 96-DPI layout with the larger system
    font: the notebook's sub-pages still fit, nothing overlaps, and the window stays on the screen.
    The sub-pages looked at are the first of each tab and those with lists, the fullest ones."""

    PAGES = [(CONTROLS, 1), (CONTROLS, 3), (HOTKEYS, 1), (TIMERS, 1), (WATCHDOGS, 2), (WATCHDOGS, 3),
             (SYSTEM, 1)]

    def check_inside_parents(self, panel, client, view):
        """Every visible window of the notebook lies inside its parent's client area, and so, one
        parent after the other, inside the main window's. A scroll box's children may lie below
        its visible part: that is what it scrolls."""
        if not self.inside(panel["rect"], client):
            self.problems.append(f"Panel1 {panel['rect']} leaves the main window's client area {client}")
        parents = {e["hwnd"]: e for e in view.entries}
        parents[panel["hwnd"]] = panel
        for entry in view.entries:
            parent = parents.get(entry["parent"])
            if not entry["visible"] or parent is None or parent["class"] == "TScrollBox":
                continue
            if entry["rect"]["width"] > 0 and not self.inside(entry["rect"], parent["client"]):
                self.problems.append(f"{label(entry)} {entry['rect']} leaves {label(parent)} {parent['client']}")

    def test_sub_pages_fit_at_144_dpi(self):
        self.wine.reg_add(r"HKCU\Control Panel\Desktop", "LogPixels", 144, kind="REG_DWORD")
        _, main = self.start_main()
        # 190 x 35 at 96 DPI: at least half as large again.
        button = self.control(main, "Button1")["rect"]
        self.assertGreaterEqual((button["width"], button["height"]), (285, 52),
                                f"the main window's layout is not scaled: Button1 {button}")
        self.wine.screenshot("main-window-144dpi", rect=main["rect"])
        screen = self.wine.sysinfo()["screen"]
        shortcut = {(tab, page): key for key, tab, page in SHORTCUTS}
        panel = window = None
        for tab, page in self.PAGES:
            key = shortcut[(tab, page)]
            self.wine.key(main["hwnd"], key, ctrl=True)
            view = self.expect_page(main, tab, page, f"Ctrl+{key}")
            if view is None:
                continue
            if window is None:
                # The window keeps its size while the notebook shows.
                window = next(w for w in self.wine.windows(cls="TForm1") if w["hwnd"] == main["hwnd"])
                panel = self.control(main, "Panel1")
                rect = window["rect"]
                if rect["left"] < 0 or rect["top"] < 0 or rect["right"] > screen["width"] or \
                        rect["bottom"] > screen["height"]:
                    self.problems.append(f"the window {rect} leaves the screen {screen}")
            self.check_layout(view, TABS[tab][2][page - 1][0])
            self.check_inside_parents(panel, window["client"], view)
            if (tab, page) in ((CONTROLS, 1), (WATCHDOGS, 3)):
                self.screenshot_page(main, tab, page)
        self.assert_no_problems()
