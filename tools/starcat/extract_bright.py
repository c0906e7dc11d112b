#!/usr/bin/env python3
"""Cut the stars brighter than visual magnitude 4.0 out of the Bright Star Catalogue.

Usage: extract_bright.py /usr/share/xplanet/stars/BSC > bsc5_bright.txt

The input is the star file of Debian's xplanet package (Yale Bright Star
Catalogue, 5th revised edition, one star a line: declination [deg],
right ascension [hours], both J2000, V magnitude, quoted Flamsteed/Bayer
name, HR, HD and SAO numbers). The data lines with V < 4.0 are copied
unchanged, in the file's own order, below a header that records where they
came from.
"""

import sys

MAGNITUDE_LIMIT = 4.0  # keep stars strictly brighter than this V magnitude

HEADER = """\
# Stars brighter than V 4.0 from the Yale Bright Star Catalogue, 5th revised
# edition (Hoffleit and Warren 1991), as distributed in Debian's xplanet
# package, file /usr/share/xplanet/stars/BSC (xplanet 1.3.1-3+b1, Debian bookworm).
# Extracted by tools/starcat/extract_bright.py: the data lines of that file
# whose magnitude is below 4.0, unchanged and in the file's order.
#
# Columns: declination [deg, J2000], right ascension [hours, J2000], V magnitude,
# quoted Flamsteed number / Bayer letter / constellation, HR, HD, SAO.
#    Dec      RA   Mag         Name  BSN     HD    SAO
"""


def main(argv):
    if len(argv) != 2:
        sys.exit("usage: extract_bright.py BSC-file")
    sys.stdout.write(HEADER)
    with open(argv[1], encoding="ascii") as source:
        for line in source:
            fields = line.split()
            if not fields or line.startswith("#"):
                continue
            if float(fields[2]) < MAGNITUDE_LIMIT:
                sys.stdout.write(line)


if __name__ == "__main__":
    main(sys.argv)
