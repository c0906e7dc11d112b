#!/usr/bin/env python3
"""Completes the built page for installing and for use offline: copies the
web app manifest and the icons it names into the page's folder and writes the
service worker with the SHA-256 of every file it keeps, so that it keeps no
file of another build (a host half way through an upload), and its cache
named after those digests and its own code, so that a new build replaces the
cache of the last.

Usage: offline_files.py SOURCE_DIR ICON_DIR PAGE_DIR
"""

import hashlib
import json
import shutil
import sys
from pathlib import Path

PAGE_FILES = ["index.html", "planetarium.js", "planetarium.wasm", "manifest.webmanifest"]


def main():
    source, icons, page = (Path(argument) for argument in sys.argv[1:4])
    shutil.copyfile(source / "manifest.webmanifest", page / "manifest.webmanifest")
    manifest = json.loads((source / "manifest.webmanifest").read_text(encoding="utf-8"))
    (page / "icons").mkdir(exist_ok=True)
    files = list(PAGE_FILES)
    for icon in manifest["icons"]:
        name = Path(icon["src"]).name
        shutil.copyfile(icons / name, page / "icons" / name)
        files.append(icon["src"])

    digests = {name: hashlib.sha256((page / name).read_bytes()).hexdigest() for name in files}
    code = (source / "service_worker.js").read_text(encoding="utf-8")
    build = hashlib.sha256((json.dumps(digests) + code).encode("utf-8")).hexdigest()
    header = (f"const CACHE = 'planetarium-{build[:16]}';\n"
              f"const FILE_DIGESTS = {json.dumps(digests, indent=2)};\n")
    (page / "service-worker.js").write_text(header + code, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
