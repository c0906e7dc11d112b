#!/usr/bin/env python3
"""Completes the built page for installing and for use offline: copies the
web app manifest and the icons it names into the page's folder and writes the
service worker, its cache named after a hash of every file it keeps, so that a
new build replaces the cache of the last.

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

    digest = hashlib.sha256()
    for name in files:
        digest.update((page / name).read_bytes())
    header = (f"const CACHE = 'planetarium-{digest.hexdigest()[:16]}';\n"
              f"const FILES = {json.dumps(files)};\n")
    worker = header + (source / "service_worker.js").read_text(encoding="utf-8")
    (page / "service-worker.js").write_text(worker, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
