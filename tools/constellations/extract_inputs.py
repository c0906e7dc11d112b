#!/usr/bin/env python3
"""Cut the committed inputs of make_constellations.py out of their sources.

Usage: extract_inputs.py D3_CELESTIAL_PACKAGE_DIR BSC_FILE TARGET_DIR

D3_CELESTIAL_PACKAGE_DIR is the unpacked npm package d3-celestial 0.7.35
(`npm pack d3-celestial@0.7.35`, then `tar xzf`: the folder "package"), and
BSC_FILE the star file of Debian's xplanet package
(/usr/share/xplanet/stars/BSC). Writes into TARGET_DIR:

  d3-celestial/LICENSE                   the package's licence, unchanged
  d3-celestial/constellations.lines.json the figure lines, unchanged
  d3-celestial/constellations.bounds.json the constellation boundaries, unchanged
  d3-celestial/constellations.names.json per constellation its id, Latin and
                                         Japanese name and label point
  d3-celestial/starnames.ja.json         the star names that have a Japanese
                                         name, with their designations
  bsc5_faint.txt                         the Bright Star Catalogue lines of
                                         V 4.0 and fainter of the named stars
                                         and of the stars within SEARCH_ARCMIN
                                         of one or of a figure vertex

The stars brighter than V 4.0 are tools/starcat/bsc5_bright.txt already, so
that the two files together hold every catalogue star the generator may match.
"""

import json
import os
import shutil
import sys

sys.dont_write_bytecode = True  # keep the source folder free of a cache folder
from make_constellations import (BSC_HEADER_COLUMNS, SEARCH_ARCMIN, hd_number,  # noqa: E402
                                 read_figure_vertices, separation_arcsec)

FAINT_FROM_V = 4.0  # bsc5_bright.txt holds the stars brighter than this
STARNAME_FIELDS = ("name", "ja", "bayer", "flam", "c", "hd", "hip")
CONSTELLATION_FIELDS = ("name", "ja")

BSC_HEADER = f"""\
# Stars of V 4.0 and fainter from the Yale Bright Star Catalogue, 5th revised
# edition (Hoffleit and Warren 1991), as distributed in Debian's xplanet
# package, file /usr/share/xplanet/stars/BSC (xplanet 1.3.1-3+b1, Debian bookworm).
# Extracted by tools/constellations/extract_inputs.py: the data lines of that
# file with V >= 4.0 that carry the HD number of a star that d3-celestial names
# in Japanese or lie within {SEARCH_ARCMIN:g} arcmin of such a star or of a vertex of
# d3-celestial's constellation figures, unchanged and in the file's order.
#
{BSC_HEADER_COLUMNS}
"""


def write_json_rows(path, rows):
    """A JSON object or array with one member a line, UTF-8, keys as given."""
    with open(path, "w", encoding="utf-8", newline="\n") as target:
        target.write(rows[0] + "\n" + ",\n".join(rows[1:-1]) + "\n" + rows[-1] + "\n")


def compact(value):
    return json.dumps(value, ensure_ascii=False, separators=(", ", ": "))


def extract_constellation_names(source, target):
    with open(source, encoding="utf-8") as f:
        features = json.load(f)["features"]
    rows = ["["]
    for feature in features:
        entry = {"id": feature["id"]}
        entry.update((k, feature["properties"][k]) for k in CONSTELLATION_FIELDS)
        entry["coordinates"] = feature["geometry"]["coordinates"]
        rows.append(compact(entry))
    write_json_rows(target, rows + ["]"])


def extract_star_names(source, target):
    """Returns the HD numbers of the named stars."""
    with open(source, encoding="utf-8") as f:
        names = json.load(f)
    rows, hd_numbers = ["{"], set()
    for hip in sorted((k for k, v in names.items() if v.get("ja")), key=int):
        entry = {k: names[hip][k] for k in STARNAME_FIELDS if k in names[hip]}
        rows.append(f"{compact(hip)}: {compact(entry)}")
        if hd_number(entry):
            hd_numbers.add(hd_number(entry))
    write_json_rows(target, rows + ["}"])
    return hd_numbers


def near_any(ra_hours, dec_deg, vertices):
    """Whether a J2000 place lies within SEARCH_ARCMIN of one of the vertices."""
    return any(separation_arcsec(ra_hours, dec_deg, ra, dec) <= SEARCH_ARCMIN * 60.0
               for ra, dec in vertices if abs(dec - dec_deg) <= SEARCH_ARCMIN / 60.0)


def extract_faint_stars(bsc_path, vertices, hd_numbers, target):
    """The faint lines near a vertex or a named star, or of a named star."""
    with open(bsc_path, encoding="ascii") as source:
        lines = [line for line in source if line.split() and not line.startswith("#")]
    places = [(float(line.split()[1]), float(line.split()[0]), int(line.split('"')[2].split()[1]))
              for line in lines]
    anchors = vertices + [(ra, dec) for ra, dec, hd in places if hd in hd_numbers]
    with open(target, "w", encoding="ascii", newline="\n") as out:
        out.write(BSC_HEADER)
        for line, (ra_hours, dec_deg, hd) in zip(lines, places):
            if float(line.split()[2]) >= FAINT_FROM_V and (
                    hd in hd_numbers or near_any(ra_hours, dec_deg, anchors)):
                out.write(line)


def main(argv):
    if len(argv) != 4:
        sys.exit("usage: extract_inputs.py D3_CELESTIAL_PACKAGE_DIR BSC_FILE TARGET_DIR")
    package, bsc_path, target = argv[1:]
    d3_target = os.path.join(target, "d3-celestial")
    os.makedirs(d3_target, exist_ok=True)
    shutil.copyfile(os.path.join(package, "LICENSE"), os.path.join(d3_target, "LICENSE"))
    for unchanged in ("constellations.lines.json", "constellations.bounds.json"):
        shutil.copyfile(os.path.join(package, "data", unchanged),
                        os.path.join(d3_target, unchanged))
    lines_path = os.path.join(d3_target, "constellations.lines.json")
    extract_constellation_names(os.path.join(package, "data", "constellations.json"),
                                os.path.join(d3_target, "constellations.names.json"))
    hd_numbers = extract_star_names(os.path.join(package, "data", "starnames.json"),
                                    os.path.join(d3_target, "starnames.ja.json"))
    vertices = [v for polylines in read_figure_vertices(lines_path).values()
                for line in polylines for v in line]
    extract_faint_stars(bsc_path, vertices, hd_numbers, os.path.join(target, "bsc5_faint.txt"))


if __name__ == "__main__":
    main(sys.argv)
