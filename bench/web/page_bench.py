#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
"""The page's figures in headless Chromium, measured, not tested:

    bench/web/page_bench.py [PAGE]        (default build-web/wumpel.html)

- the size of the file;
- navigation to a window ready for clicks (the page's 'wumpel-ready' mark),
  for the first load in a fresh browser and the median of later loads;
- one click on "Zeilen anhängen" with 1,000 verses shown: the click's own work
  up to a laid-out field, and up to the next frame drawn."""

import os
import pathlib
import statistics
import sys

# Run from the source tree, which must stay free of compiled caches.
sys.dont_write_bytecode = True
sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tests" / "web"))
from headless_chromium import HeadlessChromium  # noqa: E402

LOADS = 20
CLICKS = 20

READY = "return performance.getEntriesByName('wumpel-ready')[0].startTime"

# Clicks once more with as many verses shown as asked; resolves to the time
# from the click to the laid-out field and to the next frame, in ms.
TIMED_CLICK = """
const [verses, done] = arguments;
const output = document.getElementById('Text2');
const append = document.getElementById('Label1');
while (output.childElementCount < verses) {
    append.click();
}
const start = performance.now();
append.click();
output.scrollHeight;
const laidOut = performance.now() - start;
requestAnimationFrame(() => setTimeout(() => done([laidOut, performance.now() - start]), 0));
"""


def main():
    page = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else "build-web/wumpel.html")
    print("size: {:.1f} KB ({} bytes)".format(os.path.getsize(page) / 1024,
                                              os.path.getsize(page)))
    chromium = HeadlessChromium()
    try:
        driver = chromium.driver
        ready = []
        for _ in range(LOADS):
            chromium.open(page)
            ready.append(driver.execute_script(READY))
        print("ready for clicks: first load {:.0f} ms, median of the next {} {:.0f} ms, "
              "slowest {:.0f} ms".format(ready[0], LOADS - 1, statistics.median(ready[1:]),
                                         max(ready[1:])))
        chromium.open(page)
        driver.find_element("id", "Label3").click()
        driver.find_element("id", "Übernehmen").click()
        laid_out = []
        framed = []
        for click in range(CLICKS):
            times = driver.execute_async_script(TIMED_CLICK, 999 + click)
            laid_out.append(times[0])
            framed.append(times[1])
        print("one click at 1,000 verses: {:.1f} ms to the laid-out field (slowest {:.1f}), "
              "{:.1f} ms to the next frame (median of {})".format(
                  statistics.median(laid_out), max(laid_out), statistics.median(framed), CLICKS))
    finally:
        chromium.close()


if __name__ == "__main__":
    main()
