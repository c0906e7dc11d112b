#!/usr/bin/env python3
"""Generate the constellation figures, names, asterisms, star names and star
designations of the chart.

Usage: make_constellations.py REPOSITORY OUTPUT_DIR

Reads its inputs from their places in the REPOSITORY checkout and writes seven
C++ initializer lists into OUTPUT_DIR (catalog/ for the committed ones):

  constellations_data.inc        the 88 constellations, IAU order
  sky_stars_data.inc             every star a figure, an asterism or a name uses
  constellation_lines_data.inc   the figure lines, by constellation
  asterisms_data.inc             the six teaching asterisms
  asterism_lines_data.inc        their lines
  star_names_data.inc            the stars with a Japanese name
  star_designations_data.inc     constellation, Bayer letter and Flamsteed number
                                 of every chart catalogue star and of every
                                 star above

A report (name differences, vertex matches, counts) goes to standard output.
Standard library only; the output depends on nothing but the inputs.

Figures
-------
Each vertex of d3-celestial's figure lines (J2000, longitude = right
ascension in degrees) is matched to a Bright Star Catalogue star: of the
catalogue stars within PAIR_ARCMIN of the vertex a chart catalogue row if
there is one, else the brightest, so that a double star's vertex goes to the
star the chart draws or to its primary (alpha2 CVn, not alpha1); when none
lies that close, the nearest within SEARCH_ARCMIN. A match farther than
DOUBT_ARCMIN is reported. Segments whose two vertices land on the same star
and repeated segments of one constellation are dropped and reported.

Places
------
A star that is a row of the chart catalogue (catalog/chart_stars_data.inc)
takes that row's right ascension, declination and magnitude as written, so
that a line ends exactly on the drawn star. Any other star takes its J2000
catalogue place precessed and rounded as tools/starcat/make_chart_stars.py
does for the chart (its own functions are used) and its V magnitude.

Names
-----
Constellation names are those of official_names.tsv; d3-celestial's Japanese
and Latin names are compared with them and every difference is printed. A
constellation's name point is d3-celestial's label point, precessed. Star
names are d3-celestial's Japanese names of the stars it names that are in the
Bright Star Catalogue (matched by HD number, then moved like a vertex to the
star of its pair the chart draws or the brighter one, unless that one has a
name of its own: Izar's HD number is that of epsilon Boo B), except that the
twenty named
stars of the chart catalogue keep the program's own names (full-width) and
Latin identifiers from NAMED_STAR_IDS.

Designations
------------
Every star of the chart catalogue and of sky_stars_data.inc gets the Bayer
letter (with its component number), Flamsteed number and constellation of its
Bright Star Catalogue designation, which has Greek letters only; BAYER_ADDITIONS
adds two it lacks. A star whose designation is empty takes the constellation
its place lies in by the IAU boundaries (d3-celestial's corners, see
constellation_boundaries.py); every other star of the inputs must lie in the
constellation of its designation. The star names take their Bayer letters for
the identifiers of shared names from here; d3-celestial's letters are compared
and every difference is printed.
"""

import json
import math
import os
import re
import sys
import textwrap
import unicodedata

sys.dont_write_bytecode = True  # keep tools/starcat free of a cache folder
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "starcat"))
from make_chart_stars import (EPOCH_YEAR, FIXED_ROWS, Star,  # noqa: E402
                              decimal_text, precess, separation_arcsec)
from constellation_boundaries import constellation_at, read_boundaries  # noqa: E402

PAIR_ARCMIN = 1.0  # the brightest catalogue star this close to a vertex is taken
SEARCH_ARCMIN = 6.0  # farthest match; bsc5_faint.txt holds every faint star this close
DOUBT_ARCMIN = 3.0  # a match farther than this is reported
SERPENS = "Ser"  # d3-celestial draws Serpens Caput and Cauda as two features

BSC_HEADER_COLUMNS = """\
# Columns: declination [deg, J2000], right ascension [hours, J2000], V magnitude,
# quoted Flamsteed number / Bayer letter / constellation, HR, HD, SAO.
#    Dec      RA   Mag         Name  BSN     HD    SAO"""

# The labels the chart and the readout print (half-width katakana, the pole
# star in kanji): HR -> label, for the twenty named stars.
CHART_LABELS = {hr: row[4] for hr, row in FIXED_ROWS.items() if row[4]}

# The twenty named stars of the chart catalogue: HR -> Latin identifier.
NAMED_STAR_IDS = {
    472: "achernar", 1457: "aldebaran", 1713: "rigel", 1708: "capella", 2061: "betelgeuse",
    2326: "canopus", 2491: "sirius", 2891: "castor", 2943: "procyon", 2990: "pollux",
    3982: "regulus", 5056: "spica", 5340: "arcturus", 5459: "alpha-centauri", 6134: "antares",
    7001: "vega", 7557: "altair", 7924: "deneb", 8728: "fomalhaut", 424: "polaris",
}

# Corrections of d3-celestial's Japanese star names: HIP -> (given, corrected, why).
STAR_NAME_CORRECTIONS = {
    "42911": ("アルセス・アウストラリス", "アセルス・アウストラリス",
              "Asellus Australis; its partner is アセルス・ボレアリス"),
}

# Bayer letters the Bright Star Catalogue leaves out of a star's designation:
# HR -> (letter, why). Both stars are named, HR 1393 among three Beemim.
BAYER_ADDITIONS = {
    1393: ("υ3", "43 Eri is upsilon3 Eridani"),
    7775: ("β2", "HD 193452, the fainter star of the wide pair beta Capricorni"),
}

# The asterisms: identifier, Japanese name, polylines of HR numbers. Each star's
# Bright Star Catalogue designation is checked against ASTERISM_STARS.
ASTERISMS = [
    ("summer-triangle", "夏の大三角", [[7001, 7924, 7557, 7001]]),
    ("winter-triangle", "冬の大三角", [[2061, 2491, 2943, 2061]]),
    ("spring-triangle", "春の大三角", [[5340, 5056, 4534, 5340]]),
    ("autumn-square", "秋の四辺形", [[8781, 8775, 15, 39, 8781]]),
    ("big-dipper", "北斗七星", [[4301, 4295, 4554, 4660, 4301], [4660, 4905, 5054, 5191]]),
    ("spring-great-curve", "春の大曲線", [[4905, 5054, 5191, 5340, 5056]]),
]
ASTERISM_STARS = {
    7001: "Alp Lyr", 7924: "Alp Cyg", 7557: "Alp Aql",  # Vega, Deneb, Altair
    2061: "Alp Ori", 2491: "Alp CMa", 2943: "Alp CMi",  # Betelgeuse, Sirius, Procyon
    5340: "Alp Boo", 5056: "Alp Vir", 4534: "Bet Leo",  # Arcturus, Spica, Denebola
    8781: "Alp Peg", 8775: "Bet Peg", 15: "Alp And", 39: "Gam Peg",
    4301: "Alp UMa", 4295: "Bet UMa", 4554: "Gam UMa", 4660: "Del UMa",
    4905: "Eps UMa", 5054: "Zet UMa", 5191: "Eta UMa",
}

# Bright Star Catalogue abbreviations of the Greek letters: (letter, Latin spelling).
GREEK = {
    "Alp": ("α", "alpha"), "Bet": ("β", "beta"), "Gam": ("γ", "gamma"), "Del": ("δ", "delta"),
    "Eps": ("ε", "epsilon"), "Zet": ("ζ", "zeta"), "Eta": ("η", "eta"), "The": ("θ", "theta"),
    "Iot": ("ι", "iota"), "Kap": ("κ", "kappa"), "Lam": ("λ", "lambda"), "Mu": ("μ", "mu"),
    "Nu": ("ν", "nu"), "Xi": ("ξ", "xi"), "Omi": ("ο", "omicron"), "Pi": ("π", "pi"),
    "Rho": ("ρ", "rho"), "Sig": ("σ", "sigma"), "Tau": ("τ", "tau"), "Ups": ("υ", "upsilon"),
    "Phi": ("φ", "phi"), "Chi": ("χ", "chi"), "Psi": ("ψ", "psi"), "Ome": ("ω", "omega"),
}
LATIN_OF_GREEK = dict(GREEK.values())

CHART_ROW_PATTERN = re.compile(r'^\{([-0-9.]+), ([-0-9.]+), ([-0-9.]+), (\d+)\},  // (\d+) HR')

INPUTS = {
    "official": "tools/constellations/official_names.tsv",
    "lines": "tools/constellations/d3-celestial/constellations.lines.json",
    "names": "tools/constellations/d3-celestial/constellations.names.json",
    "bounds": "tools/constellations/d3-celestial/constellations.bounds.json",
    "starnames": "tools/constellations/d3-celestial/starnames.ja.json",
    "bright": "tools/starcat/bsc5_bright.txt",
    "faint": "tools/constellations/bsc5_faint.txt",
    "chart": "catalog/chart_stars_data.inc",
}

D3_CREDIT = "d3-celestial 0.7.35 (c) 2015 Olaf Frohn, BSD-3-Clause"


class CatalogueStar(Star):
    """A Bright Star Catalogue line: Star's fields plus HD number and designation."""

    def __init__(self, line):
        super().__init__(line)
        designation = line.split('"')[1]  # Flamsteed (3), Bayer (3), component (1), constellation
        self.hd = int(line.split('"')[2].split()[1])
        self.flamsteed = int(designation[:3]) if designation[:3].strip() else 0
        self.greek = GREEK.get(designation[3:6].strip())
        self.component = designation[6].strip()
        self.constellation = designation[7:10].strip()


class SkyStar:
    """A star of the output: HR, chart row (0: none) and place texts at the chart epoch."""

    def __init__(self, star, chart_row):
        self.hr, self.label = star.hr, star.label
        if chart_row:
            self.chart_row, self.ra_text, self.dec_text, self.v_text = chart_row[:4]
        else:
            self.chart_row = 0
            self.ra_text, self.dec_text, self.v_text = star.ra_text, star.dec_text, star.v_text


def hd_number(entry):
    """HD number of a d3-celestial star name entry ("HD 358", thin space), or None."""
    digits = re.sub(r"\D", "", entry.get("hd", ""))
    return int(digits) if digits else None


def read_official_names(path):
    """[(abbreviation, Latin, Japanese)] in the file's order."""
    with open(path, encoding="utf-8") as source:
        rows = [line.rstrip("\n").split("\t") for line in source if not line.startswith("#")]
    if len(rows) != 88 or any(len(r) != 3 for r in rows):
        sys.exit(f"{path}: expected 88 rows of three columns")
    return [tuple(r) for r in rows]


def read_figure_vertices(path):
    """{abbreviation: [polyline of (RA [hours], Dec [deg]) J2000]}, Serpens' parts joined."""
    with open(path, encoding="utf-8") as source:
        features = json.load(source)["features"]
    figures = {}
    for feature in features:
        polylines = [[(lon % 360.0 / 15.0, lat) for lon, lat in line]
                     for line in feature["geometry"]["coordinates"]]
        figures.setdefault(feature["id"], []).extend(polylines)
    return figures


def read_catalogue(*paths):
    stars = []
    for path in paths:
        with open(path, encoding="ascii") as source:
            stars += [CatalogueStar(line) for line in source
                      if line.strip() and not line.startswith("#")]
    return stars


def read_chart_rows(path):
    """{HR: (row, RA text, Dec text, V text)} of the chart catalogue."""
    rows = {}
    with open(path, encoding="utf-8") as source:
        for line in source:
            match = CHART_ROW_PATTERN.match(line)
            if match:
                ra, dec, v, hr, row = match.groups()
                rows[int(hr)] = (int(row), ra, dec, v)
    if len(rows) != 496:
        sys.exit(f"{path}: {len(rows)} rows, expected 496")
    return rows


class Catalogue:
    """The Bright Star Catalogue stars of the inputs, with the chart catalogue's rows."""

    def __init__(self, stars, chart_rows):
        self.by_hr = {s.hr: s for s in stars}
        self.by_hd = {s.hd: s for s in stars}
        self.chart_rows = chart_rows

    def near(self, ra_hours, dec_deg, limit_arcmin):
        """[(distance [arcmin], star)] within limit_arcmin of a J2000 place, nearest first."""
        found = []
        for s in self.by_hr.values():
            if abs(s.dec_j2000 - dec_deg) <= limit_arcmin / 60.0:
                distance = separation_arcsec(ra_hours, dec_deg, s.ra_j2000, s.dec_j2000) / 60.0
                if distance <= limit_arcmin:
                    found.append((distance, s.hr))
        return [(distance, self.by_hr[hr]) for distance, hr in sorted(found)]

    def primary(self, near, passed_over=()):
        """Of the stars of near() within PAIR_ARCMIN, the one a line or name goes to: a
        chart row first, then the brightest, then the nearest; returns (distance, star)."""
        pair = sorted((s.hr not in self.chart_rows, s.v, distance, s.hr)
                      for distance, s in near if distance <= PAIR_ARCMIN
                      and s.hr not in passed_over)
        return (pair[0][2], self.by_hr[pair[0][3]]) if pair else None


def match_vertex(ra_hours, dec_deg, catalogue, report):
    """The catalogue star of a figure vertex (see the module notes) and its distance."""
    near = catalogue.near(ra_hours, dec_deg, SEARCH_ARCMIN)
    if not near:
        sys.exit(f"vertex {ra_hours:.4f} h {dec_deg:+.4f} deg: no catalogue star within "
                 f"{SEARCH_ARCMIN} arcmin")
    distance, star = catalogue.primary(near) or near[0]
    nearest_distance, nearest = near[0]
    if star is not nearest:
        report.append(f"  vertex {ra_hours:8.4f} h {dec_deg:+8.4f}: HR {star.hr} {star.label} "
                      f"(V {star.v}, {distance:.2f}') rather than the nearest HR "
                      f"{nearest.hr} {nearest.label} (V {nearest.v}, {nearest_distance:.2f}')")
    if distance > DOUBT_ARCMIN:
        report.append(f"  DOUBTFUL vertex {ra_hours:.4f} h {dec_deg:+.4f}: HR {star.hr} "
                      f"at {distance:.2f}'")
    return star, distance


def figure_segments(figures, official, catalogue, report):
    """[(constellation index, HR, HR)] in constellation order, then d3-celestial's order."""
    segments, worst, matched = [], 0.0, {}
    for index, (abbreviation, _, _) in enumerate(official):
        if abbreviation not in figures:
            sys.exit(f"{abbreviation}: no figure in d3-celestial")
        seen = set()
        for line in figures[abbreviation]:
            ends = []
            for ra, dec in line:
                if (ra, dec) not in matched:
                    matched[ra, dec] = match_vertex(ra, dec, catalogue, report)
                star, distance = matched[ra, dec]
                ends.append(star.hr)
                worst = max(worst, distance)
            for a, b in zip(ends, ends[1:]):
                if a == b:
                    report.append(f"  {abbreviation}: segment from HR {a} to itself dropped")
                elif frozenset((a, b)) in seen:
                    report.append(f"  {abbreviation}: repeated segment HR {a} - HR {b} dropped")
                else:
                    seen.add(frozenset((a, b)))
                    segments.append((index, a, b))
    unknown = set(figures) - {o[0] for o in official}
    if unknown:
        sys.exit(f"figures of unknown constellations {sorted(unknown)}")
    report.append(f"  {len(matched)} vertices; farthest match {worst * 60.0:.1f} arcsec")
    return segments


def compare_names(official, d3_names, report):
    """Print every difference of d3-celestial's names from the official ones."""
    by_abbreviation = {o[0]: o for o in official}
    for entry in d3_names:
        abbreviation, latin, japanese = by_abbreviation[entry["id"]]
        if entry["ja"] != japanese:
            report.append(f"  {abbreviation}: Japanese {entry['ja']} in d3-celestial, "
                          f"official {japanese}")
        if entry["name"] != latin:
            report.append(f"  {abbreviation}: Latin {entry['name']} in d3-celestial, "
                          f"official {latin}")
    missing = set(by_abbreviation) - {e["id"] for e in d3_names}
    if missing:
        sys.exit(f"no d3-celestial name for {sorted(missing)}")


def name_points(official, d3_names):
    """{abbreviation: (RA text, Dec text)}: the first d3-celestial label point, precessed."""
    points = {}
    for entry in d3_names:
        if entry["id"] not in points:
            lon, lat = entry["coordinates"]
            ra, dec = precess(lon % 360.0 / 15.0, lat, EPOCH_YEAR)
            points[entry["id"]] = (decimal_text(ra, 5), decimal_text(dec, 4))
    return [points[o[0]] for o in official]


def latin_id(name):
    """Lower-case ASCII identifier of a proper name: "Deneb Kaitos" -> "deneb-kaitos"."""
    ascii_name = unicodedata.normalize("NFKD", name).encode("ascii", "ignore").decode()
    return re.sub(r"[^a-z0-9]+", "-", ascii_name.lower()).strip("-")


def catalogue_bayer(star):
    return star.greek[0] + star.component if star.greek else ""


def star_designations(catalogue, outlines, official, report):
    """{HR: (constellation index, Bayer letter, Flamsteed number)} of every catalogue star
    of the inputs: its designation's with BAYER_ADDITIONS, or where that is empty the
    constellation of its place. A designation's constellation must be that of the place."""
    index_of = {o[0]: i for i, o in enumerate(official)}
    found = {}
    for hr, star in catalogue.by_hr.items():
        constellation = constellation_at(outlines, star.ra_j2000, star.dec_j2000)
        if star.constellation and star.constellation != constellation:
            sys.exit(f"HR {hr} {star.label}: its place lies in {constellation}")
        found[hr] = (index_of[constellation], catalogue_bayer(star), star.flamsteed)
    for hr, (letter, why) in BAYER_ADDITIONS.items():
        if found[hr][1]:
            sys.exit(f"HR {hr}: Bayer {letter} to add, but the catalogue has {found[hr][1]}")
        found[hr] = (found[hr][0], letter, found[hr][2])
        given = " ".join(catalogue.by_hr[hr].label.split()) or "no designation"
        report.append(f"  HR {hr} ({given}): Bayer {letter} added ({why})")
    return found


def star_names(entries, catalogue, official, designations, report):
    """[(HR, id, Japanese, label)] sorted by HR."""
    by_hd = {hip: catalogue.by_hd.get(hd_number(entry)) for hip, entry in entries.items()}
    named_hrs = {star.hr for star in by_hd.values() if star}
    named, by_name = {}, {}
    for hip, entry in entries.items():
        star = by_hd[hip]
        if star is None:
            report.append(f"  HIP {hip} {entry['name']} ({entry['ja']}): not in the "
                          f"Bright Star Catalogue, left out")
            continue
        near = catalogue.near(star.ra_j2000, star.dec_j2000, PAIR_ARCMIN)
        _, primary = catalogue.primary(near, named_hrs - {star.hr})
        if primary is not star:
            report.append(f"  HIP {hip} {entry['name']}: HD {star.hd} is HR {star.hr} (V "
                          f"{star.v}), the companion of HR {primary.hr} (V {primary.v}); "
                          f"named HR {primary.hr}")
            star = primary
        japanese = entry["ja"]
        if hip in STAR_NAME_CORRECTIONS:
            given, corrected, why = STAR_NAME_CORRECTIONS[hip]
            if japanese != given:
                sys.exit(f"HIP {hip}: expected {given} to correct, found {japanese}")
            report.append(f"  HIP {hip} {entry['name']}: {given} corrected to {corrected} ({why})")
            japanese = corrected
        constellation, bayer, _ = designations[star.hr]
        if entry.get("bayer", "") != bayer:
            report.append(f"  HR {star.hr} {entry['name']}: Bayer {entry.get('bayer', '')!r} "
                          f"in d3-celestial, {bayer!r} in the designations (used)")
        if entry.get("c", official[constellation][0]) != official[constellation][0]:
            sys.exit(f"HR {star.hr}: constellation {entry['c']} in d3-celestial, "
                     f"{official[constellation][0]} in the designations")
        if star.hr in named:
            sys.exit(f"HR {star.hr} named twice")
        named[star.hr] = [latin_id(entry["name"]), japanese]
        by_name.setdefault(entry["name"], []).append(star.hr)
    for name, hrs in by_name.items():
        if len(hrs) > 1:
            for hr in hrs:
                constellation, bayer, _ = designations[hr]
                designation = LATIN_OF_GREEK[bayer[0]] + bayer[1:] if bayer else f"hr{hr}"
                named[hr][0] = "-".join([latin_id(name), designation,
                                         official[constellation][0].lower()])
            report.append(f"  {name} names HR {hrs}: ids {[named[hr][0] for hr in hrs]}")
    for hr, identifier in NAMED_STAR_IDS.items():
        if hr not in named:
            sys.exit(f"named chart star HR {hr} has no d3-celestial name")
        japanese = unicodedata.normalize("NFKC", CHART_LABELS[hr])
        if named[hr][1] != japanese:
            report.append(f"  HR {hr} {identifier}: {named[hr][1]} in d3-celestial, "
                          f"the program's {japanese} used")
        named[hr][:2] = [identifier, japanese]
    ids = [n[0] for n in named.values()]
    if len(set(ids)) != len(ids):
        sys.exit("star name identifiers not unique")
    japanese_names = {}
    for hr, n in named.items():
        japanese_names.setdefault(n[1], []).append(hr)
    for japanese, hrs in sorted(japanese_names.items()):
        if len(hrs) > 1:
            report.append(f"  {japanese} names HR {sorted(hrs)}")
    return [(hr, *named[hr], CHART_LABELS.get(hr, "")) for hr in sorted(named)]


def asterism_segments(figure_hrs, by_hr, report):
    """[(asterism index, HR, HR)], checking each star's designation."""
    segments = []
    for index, (identifier, _, polylines) in enumerate(ASTERISMS):
        for line in polylines:
            for hr in line:
                if not by_hr[hr].label.endswith(ASTERISM_STARS[hr]):
                    sys.exit(f"{identifier}: HR {hr} is {by_hr[hr].label}, "
                             f"not {ASTERISM_STARS[hr]}")
                if hr not in figure_hrs:
                    report.append(f"  {identifier}: HR {hr} is on no figure line, added")
            segments += [(index, a, b) for a, b in zip(line, line[1:])]
    return segments


def unit_vector(ra_hours, dec_deg):
    ra, dec = math.radians(ra_hours * 15.0), math.radians(dec_deg)
    return (math.cos(dec) * math.cos(ra), math.cos(dec) * math.sin(ra), math.sin(dec))


def line_centroid_text(lines):
    """Centre of the drawn lines [((RA, Dec), (RA, Dec))] in hours and degrees: the mean
    direction of their midpoints weighted by their lengths, as (RA text, Dec text)."""
    total = [0.0, 0.0, 0.0]
    for a, b in lines:
        weight = separation_arcsec(*a, *b)
        for axis, (p, q) in enumerate(zip(unit_vector(*a), unit_vector(*b))):
            total[axis] += weight * (p + q)
    x, y, z = total
    ra = math.degrees(math.atan2(y, x)) / 15.0 % 24.0
    return decimal_text(ra, 5), decimal_text(math.degrees(math.atan2(z, math.hypot(x, y))), 4)


def header(what, columns, sources):
    text = (f"{what}: {columns}. Generated by tools/constellations/make_constellations.py "
            f"from {sources}; do not edit by hand.")
    return ["// " + line for line in textwrap.wrap(text, 96)]


def write(path, lines):
    with open(path, "w", encoding="utf-8", newline="\n") as target:
        target.write("\n".join(lines) + "\n")
    return os.path.getsize(path)


def place(sky_star):
    return float(sky_star.ra_text), float(sky_star.dec_text)


def render(output_dir, official, points, sky, segments, asterism_lines, names, designated):
    index_of = {s.hr: i for i, s in enumerate(sky)}
    bsc = "the Yale Bright Star Catalogue (5th revised edition) and catalog/chart_stars_data.inc"
    files = {}
    out = header("The 88 constellations in the IAU's order",
                 "{abbreviation, Latin name, Japanese name, name point right ascension "
                 "[hours], declination [deg]}",
                 "tools/constellations/official_names.tsv (names) and the label points of "
                 + D3_CREDIT + ", precessed to epoch " + f"{EPOCH_YEAR}")
    for i, ((abbreviation, latin, japanese), (ra, dec)) in enumerate(zip(official, points)):
        out.append(f'{{"{abbreviation}", "{latin}", "{japanese}", {ra}, {dec}}},  // {i}')
    files["constellations_data.inc"] = out
    out = header("Stars of the figures, asterisms and star names, by HR number",
                 "{HR, chart catalogue row (0: none), right ascension [hours], declination "
                 "[deg], V magnitude}", bsc)
    out.append(f"// Places at epoch {EPOCH_YEAR}; a chart row's values are that row's.")
    for i, s in enumerate(sky):
        out.append(f"{{{s.hr}, {s.chart_row}, {s.ra_text}, {s.dec_text}, {s.v_text}}},"
                   f"  // {i} {s.label}".rstrip())
    files["sky_stars_data.inc"] = out
    out = header("Constellation figure lines, by constellation",
                 "{constellation, star, star}, indexes into constellations_data.inc and "
                 "sky_stars_data.inc", "the figures of " + D3_CREDIT)
    for c, a, b in segments:
        out.append(f"{{{c}, {index_of[a]}, {index_of[b]}}},  // {official[c][0]} HR {a} - HR {b}")
    files["constellation_lines_data.inc"] = out
    out = header("The teaching asterisms",
                 "{identifier, Japanese name, name point right ascension [hours], "
                 "declination [deg]}", "its own table ASTERISMS")
    for i, (identifier, japanese, _) in enumerate(ASTERISMS):
        ra, dec = line_centroid_text([(place(sky[index_of[s]]), place(sky[index_of[t]]))
                                      for a, s, t in asterism_lines if a == i])
        out.append(f'{{"{identifier}", "{japanese}", {ra}, {dec}}},  // {i}')
    files["asterisms_data.inc"] = out
    out = header("Asterism lines, by asterism",
                 "{asterism, star, star}, indexes into asterisms_data.inc and sky_stars_data.inc",
                 "its own table ASTERISMS")
    for a, s, t in asterism_lines:
        out.append(f"{{{a}, {index_of[s]}, {index_of[t]}}},  // {ASTERISMS[a][0]} HR {s} - HR {t}")
    files["asterism_lines_data.inc"] = out
    out = header("Star names, by HR number",
                 "{star, Latin identifier, Japanese name, label on the chart and in the "
                 "readout}, star an index into sky_stars_data.inc",
                 "the star names of " + D3_CREDIT + "; the twenty named chart stars keep "
                 "the program's names and labels (tools/starcat/make_chart_stars.py)")
    for hr, identifier, japanese, label in names:
        out.append(f'{{{index_of[hr]}, "{identifier}", "{japanese}", "{label}"}},  // HR {hr}')
    files["star_names_data.inc"] = out
    out = header("Designations of the chart catalogue's stars and of sky_stars_data.inc's, by "
                 "HR number",
                 "{HR, constellation, Bayer letter and component number, Flamsteed number (0: "
                 "none)}, constellation an index into constellations_data.inc",
                 "the Yale Bright Star Catalogue (5th revised edition); a star without a "
                 "designation has the constellation of its place by the IAU boundaries of "
                 + D3_CREDIT)
    for star, (constellation, bayer, flamsteed) in designated:
        source = " ".join(star.label.split()) or f"{official[constellation][0]} by its place"
        out.append(f'{{{star.hr}, {constellation}, "{bayer}", {flamsteed}}},  // {source}')
    files["star_designations_data.inc"] = out
    return {name: write(os.path.join(output_dir, name), lines) for name, lines in files.items()}


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: make_constellations.py REPOSITORY OUTPUT_DIR")
    path = {key: os.path.join(argv[1], relative) for key, relative in INPUTS.items()}
    official = read_official_names(path["official"])
    with open(path["names"], encoding="utf-8") as source:
        d3_names = json.load(source)
    with open(path["starnames"], encoding="utf-8") as source:
        entries = json.load(source)
    chart_rows = read_chart_rows(path["chart"])
    catalogue = Catalogue(read_catalogue(path["bright"], path["faint"]), chart_rows)
    by_hr = catalogue.by_hr

    report = ["d3-celestial's constellation names against the official list:"]
    compare_names(official, d3_names, report)
    report.append("Figure vertices matched to the Bright Star Catalogue:")
    segments = figure_segments(read_figure_vertices(path["lines"]), official, catalogue, report)
    figure_hrs = {hr for _, a, b in segments for hr in (a, b)}
    report.append("Asterisms (stars on no figure line are added):")
    asterism_lines = asterism_segments(figure_hrs, by_hr, report)
    report.append("Constellation boundaries:")
    outlines = read_boundaries(path["bounds"], report)
    report.append("Star designations:")
    designations = star_designations(catalogue, outlines, official, report)
    report.append("Star names:")
    names = star_names(entries, catalogue, official, designations, report)

    used = figure_hrs | {hr for _, a, b in asterism_lines for hr in (a, b)} | {n[0] for n in names}
    sky = [SkyStar(by_hr[hr], chart_rows.get(hr)) for hr in sorted(used)]
    designated = [(by_hr[hr], designations[hr]) for hr in sorted(used | set(chart_rows))]
    sizes = render(argv[2], official, name_points(official, d3_names), sky, segments,
                   asterism_lines, names, designated)

    figure_sky = [s for s in sky if s.hr in figure_hrs]
    with_bayer = sum(1 for _, (_, bayer, _) in designated if bayer)
    flamsteed_only = sum(1 for _, (_, bayer, flamsteed) in designated if flamsteed and not bayer)
    by_place = sum(1 for star, _ in designated if not star.constellation)
    faintest = max(figure_sky, key=lambda s: float(s.v_text))
    in_chart = sum(1 for s in figure_sky if s.chart_row)
    report += [
        "Counts:",
        f"  {len(official)} constellations, {len(segments)} figure lines",
        f"  {len(figure_sky)} figure stars: {in_chart} chart catalogue rows, "
        f"{len(figure_sky) - in_chart} others; faintest HR {faintest.hr} {faintest.label} "
        f"V {faintest.v_text}",
        f"  {len(sky)} stars in all, {len(names)} star names, {len(ASTERISMS)} asterisms with "
        f"{len(asterism_lines)} lines",
        f"  {len(designations)} catalogue stars of the inputs, every designation's "
        f"constellation that of the star's place",
        f"  {len(designated)} designations: {with_bayer} with a Bayer letter, "
        f"{flamsteed_only} with a Flamsteed number only, "
        f"{len(designated) - with_bayer - flamsteed_only} with neither; {by_place} stars "
        f"without a catalogue designation, constellation from the boundaries",
        "Files:",
    ] + [f"  {name} {size} bytes" for name, size in sizes.items()]
    print("\n".join(report))


if __name__ == "__main__":
    main(sys.argv)
