#!/usr/bin/env python3
"""Lists every include under src/ that runs up or sideways between layers.

    check-layers.py SRC_FOLDER

The layers, from the bottom up, are the folders of src/core (platform, text,
catalogues, loop, document, report, forms), then src/desktop and src/cli,
which stand side by side on top of the core, and src/web, the browser's
bindings, on top of the calculator (whose summaries it hands out). A file may
include headers of its own folder and of folders below it; the core includes
no Qt or Emscripten header.
Exits 1, with one line per fault, when any include breaks that.
"""

import os
import re
import sys

CORE = ["platform", "text", "catalogues", "loop", "document", "report", "forms"]
TOPS = ["desktop", "cli", "web"]
# The front-ends a front-end stands on.
BELOW = {"web": ["cli"]}
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')


def layer_of(path: str) -> str | None:
    """The layer of a file under src/ ("core/text", "desktop", ...)."""
    parts = path.split("/")
    if parts[0] == "core" and len(parts) > 2 and parts[1] in CORE:
        return "core/" + parts[1]
    if parts[0] in TOPS and len(parts) > 1:
        return parts[0]
    return None


def rank(layer: str) -> int:
    return CORE.index(layer[5:]) if layer.startswith("core/") else len(CORE)


def target_layer(own: str, own_dir: str, name: str, src: str) -> str | None:
    """The layer the quoted include `name` reaches from a file in `own_dir`."""
    if os.path.exists(os.path.join(src, own_dir, name)):
        return layer_of(os.path.normpath(os.path.join(own_dir, name)).replace(os.sep, "/"))
    first = name.split("/")[0]
    if first in CORE:
        return "core/" + first
    if first in TOPS:
        return first
    return None  # not one of ours: the compiler says so when it is missing


def allowed(own: str, target: str) -> bool:
    if own == target:
        return True
    if target in TOPS:
        # nothing includes the programs' folders but themselves and those above
        return target in BELOW.get(own, [])
    return rank(target) < rank(own)


def faults(src: str) -> list[str]:
    found = []
    for folder, _, names in os.walk(src):
        for name in sorted(names):
            if not name.endswith((".cpp", ".h")):
                continue
            rel = os.path.relpath(os.path.join(folder, name), src).replace(os.sep, "/")
            own = layer_of(rel)
            if own is None:
                found.append(f"{rel}: not in any layer's folder")
                continue
            with open(os.path.join(src, rel), encoding="utf-8") as text:
                for number, line in enumerate(text, 1):
                    match = INCLUDE.match(line)
                    if not match:
                        continue
                    quote, included = match.groups()
                    if quote == "<":
                        if own.startswith("core/") and re.match(r"Q[A-Za-z]", included):
                            found.append(f"{rel}:{number}: the core includes Qt's <{included}>")
                        if own.startswith("core/") and included.startswith("emscripten"):
                            found.append(f"{rel}:{number}: the core includes Emscripten's <{included}>")
                        continue
                    target = target_layer(own, os.path.dirname(rel), included, src)
                    if target is not None and not allowed(own, target):
                        found.append(f'{rel}:{number}: {own} includes "{included}" of {target}')
    return found


def main() -> int:
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    found = faults(sys.argv[1])
    for fault in found:
        print(fault)
    if found:
        print(f"{len(found)} include(s) against the layers")
        return 1
    print("Every include keeps to the layers.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
