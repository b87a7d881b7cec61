#!/usr/bin/python3
"""Works out the figures of the rows of tests/geo_reference_test.cpp: distance and initial course
of each pair of points there, by GeographicLib's geodesic on a sphere of 40008 km circumference,
and writes them into the rows in place.

Run by hand after adding or changing a row's points there (CI does not need GeographicLib):
    tools/install-deps python3-geographiclib
    /usr/bin/python3 tests/make_geo_reference.py

The rows keep the window's way of entering a coordinate (degrees, minutes, seconds, letter);
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
NO_COURSE = {"kSnapped", "kFromAPole"}


def signed(angle):
    degrees, minutes, seconds, letter = angle
    value = degrees + minutes / 60 + seconds / 3600
    return -value if letter in "SW" else value


# A row's points and tolerance, then its figures: distance and course (or kNoCourse).
ANGLE = r"\{(\d+), (\d+), (\d+), '([NSEW])'\}"
POINT = r"\{%s, %s\}" % (ANGLE, ANGLE)
ROW = re.compile(r"(%s, %s,\n\s+)[^,]+, [^,]+, (k\w+)\}" % (POINT, POINT))


def figures(row):
    numbers = [int(n) if n.isdigit() else n for n in row.groups()[1:-1]]
    start, destination = numbers[:8], numbers[8:]
    inverse = SPHERE.Inverse(signed(start[0:4]), signed(start[4:8]),
                             signed(destination[0:4]), signed(destination[4:8]))
    tolerance = row.group(row.re.groups)
    course = "kNoCourse" if tolerance in NO_COURSE else repr(inverse["azi1"] % 360)
    return "%s%r, %s, %s}" % (row.group(1), inverse["s12"], course, tolerance)


def main():
    test = pathlib.Path(__file__).with_name("geo_reference_test.cpp")
    text, count = ROW.subn(figures, test.read_text())
    text = re.sub(r"GeographicLib [0-9.]+", "GeographicLib " + geographiclib.__version__, text)
    test.write_text(text)
    print("%d rows written to %s" % (count, test))


if __name__ == "__main__":
    main()
