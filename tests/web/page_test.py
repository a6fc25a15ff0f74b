# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
"""The page in a real browser: where its objects sit, the verses it shows, and
the click and focus rules it shares with the Qt window."""

import base64
import json
import os
import subprocess
import tempfile
import unittest

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

from headless_chromium import HeadlessChromium

PAGE = os.environ["WUMPEL_WEB_PAGE"]
VERSE_TOOL = os.environ["WUMPEL_VERSE_TOOL"]
PRINT_LAYOUT = os.environ["WUMPEL_PRINT_LAYOUT"]
# The page's objects as they follow each other in one column on a phone.
READING_ORDER = ["Eingabe", "Command1", "Label3", "Text4", "Text5", "Text1", "Übernehmen",
                 "Label2", "Label1", "Text2", "Text3"]


def rgb(hex_colour):
    value = int(hex_colour[1:], 16)
    return "rgb({}, {}, {})".format(value >> 16, (value >> 8) & 0xFF, value & 0xFF)


class PageCase(unittest.TestCase):
    """A fresh Chromium for each case, set up as `browser` says."""
    browser = {}

    def setUp(self):
        self.chromium = HeadlessChromium(**self.browser)
        self.addCleanup(self.chromium.close)
        self.driver = self.chromium.driver

    def click(self, name):
        self.driver.find_element("id", name).click()

    def value(self, name):
        return self.driver.execute_script("return document.getElementById(arguments[0]).value",
                                          name)

    def output(self):
        return self.driver.execute_script("return document.getElementById('Text2').textContent")

    def focused(self):
        return self.driver.execute_script("return document.activeElement.id")

    def seeded_verses(self, count):
        """What wumpel-verse writes for list 1 and the seed 7."""
        list_1 = self.value("Text1").replace("\n", "\r\n")
        return subprocess.run([VERSE_TOOL, "--seed", "7", "--count", str(count)], input=list_1,
                              check=True, capture_output=True, text=True,
                              encoding="utf-8").stdout


class PageTest(PageCase):
    def test_boxes_colours_and_texts_follow_layout_table(self):
        layout = json.loads(subprocess.run([PRINT_LAYOUT], check=True, capture_output=True,
                                           text=True, encoding="utf-8").stdout)
        self.chromium.open(PAGE)
        measured = self.driver.execute_script("""
            const origin = document.getElementById('Wumpel').getBoundingClientRect();
            return arguments[0].map(name => {
                const element = document.getElementById(name);
                const box = element.getBoundingClientRect();
                const style = getComputedStyle(element);
                const field = element instanceof HTMLTextAreaElement ||
                              element instanceof HTMLInputElement;
                return [box.left - origin.left, box.top - origin.top, box.width, box.height,
                        style.backgroundColor, style.fontSize, style.fontWeight,
                        field ? element.value : element.textContent];
            });""", [object["name"] for object in layout["objects"]])
        for object, (left, top, width, height, background, size, weight, text) in zip(
                layout["objects"], measured):
            with self.subTest(object=object["name"]):
                for side, actual in (("left", left), ("top", top), ("width", width),
                                     ("height", height)):
                    self.assertLessEqual(abs(actual - object[side]), 1, side)
                if object["background"] is not None:
                    self.assertEqual(background, rgb(object["background"]))
                self.assertEqual(size, "{}px".format(object["pixelSize"]))
                self.assertEqual(weight, "700" if object["bold"] else "400")
                self.assertEqual(text, object["text"].replace("\r\n", "\n"))

    def test_seeded_run_writes_what_wumpel_verse_writes(self):
        self.chromium.open(PAGE, "?seed=7")
        self.click("Label3")
        self.click("Übernehmen")
        self.click("Label1")
        self.click("Label1")
        # The page shows LF for every line break, as the tool writes them.
        self.assertEqual(self.output(), self.seeded_verses(3))
        self.assertEqual(self.chromium.errors(), [])

    # A surrogate without its partner is no Unicode: the engine gets U+FFFD
    # for it, as wumpel-verse writes it.
    def test_lone_surrogate_reaches_the_engine_as_replacement_character(self):
        self.chromium.open(PAGE, "?seed=7")
        self.driver.execute_script(
            "document.getElementById('Text1').value = arguments[0] + String.fromCharCode(0xD800)"
            " + arguments[1];", "der A", "\ndie B\ndas C\nder D\ndie E\ndas F\nder G\ndie H\ndas I\n")
        self.click("Übernehmen")
        expected = subprocess.run([VERSE_TOOL, "--seed", "7"],
                                  input="der A\ufffd\ndie B\ndas C\nder D\ndie E\ndas F\n"
                                        "der G\ndie H\ndas I\n", check=True, capture_output=True,
                                  text=True, encoding="utf-8").stdout
        self.assertEqual(self.output(), expected)

    # An exception stops at the export it came through: one line on the
    # console, both texts kept, and the page goes on. Asking for an example
    # list that does not exist is the one way a click's action can throw here.
    def test_a_throwing_export_says_so_and_keeps_both_texts(self):
        self.chromium.open(PAGE)
        self.click("Label3")
        self.click("Übernehmen")
        word_list, verses = self.value("Text1"), self.output()
        self.driver.get_log("browser")
        self.driver.execute_script("_wumpelLoadExample(4);")
        self.assertEqual([entry["message"].split(" ", 2)[2] for entry in
                          self.driver.get_log("browser")],
                         ['"wumpel: loading an example list failed: no example word list with '
                          'this number"'])
        self.assertEqual((self.value("Text1"), self.output()), (word_list, verses))
        self.click("Label1")
        self.assertEqual(self.output().count("Wenn "), 2)

    def test_too_few_words_message(self):
        message = subprocess.run([VERSE_TOOL], input="der Hund\n", capture_output=True,
                                 text=True, encoding="utf-8").stderr.rstrip("\n")
        self.chromium.open(PAGE)
        self.click("Label1")
        self.assertEqual(self.output(), message)
        self.click("Label3")
        self.click("Übernehmen")
        self.assertTrue(self.output().startswith("Wenn "))
        word_list = self.driver.find_element("id", "Text1")
        word_list.clear()
        word_list.send_keys("der Hund", Keys.ENTER, "die Katze")
        self.assertEqual(self.value("Text1"), "der Hund\ndie Katze")
        self.click("Übernehmen")
        self.assertEqual(self.output(), message)

    def test_double_click_appends_one_verse(self):
        self.chromium.open(PAGE)
        self.click("Label3")
        self.click("Übernehmen")
        ActionChains(self.driver).double_click(
            self.driver.find_element("id", "Label1")).perform()
        self.assertEqual(self.output().count("Wenn "), 2)

    def test_start_focus_and_tab_order(self):
        self.chromium.open(PAGE)
        self.assertEqual(self.output(), " noch leer\n")
        self.assertEqual(self.focused(), "Text1")
        self.click("Label3")
        self.assertEqual(self.focused(), "Text1", "a label took the focus")
        reached = []
        for _ in range(5):
            ActionChains(self.driver).send_keys(Keys.TAB).perform()
            reached.append(self.focused())
        self.assertEqual(reached, ["Text2", "Text3", "Command1", "Text4", "Text5"])

    def test_print_holds_every_verse(self):
        self.chromium.open(PAGE)
        self.click("Label3")
        self.click("Übernehmen")
        for _ in range(30):
            self.click("Label1")
        with tempfile.NamedTemporaryFile(suffix=".pdf") as pdf:
            pdf.write(base64.b64decode(
                self.driver.execute_cdp_cmd("Page.printToPDF", {})["data"]))
            pdf.flush()
            printed = subprocess.run(["pdftotext", pdf.name, "-"], check=True,
                                     capture_output=True, text=True).stdout
        self.assertEqual(self.output().count("Wenn "), 31)
        self.assertEqual(printed.split(), self.output().split())

    def test_information_text_keeps_its_descenders(self):
        self.chromium.open(PAGE)
        # Unclipped, the part of Text3's box below the window's edge looks the
        # same with its text as without.
        below = self.driver.execute_script("""
            document.getElementById('Wumpel').style.overflow = 'visible';
            const edge = document.getElementById('Wumpel').getBoundingClientRect().bottom;
            const box = document.getElementById('Text3').getBoundingClientRect();
            return {x: box.left, y: edge, width: box.width, height: box.bottom - edge,
                    scale: 1};""")
        self.assertGreater(below["height"], 0)
        shots = []
        for colour in ("", "transparent"):
            self.driver.execute_script(
                "document.getElementById('Text3').style.color = arguments[0]", colour)
            shots.append(self.driver.execute_cdp_cmd("Page.captureScreenshot", {"clip": below}))
        self.assertEqual(shots[0], shots[1])


class PhonePageTest(PageCase):
    browser = {"phone": True}
    clock = 0

    def tap(self, name, after=1):
        """A tap on the object's middle, `after` seconds on the page's clock
        after the last one."""
        x, y = self.driver.execute_script("""
            const element = document.getElementById(arguments[0]);
            element.scrollIntoView({block: 'center'});
            const box = element.getBoundingClientRect();
            return [box.left + box.width / 2, box.top + box.height / 2];""", name)
        self.clock += after
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {
                "type": kind, "touchPoints": points, "timestamp": self.clock})

    def test_one_column_for_fingers_and_a_seeded_run_by_taps(self):
        self.chromium.open(PAGE, "?seed=7")
        boxes = self.driver.execute_script("""
            return Object.fromEntries(arguments[0].map(name => {
                const element = document.getElementById(name);
                const box = element.getBoundingClientRect();
                return [name, [box.top, box.left, box.width, box.height,
                               parseFloat(getComputedStyle(element).fontSize)]];
            }).concat([['page', [document.documentElement.scrollWidth, innerWidth]]]));""",
            READING_ORDER)
        self.assertEqual(sorted(READING_ORDER, key=lambda name: boxes[name][:2]), READING_ORDER)
        for name in ("Command1", "Label3", "Text4", "Text5", "Übernehmen", "Label2", "Label1"):
            self.assertGreaterEqual(min(boxes[name][2:4]), 44, name)
        for name in ("Text1", "Text2", "Text3", "Text4", "Text5"):
            self.assertGreaterEqual(boxes[name][4], 16, name)
        self.assertLessEqual(boxes["page"][0], boxes["page"][1], "the page scrolls sideways")
        for name in ("Label3", "Übernehmen", "Label1", "Label1"):
            self.tap(name)
        self.assertEqual(self.output(), self.seeded_verses(3))
        self.tap("Label1")
        self.tap("Label1", after=0.2)
        self.assertEqual(self.output().count("Wenn "), 4, "a double tap")
        self.assertEqual(self.chromium.errors(), [])


class ScriptlessPageTest(PageCase):
    browser = {"script": False}

    def test_says_it_needs_script(self):
        self.chromium.open(PAGE, ready=False)
        line = self.driver.find_element("id", "noScript")
        self.assertTrue(line.is_displayed())
        self.assertEqual(line.text,
                         "Diese Seite braucht JavaScript; bitte schalten Sie es im Browser ein.")
        self.assertEqual(self.chromium.errors(), [], "the policy refused part of the page")


if __name__ == "__main__":
    unittest.main()
