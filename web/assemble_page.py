#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Wumpel developers
# SPDX-License-Identifier: MIT
"""Puts the page together in one file: the template with the style sheet, the
dog and the module's script (WebAssembly inside) written into it, and a
Content-Security-Policy that lets exactly that style sheet and script run and
nothing load. The notices, the copyright and licence texts of everything the
page holds, go into a comment at its top, since the page travels alone.

    assemble_page.py TEMPLATE STYLE DOG_SVG SCRIPT OUTPUT NOTICE...
"""

import base64
import hashlib
import re
import sys


def source_hash(text):
    digest = hashlib.sha256(text.encode("utf-8")).digest()
    return "'sha256-" + base64.b64encode(digest).decode("ascii") + "'"


DOCTYPE = "<!DOCTYPE html>\n"


def read(path):
    with open(path, encoding="utf-8") as source:
        return source.read()


def notice_comment(notice_paths):
    """The notices one after another in one HTML comment. A notice that held
    the comment's end or a nested start would break out of it, so it is
    refused."""
    notices = "\n".join(read(path) for path in notice_paths)
    for bad in ("-->", "<!--", "--!>"):
        if bad in notices:
            sys.exit("a notice holds " + bad + " and cannot be written inside a comment")
    return ("<!--\nThis page holds code of others besides Wumpel's own. Their copyright and\n"
            "licences follow, as /usr/share/doc/wumpel/copyright of Debian's package\n"
            "wumpel states them, and after them the Apache License 2.0 they refer to.\n\n"
            + notices + "-->\n")


def main(template_path, style_path, dog_path, script_path, output_path, *notice_paths):
    style = read(style_path)
    script = read(script_path)
    if "</script" in script.lower():
        sys.exit("the module's script holds </script and cannot be written inline")
    # The drawing goes into the page as markup of its own; an XML declaration
    # there would be a stray comment.
    dog = re.sub(r"^<\?xml[^>]*\?>\s*", "", read(dog_path))
    dog = dog.replace("<svg ", '<svg id="dog" aria-hidden="true" ', 1)
    # 'wasm-unsafe-eval' lets the script compile its module and nothing else.
    policy = "; ".join([
        "default-src 'none'",
        "script-src " + source_hash(script) + " 'wasm-unsafe-eval'",
        "style-src " + source_hash(style),
        "base-uri 'none'",
        "form-action 'none'",
    ])
    page = read(template_path)
    for placeholder, text in (("@POLICY@", policy), ("@STYLE@", style), ("@DOG@", dog),
                              ("@SCRIPT@", script)):
        if page.count(placeholder) != 1:
            sys.exit("the template must hold " + placeholder + " exactly once")
        page = page.replace(placeholder, text)
    if not page.startswith(DOCTYPE):
        sys.exit("the template must start with " + DOCTYPE.strip())
    page = DOCTYPE + notice_comment(notice_paths) + page[len(DOCTYPE):]
    with open(output_path, "w", encoding="utf-8") as output:
        output.write(page)


if __name__ == "__main__":
    if len(sys.argv) < 7:
        sys.exit(__doc__)
    main(*sys.argv[1:])
