# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
"""Debian's chromium, headless, driven by Debian's chromium-driver: a fresh
profile each time, nothing fetched in the background, and room for the whole
window, or a phone's screen, and script on or off."""

import pathlib
import shutil
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.ui import WebDriverWait

WINDOW_SIZE = "1000,700"
# A phone's screen in CSS px, drawn at scale 3, with touch instead of a mouse.
PHONE = {"deviceMetrics": {"width": 390, "height": 844, "pixelRatio": 3, "touch": True}}


class HeadlessChromium:
    def __init__(self, phone=False, script=True):
        self._profile = tempfile.mkdtemp(prefix="wumpel-chromium-")
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--no-first-run",
                         "--disable-background-networking", "--disable-component-update",
                         "--disable-sync",
                         "--user-data-dir=" + self._profile, "--window-size=" + WINDOW_SIZE):
            options.add_argument(argument)
        if phone:
            options.add_experimental_option("mobileEmulation", PHONE)
        if not script:
            options.add_experimental_option(
                "prefs", {"profile.managed_default_content_settings.javascript": 2})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def open(self, page, query="", ready=True):
        """Opens the page from disk and, when ready, waits until it takes clicks."""
        self.driver.get(pathlib.Path(page).resolve().as_uri() + query)
        if not ready:
            return
        WebDriverWait(self.driver, 10).until(lambda driver: driver.execute_script(
            "return performance.getEntriesByName('wumpel-ready').length > 0"))

    def errors(self):
        """What the page's console reported as errors since the last call, the
        policy's refusals among them."""
        return [entry["message"] for entry in self.driver.get_log("browser")
                if entry["level"] == "SEVERE"]

    def close(self):
        self.driver.quit()
        shutil.rmtree(self._profile, ignore_errors=True)
