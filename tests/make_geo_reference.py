#!/usr/bin/python3
"""Writes the rows of tests/geo_reference_test.cpp: distance and initial course of each pair of
points below, worked out by GeographicLib's geodesic on a sphere of 40008 km circumference.

Run by hand after changing a row here (CI does not need GeographicLib):
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

# (sentence, start, destination, tolerance). A point is (lat, lon), each (degrees, minutes,
# seconds, letter). The tolerances are defined and explained in the test.
ROWS = [
    # Ordinary pairs, on both sides of the prime meridian, the equator and the date line.
    ("Berlin to Munich", ((52, 31, 0, "N"), (13, 24, 0, "E")),
     ((48, 8, 0, "N"), (11, 35, 0, "E")), "kFar"),
    ("Munich back to Berlin", ((48, 8, 0, "N"), (11, 35, 0, "E")),
     ((52, 31, 0, "N"), (13, 24, 0, "E")), "kFar"),
    ("Hamburg to New York, across the prime meridian", ((53, 33, 0, "N"), (9, 59, 0, "E")),
     ((40, 43, 0, "N"), (74, 0, 0, "W")), "kFar"),
    ("Cape Town to Buenos Aires, in the southern hemisphere", ((33, 55, 0, "S"), (18, 25, 0, "E")),
     ((34, 36, 0, "S"), (58, 23, 0, "W")), "kFar"),
    ("Sydney to Santiago, across the date line", ((33, 52, 0, "S"), (151, 13, 0, "E")),
     ((33, 27, 0, "S"), (70, 40, 0, "W")), "kFar"),
    ("Nairobi to Tokyo, across the equator", ((1, 17, 0, "S"), (36, 49, 0, "E")),
     ((35, 41, 0, "N"), (139, 46, 0, "E")), "kFar"),
    ("a quarter of the equator eastwards", ((0, 0, 0, "N"), (0, 0, 0, "W")),
     ((0, 0, 0, "N"), (90, 0, 0, "E")), "kFar"),
    ("a quarter of the equator westwards", ((0, 0, 0, "N"), (0, 0, 0, "W")),
     ((0, 0, 0, "N"), (90, 0, 0, "W")), "kFar"),
    # On one meridian the course is due north or due south.
    ("due north on one meridian", ((10, 0, 0, "N"), (0, 0, 0, "W")),
     ((20, 0, 0, "N"), (0, 0, 0, "W")), "kFar"),
    ("due south across the equator on one meridian", ((10, 0, 0, "N"), (7, 0, 0, "E")),
     ((10, 0, 0, "S"), (7, 0, 0, "E")), "kFar"),
    ("due north over the pole onto the opposite meridian", ((80, 0, 0, "N"), (10, 0, 0, "E")),
     ((80, 0, 0, "N"), (170, 0, 0, "W")), "kFar"),
    ("due north five minutes along one meridian", ((45, 25, 0, "N"), (7, 0, 0, "E")),
     ((45, 30, 0, "N"), (7, 0, 0, "E")), "kNear"),
    # Poles.
    ("from Munich to the north pole", ((48, 8, 0, "N"), (11, 35, 0, "E")),
     ((90, 0, 0, "N"), (0, 0, 0, "E")), "kFar"),
    ("from Berlin to the south pole", ((52, 31, 0, "N"), (13, 24, 0, "E")),
     ((90, 0, 0, "S"), (0, 0, 0, "E")), "kFar"),
    ("from the north pole to Munich", ((90, 0, 0, "N"), (0, 0, 0, "W")),
     ((48, 8, 0, "N"), (11, 35, 0, "E")), "kFromAPole"),
    ("from the south pole to the equator", ((90, 0, 0, "S"), (0, 0, 0, "W")),
     ((0, 0, 0, "N"), (45, 0, 0, "W")), "kFromAPole"),
    ("one second short of the pole, over it to the opposite meridian",
     ((89, 59, 59, "N"), (0, 0, 0, "E")), ((89, 59, 59, "N"), (180, 0, 0, "E")), "kSeconds"),
    # Short distances: the law of cosines loses digits as the points close in.
    ("one minute east along the 48th parallel", ((48, 8, 0, "N"), (11, 35, 0, "E")),
     ((48, 8, 0, "N"), (11, 36, 0, "E")), "kNear"),
    ("one second north and one second east", ((48, 8, 0, "N"), (11, 35, 0, "E")),
     ((48, 8, 1, "N"), (11, 35, 1, "E")), "kSeconds"),
    ("one second north on one meridian", ((48, 8, 0, "N"), (11, 35, 0, "E")),
     ((48, 8, 1, "N"), (11, 35, 0, "E")), "kSeconds"),
    ("one second of longitude on the 60th parallel is too close to tell apart",
     ((60, 0, 0, "N"), (0, 0, 0, "E")), ((60, 0, 0, "N"), (0, 0, 1, "E")), "kSnapped"),
    # Opposite points and nearly so.
    ("opposite points on the equator", ((0, 0, 0, "N"), (0, 0, 0, "W")),
     ((0, 0, 0, "S"), (180, 0, 0, "E")), "kSnapped"),
    ("Berlin to its opposite point", ((52, 31, 0, "N"), (13, 24, 0, "E")),
     ((52, 31, 0, "S"), (166, 36, 0, "W")), "kSnapped"),
    ("pole to pole", ((90, 0, 0, "N"), (0, 0, 0, "W")),
     ((90, 0, 0, "S"), (0, 0, 0, "W")), "kSnapped"),
    ("Quito to Singapore, nearly opposite each other", ((0, 13, 0, "S"), (78, 31, 0, "W")),
     ((1, 17, 0, "N"), (103, 51, 0, "E")), "kFar"),
    ("ten seconds short of the opposite point, over the south pole",
     ((0, 0, 0, "N"), (0, 0, 0, "W")), ((0, 0, 10, "S"), (180, 0, 0, "E")), "kSeconds"),
    ("ten seconds south and west of the opposite point", ((0, 0, 0, "N"), (0, 0, 0, "W")),
     ((0, 0, 10, "S"), (179, 59, 50, "E")), "kSeconds"),
    ("one second of longitude short of the opposite point on the 60th parallel",
     ((60, 0, 0, "N"), (0, 0, 0, "E")), ((60, 0, 0, "S"), (179, 59, 59, "W")), "kSnapped"),
]

# Where the window shows no course: "egal" for points it cannot tell apart or that lie opposite
# each other, the destination's meridian from a pole.
NO_COURSE = {"kSnapped", "kFromAPole"}


def signed(angle):
    degrees, minutes, seconds, letter = angle
    value = degrees + minutes / 60 + seconds / 3600
    return -value if letter in "SW" else value


def cpp_point(point):
    return "{" + ", ".join("{%d, %d, %d, '%s'}" % angle for angle in point) + "}"


def row(sentence, start, destination, tolerance):
    inverse = SPHERE.Inverse(signed(start[0]), signed(start[1]),
                             signed(destination[0]), signed(destination[1]))
    course = "kNoCourse" if tolerance in NO_COURSE else repr(inverse["azi1"] % 360)
    return ('    {"%s",\n     %s, %s,\n     %r, %s, %s},\n'
            % (sentence, cpp_point(start), cpp_point(destination), inverse["s12"], course,
               tolerance))


def main():
    test = pathlib.Path(__file__).with_name("geo_reference_test.cpp")
    rows = "".join(row(*r) for r in ROWS)
    block = re.compile(r"(// clang-format off\n).*?(    // clang-format on\n)", re.S)
    text, count = block.subn(lambda m: m.group(1) + rows + m.group(2), test.read_text())
    if count != 1:
        raise SystemExit("no single clang-format off/on block in " + str(test))
    text = re.sub(r"GeographicLib [0-9.]+", "GeographicLib " + geographiclib.__version__, text)
    test.write_text(text)
    print("%d rows written to %s" % (len(ROWS), test))


if __name__ == "__main__":
    main()
