#!/usr/bin/env python3
"""Cut the Hipparcos places and proper motions of the naked-eye Bright Star
Catalogue stars out of Stellarium's star files.

Usage: extract_hipparcos.py STELLARIUM_STARS_DIR XPLANET_BSC > hipparcos_bsc.txt

STELLARIUM_STARS_DIR is /usr/share/stellarium/stars/default of Debian's
stellarium-data package. Four of its files are read:
  * stars_0_0v0_8.cat and stars_1_0v0_8.cat: the Hipparcos stars down to
    about V 6 and from there to V 7.5, in Stellarium's binary zone format (a
    header of eight 32-bit integers, the star count of each triangle of a
    subdivided icosahedron, then 28-byte records). A record holds the HIP
    number, the component, the place at epoch J2000 as two integer offsets
    from its triangle's centre along two tangent axes, the magnitude and the
    parallax [0.01 mas]. Its proper motion fields are not used: they are
    known to be wrong in this version.
  * hip_pm.dat: HIP, proper motion in right ascension (times cos dec) and in
    declination [mas/yr].
  * cross-id.dat: HIP, component, SAO, HD, HR.
XPLANET_BSC is /usr/share/xplanet/stars/BSC of Debian's xplanet package (the
Yale Bright Star Catalogue, J2000 places, HR and HD numbers).

Every BSC star brighter than V_LIMIT is matched with a Hipparcos star, the
brighter BSC stars first, each Hipparcos star at most once: first through the
rows of cross-id.dat for its HR number (same HD number first, then nearest
the BSC place, within HR_MAGNITUDE_SLACK, which leaves room for variable
stars), otherwise by place alone (the nearest Hipparcos star within
PLACE_MAGNITUDE_SLACK). A match farther than MATCH_ARCSEC from the BSC place is
refused. One line is written per matched star, by HR; the BSC stars left
unmatched go to standard error. Standard library only.
"""

import math
import struct
import sys

FILE_MAGIC = 0x835F040A  # Stellarium's star file, little-endian
MAX_POSITION = 0x7FFFFFFF  # the integer offset of a triangle's farthest point
V_LIMIT = 6.0  # BSC stars brighter than this V magnitude are matched
MATCH_ARCSEC = 60.0  # largest accepted distance from the BSC place
HR_MAGNITUDE_SLACK = 2.5  # largest magnitude difference of a match through the HR number
PLACE_MAGNITUDE_SLACK = 1.0  # largest magnitude difference of a match by place alone
STAR_FILES = ("stars_0_0v0_8.cat", "stars_1_0v0_8.cat")


def add(*vectors):
    return tuple(sum(parts) for parts in zip(*vectors))


def sub(u, v):
    return tuple(a - b for a, b in zip(u, v))


def dot(u, v):
    return sum(a * b for a, b in zip(u, v))


def cross(u, v):
    return (u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0])


def scaled(s, u):
    return tuple(s * a for a in u)


def unit(u):
    length = math.sqrt(dot(u, u))
    return tuple(a / length for a in u)


# The icosahedron of Stellarium's geodesic grid: its 12 corners and its 20
# triangles in the order of the file's zones.
_G = 0.5 * (1 + math.sqrt(5))
_B = 1 / math.sqrt(1 + _G * _G)
_A = _B * _G
CORNERS = [(_A, -_B, 0), (_A, _B, 0), (-_A, _B, 0), (-_A, -_B, 0), (0, _A, -_B), (0, _A, _B),
           (0, -_A, _B), (0, -_A, -_B), (-_B, 0, _A), (_B, 0, _A), (_B, 0, -_A), (-_B, 0, -_A)]
TRIANGLES = [(1, 0, 10), (0, 1, 9), (0, 9, 6), (9, 8, 6), (0, 7, 10), (6, 7, 0), (7, 6, 3),
             (6, 8, 3), (11, 10, 7), (7, 3, 11), (3, 2, 11), (2, 3, 8), (10, 11, 4), (2, 4, 11),
             (5, 4, 2), (2, 8, 5), (4, 1, 10), (4, 5, 1), (5, 9, 1), (8, 9, 5)]


def zone_triangles(level):
    """Returns the corners of the zones of a grid level in the file's order:
    each triangle of the level above split at its edges' midpoints into four."""
    zones = [[CORNERS[i] for i in triangle] for triangle in TRIANGLES]
    for _ in range(level):
        finer = []
        for c0, c1, c2 in zones:
            e0, e1, e2 = unit(add(c1, c2)), unit(add(c2, c0)), unit(add(c0, c1))
            finer += [[c0, e2, e1], [e2, c1, e0], [e1, e0, c2], [e0, e1, e2]]
        zones = finer
    return zones


def zone_frames(level):
    """Returns each zone's centre and tangent axes and the common scale of the
    integer offsets [radians per unit]."""
    frames, scale = [], 0.0
    for corners in zone_triangles(level):
        centre = unit(add(*corners))
        axis0 = unit(cross((0, 0, 1), centre))
        axis1 = cross(centre, axis0)
        for corner in corners:
            mu0, mu1 = dot(sub(corner, centre), axis0), dot(sub(corner, centre), axis1)
            f = 1 / math.sqrt(1 - mu0 * mu0 - mu1 * mu1)
            scale = max(scale, abs(mu0) * f, abs(mu1) * f)
        frames.append((centre, axis0, axis1))
    return frames, scale / MAX_POSITION


def read_hipparcos_places(path):
    """Returns {HIP: (ra [deg], dec [deg], V, parallax [mas])} of the brightest
    component of each HIP number in a Stellarium star file of Hipparcos stars."""
    data = open(path, "rb").read()
    magic, kind, _major, _minor, level, mag_min, mag_range, mag_steps = struct.unpack_from(
        "<IIIIIiii", data, 0)
    if magic != FILE_MAGIC or kind != 0:
        sys.exit(f"{path}: not a Stellarium file of Hipparcos stars")
    frames, scale = zone_frames(level)
    sizes = struct.unpack_from(f"<{len(frames)}I", data, 32)
    offset = 32 + 4 * len(frames)
    places = {}
    for (centre, axis0, axis1), size in zip(frames, sizes):
        for _ in range(size):
            word, x0, x1, _bv, mag, _sp, _dx0, _dx1, plx = struct.unpack_from(
                "<IiiBBHiii", data, offset)
            offset += 28
            hip = word & 0xFFFFFF
            p = unit(add(centre, scaled(x0 * scale, axis0), scaled(x1 * scale, axis1)))
            ra = math.degrees(math.atan2(p[1], p[0])) % 360
            dec = math.degrees(math.asin(p[2]))
            v = (mag_min + mag * mag_range / mag_steps) / 1000
            if hip and (hip not in places or v < places[hip][2]):
                places[hip] = (ra, dec, v, plx / 100)
    if offset != len(data):
        sys.exit(f"{path}: {len(data) - offset} bytes left over")
    return places


def read_columns(path):
    """Yields the tab-separated fields of each data line of a Stellarium table."""
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            if line.strip() and not line.startswith("#"):
                yield [field.strip() for field in line.rstrip("\n").split("\t")]


def read_bsc(path):
    """Returns [(HR, HD, ra [deg], dec [deg], V, name)] of the xplanet BSC file."""
    stars = []
    with open(path, encoding="latin-1") as lines:
        for line in lines:
            if not line.strip() or line.startswith("#"):
                continue
            head, name, tail = line.split('"')
            dec, ra_hours, v = (float(x) for x in head.split())
            hr, hd = (int(x) for x in tail.split()[:2])
            stars.append((hr, hd, ra_hours * 15, dec, v, " ".join(name.split())))
    return stars


def separation_arcsec(ra1, dec1, ra2, dec2):
    """Angle between two places given in degrees [arcsec]."""
    a1, d1, a2, d2 = (math.radians(x) for x in (ra1, dec1, ra2, dec2))
    u = (math.cos(d1) * math.cos(a1), math.cos(d1) * math.sin(a1), math.sin(d1))
    w = (math.cos(d2) * math.cos(a2), math.cos(d2) * math.sin(a2), math.sin(d2))
    c = cross(u, w)
    return math.degrees(math.atan2(math.sqrt(dot(c, c)), dot(u, w))) * 3600


HEADER = """\
# Hipparcos places and proper motions of the Bright Star Catalogue stars brighter
# than V 6.0, by HR number. Extracted by tools/realsky/extract_hipparcos.py from
# Debian's stellarium-data 0.22.2-1 (bookworm), /usr/share/stellarium/stars/default:
# places, magnitudes and parallaxes from stars_0_0v0_8.cat and stars_1_0v0_8.cat, proper motions from
# hip_pm.dat, HR and HD numbers from cross-id.dat; matched with the HR and HD
# numbers and J2000 places of the Yale Bright Star Catalogue, 5th revised edition,
# of Debian's xplanet 1.3.1-3+b1 (/usr/share/xplanet/stars/BSC).
# The data are those of the Hipparcos Catalogue (ESA 1997, ESA SP-1200; proper
# motions partly of its new reduction, van Leeuwen 2007) as Stellarium ships them;
# Stellarium's files are under the GNU GPL version 2 or later (see COPYING.stellarium).
#
# Columns: HR, HIP, HD; right ascension and declination [degrees, ICRS, epoch
# J2000.0]; proper motion in right ascension times cos(dec) and in declination
# [mas/yr]; parallax [mas]; Hipparcos-based V magnitude; match (hr: through the
# HR number of cross-id.dat, place: by place alone); distance from the BSC place
# [arcsec]; BSC name.
#   HR    HIP     HD      ra_deg      dec_deg   pmra_mas  pmdec_mas  plx_mas      V match  sep name
"""


def best_match(bsc_star, candidates, places, slack):
    """Returns (distance [arcsec], HIP) of the candidate nearest the BSC star
    within MATCH_ARCSEC and the magnitude slack, or None."""
    _hr, _hd, ra, dec, v, _name = bsc_star
    best = None
    for hip in candidates:
        hra, hdec, hv, _plx = places[hip]
        if abs(hv - v) > slack or abs(hdec - dec) * 3600 > MATCH_ARCSEC:
            continue
        sep = separation_arcsec(ra, dec, hra, hdec)
        if sep <= MATCH_ARCSEC and (best is None or sep < best[0]):
            best = (sep, hip)
    return best


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    stars_dir, bsc_path = sys.argv[1], sys.argv[2]
    motions = {int(f[0]): (float(f[1]), float(f[2])) for f in read_columns(f"{stars_dir}/hip_pm.dat")}
    places = {}
    for name in STAR_FILES:
        for hip, place in read_hipparcos_places(f"{stars_dir}/{name}").items():
            if hip in motions and (hip not in places or place[2] < places[hip][2]):
                places[hip] = place
    cross_ids = {}  # HR -> [(HD, HIP)]
    for f in read_columns(f"{stars_dir}/cross-id.dat"):
        if len(f) > 4 and f[4]:
            cross_ids.setdefault(int(f[4]), []).append((int(f[3]) if f[3] else 0, int(f[0])))

    bsc = sorted((s for s in read_bsc(bsc_path) if s[4] < V_LIMIT), key=lambda s: (s[4], s[0]))
    rows, taken, unmatched = {}, set(), []
    for star in bsc:
        hr, hd = star[0], star[1]
        ids = [(h, hip) for h, hip in cross_ids.get(hr, []) if hip in places and hip not in taken]
        same_hd = [hip for h, hip in ids if h == hd]
        found = (best_match(star, same_hd, places, HR_MAGNITUDE_SLACK) or
                 best_match(star, [hip for _h, hip in ids], places, HR_MAGNITUDE_SLACK))
        if found is not None:
            rows[hr] = (found[1], "hr", found[0], star)
            taken.add(found[1])
    for star in bsc:
        if star[0] in rows:
            continue
        free = [hip for hip in places if hip not in taken]
        found = best_match(star, free, places, PLACE_MAGNITUDE_SLACK)
        if found is None:
            unmatched.append(f"HR {star[0]} ({star[5] or 'V ' + str(star[4])})")
            continue
        rows[star[0]] = (found[1], "place", found[0], star)
        taken.add(found[1])

    out = [HEADER]
    for hr in sorted(rows):
        hip, how, sep, (_hr, hd, _ra, _dec, _v, name) = rows[hr]
        ra, dec, v, plx = places[hip]
        pmra, pmdec = motions[hip]
        out.append(f"{hr:5d} {hip:6d} {hd:6d} {ra:12.7f} {dec:12.7f} {pmra:10.2f} {pmdec:10.2f}"
                   f" {plx:8.2f} {v:6.2f} {how:5s} {sep:4.1f} {name}\n")
    sys.stdout.write("".join(out))
    print(f"{len(rows)} stars matched; BSC stars of V < {V_LIMIT} left unmatched: "
          f"{', '.join(unmatched) or 'none'}", file=sys.stderr)


if __name__ == "__main__":
    main()
