#!/usr/bin/python3
"""Works out the km and course of each row of tests/geo_reference.tsv by GeographicLib's geodesic
on a sphere of 40008 km circumference and writes them into the rows in place; run by hand, as
README.md says, after adding or changing a row's points.

GeographicLib counts east positive, so the letters are turned into its signs here, and the test
turns them into the program's (north and west positive).
"""

import math
import pathlib
import re

import geographiclib
from geographiclib.geodesic import Geodesic

CIRCUMFERENCE_KM = 40008
SPHERE = Geodesic(CIRCUMFERENCE_KM / (2 * math.pi), 0)

# Where the window shows no course: "egal" for points it cannot tell apart or that lie opposite
# each other, the destination's meridian from a pole.
NO_COURSE = {"snapped", "from a pole"}


def signed(coordinate):
    degrees, minutes, seconds, letter = coordinate.split()
    value = int(degrees) + int(minutes) / 60 + int(seconds) / 3600
    return -value if letter in "SW" else value


def with_figures(line):
    if not line or line.startswith("#"):
        return line
    sentence, lat1, lon1, lat2, lon2, _, _, tolerance = line.split("\t")
    inverse = SPHERE.Inverse(signed(lat1), signed(lon1), signed(lat2), signed(lon2))
    course = "none" if tolerance in NO_COURSE else repr(inverse["azi1"] % 360)
    return "\t".join([sentence, lat1, lon1, lat2, lon2, repr(inverse["s12"]), course, tolerance])


def main():
    table = pathlib.Path(__file__).with_name("geo_reference.tsv")
    lines = [with_figures(line) for line in table.read_text().splitlines()]
    text = re.sub(r"GeographicLib [0-9.]+", "GeographicLib " + geographiclib.__version__,
                  "\n".join(lines) + "\n")
    table.write_text(text)
    print("%d rows written to %s" % (sum(not l.startswith("#") for l in lines), table))


if __name__ == "__main__":
    main()
