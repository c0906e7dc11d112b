#!/usr/bin/env python3
"""Generate the 496-row chart star catalogue of the planetarium.

Usage: make_chart_stars.py bsc5_bright.txt chart_stars_data.inc

Reads the stars brighter than V 4.0 of the Yale Bright Star Catalogue
(see extract_bright.py), brings their J2000 places to the chart's fixed
epoch, selects and orders 496 of them, and writes one C++ initializer row
per star: {right ascension [hours], declination [deg], magnitude, HR number}.
A report of how the fixed rows compare with the computed places goes to
standard output. Standard library only; the output depends on nothing but
the input file.

Selection and order
-------------------
Left out:
  * HR 5958 (T CrB), listed at V 2.0 from its 1946 outburst: a recurrent
    nova near magnitude 10, not a naked-eye star;
  * HR 681 (Mira), a long-period variable listed at its maximum;
  * every star closer than DECLUTTER_ARCMIN to a brighter kept star:
    components of close doubles (Castor B, alpha2 Cru, Mizar B, ...) and
    the fainter Pleiades, so that no star is drawn twice and close groups
    show as one disc. alpha Cen B is the one companion kept (row 36, just
    before alpha Cen A).
That leaves exactly 496 stars, arranged as
  * rows 1-45: the stars of V <= 2.00, except alpha Pav, alpha Gru and
    alpha TrA, which go with the next group;
  * rows 46-162: the stars of 2.00 < V < 3.00 and those three, except
    gamma Peg, beta Hyi, alpha Hyi and epsilon Aur (an eclipsing binary
    that spends two years of every 27 near V 3.8), which go with the next
    group;
  * rows 163-496: the rest, in three runs: the stars south of
    RUN1_SOUTH_OF_DEG with right ascension below RUN1_RA_BELOW_H, then the
    others with right ascension below RUN2_RA_BELOW_H, then the others.
The exceptions keep the named stars at the row numbers the rest of the
program and its users know. Every group and run is sorted by right
ascension, then declination.

Places
------
The catalogue's J2000 places are precessed (IAU 1976, Lieske et al. 1977)
to Julian epoch EPOCH_YEAR, the epoch at which the named stars' fixed
places are best reproduced (the source file has no proper motions). The
fixed rows below keep their established values exactly; a kept companion
of a fixed row takes the fixed place plus its catalogue offset from it.
Right ascension is rounded to 5 decimals of an hour, declination to 4
decimals of a degree, the magnitude to 2 decimals.
"""

import math
import sys

EPOCH_YEAR = 2003.5  # Julian epoch of the chart's places
DECLUTTER_ARCMIN = 48.0  # a fainter star this close to a kept brighter one is left out
LEFT_OUT = {5958: "T CrB, recurrent nova listed at outburst", 681: "Mira, listed at maximum"}
KEPT_COMPANIONS = {5460: 5459}  # companion HR -> fixed-row HR (alpha Cen B -> A)
MOVED_TO_GROUP2 = {7790, 8425, 6217}  # alpha Pav, alpha Gru, alpha TrA
MOVED_TO_GROUP3 = {39, 98, 591, 1605}  # gamma Peg, beta Hyi, alpha Hyi, epsilon Aur
GROUP1_FAINTEST = 2.00  # V limit of the brightest group (inclusive)
GROUP2_FAINTEST = 3.00  # V limit of the second group (exclusive)
RUN1_SOUTH_OF_DEG = -20.0
RUN1_RA_BELOW_H = 6.0
RUN2_RA_BELOW_H = 12.5
GROUP_SIZES = (45, 117)
RUN_SIZES = (29, 150, 155)
ROW_COUNT = 496
PLACE_TOLERANCE_ARCSEC = 12.0  # computed place vs fixed row, checked below
# Canopus' fixed right ascension is 18 s of time east of its catalogue place.
PLACE_TOLERANCE_EXCEPTIONS = {2326}

# Rows whose values are fixed: HR -> (row, RA [h], Dec [deg], V, name), the
# numbers as decimal text exactly as they are written into the table. The
# names are the chart's and the readout's labels of the twenty named stars,
# which tools/constellations writes into catalog/star_names_data.inc.
FIXED_ROWS = {
    472: (1, "1.63072", "-57.2192", "0.46", "ｱｶｰﾅｰ"),
    617: (2, "2.12286", "23.4789", "2", ""),
    1457: (4, "4.60203", "16.5161", "0.85", "ｱﾙﾃﾞﾊﾞﾗﾝ"),
    1713: (5, "5.24511", "-8.1978", "0.12", "ﾘｹﾞﾙ"),
    1708: (6, "5.28247", "46.0011", "0.08", "ｶﾍﾟﾗ"),
    2061: (10, "5.92269", "7.4075", "0.5", "ﾍﾞﾃﾙｷﾞｳｽ"),
    2326: (13, "6.40558", "-52.6978", "-0.72", "ｶﾉｰﾌﾟｽ"),
    2491: (15, "6.75503", "-16.7208", "-1.46", "ｼﾘｳｽ"),
    2891: (18, "7.58031", "31.88", "1.98", "ｶｽﾄﾙ"),
    2943: (19, "7.65806", "5.21583", "0.38", "ﾌﾟﾛｷｵﾝ"),
    2990: (20, "7.75883", "28.0175", "1.14", "ﾎﾟﾙｯｸｽ"),
    3982: (26, "10.14264", "11.95", "1.35", "ﾚｸﾞﾙｽ"),
    5056: (32, "13.42297", "-11.1794", "0.98", "ｽﾋﾟｶ"),
    5340: (35, "14.26369", "19.1642", "-0.04", "ｱｰｸﾄｩﾙｽ"),
    5459: (37, "14.66428", "-60.8475", "-0.01", "ｱﾙﾌｧｾﾝﾀｳﾘ"),
    6134: (38, "16.49372", "-26.4394", "0.96", "ｱﾝﾀﾚｽ"),
    7001: (42, "18.61761", "38.78722", "0.03", "ﾍﾞｶﾞ"),
    7557: (43, "19.84922", "8.8778", "0.77", "ｱﾙﾀｲﾙ"),
    7924: (44, "20.69253", "45.2931", "1.25", "ﾃﾞﾈﾌﾞ"),
    8728: (45, "22.96406", "-29.6036", "1.16", "ﾌｫｰﾏﾙﾊｳﾄ"),
    15: (46, "0.14283", "29.1097", "2.06", ""),
    424: (56, "2.59708", "89.2794", "2.02", "北極星"),
    25: (163, "0.15978", "-45.7281", "3.88", ""),
    5470: (362, "14.80517", "-79.0592", "3.83", ""),
    8974: (496, "23.6582", "77.6519", "3.21", ""),
}

ARCSEC_PER_RAD = 180.0 * 3600.0 / math.pi


class Star:
    """One catalogue star: HR number, designation, V and its place at the chart epoch."""

    def __init__(self, line):
        fields = line.split('"')
        dec_j2000, ra_j2000, magnitude = (float(x) for x in fields[0].split())
        self.label = fields[1].strip()
        self.hr = int(fields[2].split()[0])
        self.v = magnitude
        self.ra_j2000 = ra_j2000  # [hours]
        self.dec_j2000 = dec_j2000  # [deg]
        self.ra, self.dec = precess(ra_j2000, dec_j2000, EPOCH_YEAR)
        self.ra_text = decimal_text(self.ra, 5)
        self.dec_text = decimal_text(self.dec, 4)
        self.v_text = decimal_text(self.v, 2)
        self.fixed_row = None


def precess(ra_hours, dec_deg, epoch_year):
    """IAU 1976 precession of a J2000 place to a Julian epoch; returns (hours, deg)."""
    t = (epoch_year - 2000.0) / 100.0  # Julian centuries from J2000
    zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t**3) / ARCSEC_PER_RAD
    z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t**3) / ARCSEC_PER_RAD
    theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t**3) / ARCSEC_PER_RAD
    ra = math.radians(ra_hours * 15.0)
    dec = math.radians(dec_deg)
    a = math.cos(dec) * math.sin(ra + zeta)
    b = math.cos(theta) * math.cos(dec) * math.cos(ra + zeta) - math.sin(theta) * math.sin(dec)
    c = math.sin(theta) * math.cos(dec) * math.cos(ra + zeta) + math.cos(theta) * math.sin(dec)
    ra_out = math.degrees(math.atan2(a, b) + z) / 15.0 % 24.0
    return ra_out, math.degrees(math.asin(c))


def separation_arcsec(ra1, dec1, ra2, dec2):
    """Angle between two places given in hours and degrees, in arcseconds."""
    d1, d2 = math.radians(dec1), math.radians(dec2)
    dra = math.radians((ra1 - ra2) * 15.0)
    cos_sep = math.sin(d1) * math.sin(d2) + math.cos(d1) * math.cos(d2) * math.cos(dra)
    return math.acos(max(-1.0, min(1.0, cos_sep))) * ARCSEC_PER_RAD


def decimal_text(value, decimals):
    """Value rounded to the given decimals, without trailing zeros ("2", "0.5")."""
    text = f"{value:.{decimals}f}".rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def read_stars(path):
    with open(path, encoding="ascii") as source:
        return [Star(line) for line in source if line.strip() and not line.startswith("#")]


def fix_star(star, row, ra_text, dec_text, v_text):
    """Give a star its fixed row and values."""
    star.ra, star.dec = float(ra_text), float(dec_text)
    star.ra_text, star.dec_text, star.v_text = ra_text, dec_text, v_text
    star.fixed_row = row


def apply_fixed_rows(by_hr, report):
    """Give the fixed rows their exact values; check and report their deviation."""
    worst_arcsec, worst_hr = 0.0, None
    for hr, (row, ra_text, dec_text, v_text, _) in FIXED_ROWS.items():
        star = by_hr[hr]
        deviation = separation_arcsec(star.ra, star.dec, float(ra_text), float(dec_text))
        report.append(f"  row {row:3d}  HR {hr:4d}  {star.label:10s}  {deviation:6.1f} arcsec")
        if hr not in PLACE_TOLERANCE_EXCEPTIONS:
            if deviation > PLACE_TOLERANCE_ARCSEC:
                sys.exit(f"HR {hr}: computed place {deviation:.1f} arcsec from its fixed row")
            if star.v_text != v_text:
                sys.exit(f"HR {hr}: catalogue magnitude {star.v_text}, fixed row {v_text}")
            if deviation > worst_arcsec:
                worst_arcsec, worst_hr = deviation, hr
        fix_star(star, row, ra_text, dec_text, v_text)
    report.append(f"  largest deviation {worst_arcsec:.1f} arcsec (HR {worst_hr}), "
                  f"not counting HR {sorted(PLACE_TOLERANCE_EXCEPTIONS)}")
    for companion_hr, primary_hr in KEPT_COMPANIONS.items():
        companion, primary = by_hr[companion_hr], by_hr[primary_hr]
        ra = primary.ra + (companion.ra_j2000 - primary.ra_j2000)
        dec = primary.dec + (companion.dec_j2000 - primary.dec_j2000)
        companion.ra_text, companion.dec_text = decimal_text(ra, 5), decimal_text(dec, 4)
        companion.ra, companion.dec = float(companion.ra_text), float(companion.dec_text)


def declutter(stars):
    """Keep the brighter of any two stars closer than DECLUTTER_ARCMIN."""
    limit = DECLUTTER_ARCMIN * 60.0
    kept = []
    for star in sorted(stars, key=lambda s: (s.v, s.hr)):
        if star.hr in LEFT_OUT:
            continue
        near = any(separation_arcsec(star.ra, star.dec, k.ra, k.dec) < limit for k in kept)
        if near and star.hr not in KEPT_COMPANIONS:
            continue
        kept.append(star)
    return kept


def by_place(stars):
    return sorted(stars, key=lambda s: (s.ra, s.dec))


def arrange(stars):
    """Groups and runs in row order, each sorted by place."""
    group1 = [s for s in stars if s.v <= GROUP1_FAINTEST and s.hr not in MOVED_TO_GROUP2]
    group2 = [
        s for s in stars
        if s not in group1 and (s.v < GROUP2_FAINTEST or s.hr in MOVED_TO_GROUP2)
        and s.hr not in MOVED_TO_GROUP3
    ]
    group3 = [s for s in stars if s not in group1 and s not in group2]
    run1 = [s for s in group3 if s.dec < RUN1_SOUTH_OF_DEG and s.ra < RUN1_RA_BELOW_H]
    others = [s for s in group3 if s not in run1]
    run2 = [s for s in others if s.ra < RUN2_RA_BELOW_H]
    run3 = [s for s in others if s not in run2]
    parts = [group1, group2, run1, run2, run3]
    sizes = [*GROUP_SIZES, *RUN_SIZES]
    if [len(p) for p in parts] != sizes:
        sys.exit(f"part sizes {[len(p) for p in parts]}, expected {sizes}")
    return [by_place(p) for p in parts]


def check_rows(rows):
    if len(rows) != ROW_COUNT:
        sys.exit(f"{len(rows)} rows, expected {ROW_COUNT}")
    for number, star in enumerate(rows, start=1):
        if star.fixed_row is not None and star.fixed_row != number:
            sys.exit(f"HR {star.hr} lands on row {number}, expected row {star.fixed_row}")
        if not (0.0 <= star.ra < 24.0 and -90.0 <= star.dec <= 90.0 and star.v < 4.0):
            sys.exit(f"HR {star.hr}: value out of range")


PART_TITLES = [
    "Rows 1-45: V -1.46 to 2.00, by right ascension.",
    "Rows 46-162: V 1.74 to 2.99, by right ascension.",
    "Rows 163-191: fainter stars south of -20 deg with right ascension below 6 h.",
    "Rows 192-341: the other fainter stars with right ascension below 12.5 h.",
    "Rows 342-496: the other fainter stars from 12.5 h on.",
]


def render(parts):
    out = [
        "// Chart star catalogue, rows 1..496: {right ascension [hours], declination [deg],",
        "// visual magnitude, HR number}. Generated by tools/starcat/make_chart_stars.py from",
        "// tools/starcat/bsc5_bright.txt (Yale Bright Star Catalogue, 5th revised edition);",
        "// do not edit by hand. Each row's comment gives its row number and designation; the",
        "// names of the twenty named stars are in catalog/star_names_data.inc.",
    ]
    number = 0
    for title, part in zip(PART_TITLES, parts):
        out.append(f"// {title}")
        for star in part:
            number += 1
            out.append(f"{{{star.ra_text}, {star.dec_text}, {star.v_text}, {star.hr}}},"
                       f"  // {number} HR {star.hr} {star.label}".rstrip())
    return "\n".join(out) + "\n"


def main(argv):
    if len(argv) != 3:
        sys.exit("usage: make_chart_stars.py bsc5_bright.txt output.inc")
    stars = read_stars(argv[1])
    by_hr = {s.hr: s for s in stars}
    report = [f"Fixed rows against the catalogue precessed to {EPOCH_YEAR}:"]
    apply_fixed_rows(by_hr, report)
    parts = arrange(declutter(stars))
    check_rows([s for p in parts for s in p])
    with open(argv[2], "w", encoding="utf-8", newline="\n") as target:
        target.write(render(parts))
    print("\n".join(report))


if __name__ == "__main__":
    main(sys.argv)
