#!/usr/bin/env python3
"""Writes planetarium.html: the built page in one file, the script and the
WebAssembly module inside it (gzip-compressed, as base64, inflated by the
browser's DecompressionStream when the script instantiates it: the module
compresses to half its size, which keeps the file small enough to mail), for opening from disk (file://, where a module cannot be fetched)
and for handing out. The lines of index.html marked data-served (the manifest,
the icon, the module's preload, the service worker and its news of a new
build) are left out.

Usage: single_file.py PAGE_DIR
"""

import base64
import gzip
import re
import sys
from pathlib import Path

SCRIPT_TAG = '<script src="planetarium.js"></script>'

# Hands the script the module it would otherwise fetch. A browser without
# DecompressionStream (before 2023) says so on the page instead of staying blank.
INSTANTIATE = """var Module = {instantiateWasm: function (imports, instantiated) {
  var packed = Uint8Array.from(atob('MODULE'), function (c) { return c.charCodeAt(0); });
  Promise.resolve().then(function () {
    var inflated = new Blob([packed]).stream().pipeThrough(new DecompressionStream('gzip'));
    return new Response(inflated).arrayBuffer();
  }).then(function (wasm) {
    return WebAssembly.instantiate(wasm, imports);
  }).then(function (result) {
    instantiated(result.instance, result.module);
  }, function () {
    var notice = document.createElement('p');
    notice.textContent = 'このブラウザーでは開けません。新しいブラウザーで開いてください。';
    document.body.prepend(notice);
  });
  return {};
}};
"""


def main():
    page = Path(sys.argv[1])
    html = (page / "index.html").read_text(encoding="utf-8")
    script = (page / "planetarium.js").read_text(encoding="utf-8")
    wasm = (page / "planetarium.wasm").read_bytes()
    module = base64.b64encode(gzip.compress(wasm, compresslevel=9, mtime=0)).decode("ascii")
    if "</script" in script.lower():
        raise SystemExit("planetarium.js holds '</script', which would end the inline script")

    # The elements marked data-served: <link> lines, empty <p> lines, and a
    # <script> up to its end.
    html = re.sub(r"(?ms)^<script data-served>.*?</script>\n", "", html)
    html = re.sub(r"(?m)^<link [^>]*\bdata-served\b[^>]*>\n", "", html)
    html = re.sub(r"(?m)^<p [^>]*\bdata-served\b[^>]*></p>\n", "", html)
    if re.search(r"<[a-z][^>]*\bdata-served\b", re.sub(r"(?s)<!--.*?-->", "", html)):
        raise SystemExit("index.html marks an element data-served that this script cannot leave out")
    inline = "<script>\n" + INSTANTIATE.replace("MODULE", module) + "</script>\n<script>\n" + \
        script + "\n</script>"
    if html.count(SCRIPT_TAG) != 1:
        raise SystemExit("index.html must load planetarium.js once, as " + SCRIPT_TAG)
    (page / "planetarium.html").write_text(html.replace(SCRIPT_TAG, inline), encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
