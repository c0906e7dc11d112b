"""The IAU constellation boundaries and the constellation a place lies in.

The boundaries (Delporte 1930) are arcs of parallels and meridians of the
equinox B1875.0. d3-celestial gives each constellation's outline as its
corners precessed to J2000 (longitude = right ascension in degrees, -180 to
180). Here they are precessed back to B1875.0 with the IAU 1976 angles (the
function of tools/starcat/make_chart_stars.py), where every edge is again a
parallel or a meridian, so that the edges between the corners are the IAU's
own and not chords. A place is located as Roman (1987, PASP 99, 695) does:
precessed to B1875.0 and found inside the one outline that holds it, counting
the parallel edges that the meridian arc from the place to the north pole
crosses.
"""

import json
import sys

sys.dont_write_bytecode = True  # keep the source folders free of a cache folder
from make_chart_stars import precess  # noqa: E402

B1875_JD = 2405889.258550475  # Besselian epoch 1875.0 [Julian day]
B1875_JULIAN_EPOCH = 2000.0 + (B1875_JD - 2451545.0) / 365.25  # [Julian years]
EDGE_TOLERANCE_ARCSEC = 2.0  # an edge's ends may differ this much in their common coordinate

# d3-celestial's corners that are no corners of the IAU's: J2000 (longitude, latitude) -> why.
# Between B1875 (23 h, +88) and (8 h, +88) the border of Ursa Minor and Cepheus is the
# parallel +88 deg; d3-celestial has three points in between that lie up to 27 arcmin
# south of it. Both outlines drop them, so that the edge is that parallel.
FALSE_CORNERS = {
    (0.9483, 88.6092): "on no IAU edge: 87.91 deg at B1875 23.95 h, not +88",
    (24.7077, 88.3564): "on no IAU edge: 87.70 deg at B1875 1.07 h, not +88",
    (57.6647, 88.0063): "on no IAU edge: 87.56 deg at B1875 2.82 h, not +88",
}


def wrapped_hours(hours):
    """A right ascension difference brought into -12 to 12 hours."""
    return (hours + 12.0) % 24.0 - 12.0


class Outline:
    """One constellation outline in B1875.0: corners (RA [hours], Dec [deg])."""

    def __init__(self, abbreviation, corners):
        self.abbreviation = abbreviation
        self.corners = corners
        self.edges = list(zip(corners, corners[1:] + corners[:1]))
        winding = sum(wrapped_hours(b[0] - a[0]) for a, b in self.edges)
        if abs(winding) < 1.0:
            self.holds_north_pole = False
        elif all(dec > 0.0 for _, dec in corners):
            self.holds_north_pole = True
        elif all(dec < 0.0 for _, dec in corners):
            self.holds_north_pole = False  # it holds the south pole
        else:
            sys.exit(f"{abbreviation}: outline winds round a pole from both hemispheres")

    def holds(self, ra_hours, dec_deg):
        """Whether a B1875.0 place lies inside: the parallel edges crossed on the way
        north, each counted on the half-open interval of its right ascensions."""
        crossings = 0
        for (ra_a, dec_a), (ra_b, dec_b) in self.edges:
            span = wrapped_hours(ra_b - ra_a)
            if span == 0.0:
                continue
            start, width = (ra_a, span) if span > 0.0 else (ra_b, -span)
            offset = (ra_hours - start) % 24.0
            if offset < width:
                fraction = offset / width if span > 0.0 else 1.0 - offset / width
                if dec_a + (dec_b - dec_a) * fraction > dec_deg:
                    crossings += 1
        return (crossings % 2 == 1) != self.holds_north_pole

    def largest_edge_slant_arcsec(self):
        """The largest difference along an edge in the coordinate it keeps [arcsec]."""
        return max(min(abs(wrapped_hours(b[0] - a[0])) * 15.0, abs(b[1] - a[1])) * 3600.0
                   for a, b in self.edges)


def read_boundaries(path, report):
    """[Outline] of d3-celestial's constellations.bounds.json, in B1875.0; Serpens'
    two parts are two outlines of the one abbreviation."""
    with open(path, encoding="utf-8") as source:
        features = json.load(source)["features"]
    outlines, dropped = [], 0
    for feature in features:
        if feature["geometry"]["type"] != "Polygon":
            sys.exit(f"{feature['id']}: boundary is a {feature['geometry']['type']}")
        for ring in feature["geometry"]["coordinates"]:
            kept = [tuple(p) for p in ring[:-1] if tuple(p) not in FALSE_CORNERS]
            dropped += len(ring) - 1 - len(kept)
            corners = [precess(lon % 360.0 / 15.0, lat, B1875_JULIAN_EPOCH) for lon, lat in kept]
            outlines.append(Outline(feature["id"], corners))
    for (lon, lat), why in FALSE_CORNERS.items():
        report.append(f"  corner {lon} {lat} dropped: {why}")
    report.append(f"  {len(outlines)} outlines, {dropped} corners dropped")
    slant, worst = max((o.largest_edge_slant_arcsec(), o.abbreviation) for o in outlines)
    if slant > EDGE_TOLERANCE_ARCSEC:
        sys.exit(f"{worst}: an edge departs {slant:.1f} arcsec from a B1875 parallel or meridian")
    report.append(f"  every edge a B1875 parallel or meridian within {slant:.2f} arcsec")
    return outlines


def constellation_at(outlines, ra_j2000_hours, dec_j2000_deg):
    """The abbreviation of the constellation that holds a J2000 place."""
    ra, dec = precess(ra_j2000_hours, dec_j2000_deg, B1875_JULIAN_EPOCH)
    holding = {o.abbreviation for o in outlines if o.holds(ra, dec)}
    if len(holding) != 1:
        sys.exit(f"{ra_j2000_hours} h {dec_j2000_deg} deg (J2000) lies in {sorted(holding)}")
    return holding.pop()
