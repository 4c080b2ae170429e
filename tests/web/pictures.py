"""Compares two pictures of the plane colour by colour: the black, the red
and the blue ink. Each picture is a pair: a bytes object of width x height
pixels and its channels per pixel (3 or 4).

A pixel is black ink when every channel is below 64, and it is red or blue
ink when that channel is 160 or more and the other two below: the pale
edges of antialiasing and the blends of two colours are no colour's ink. It
answers for black ink when every channel is below 112, so that a grey drawn
where black should be, or a line half a pixel off (two columns of half
grey), answers for none; and for red or blue ink when that channel exceeds
the green one by about 64 or more, as the blends of red and blue do for
both."""

COLOURS = ("black", "red", "blue")


def _table(f):
    return bytes(f(v) for v in range(256))


_LOW = {limit: _table(lambda v, limit=limit: 1 if v < limit else 0) for limit in (64, 112, 160)}
_HIGH_NIBBLE = _table(lambda v: v & 0xF0)
_LOW_NIBBLE = _table(lambda v: v >> 4)
_ABOVE = _table(lambda k: 1 if (k >> 4) - (k & 15) >= 4 else 0)


def _masks(data, width, height, channels):
    """Each colour's ink, and what answers for it, as integers holding a byte
    (0 or 1) per pixel."""
    n = width * height
    plane = [data[c::channels][:n] for c in range(3)]

    def mask(c, table):
        return int.from_bytes(plane[c].translate(table), "big")

    def above(c):  # channel c exceeds green by about 64 or more
        key = mask(c, _HIGH_NIBBLE) | mask(1, _LOW_NIBBLE)
        return int.from_bytes(key.to_bytes(n, "big").translate(_ABOVE), "big")

    every = int.from_bytes(b"\x01" * n, "big")
    r, g, b = (mask(c, _LOW[160]) for c in range(3))
    redder, bluer = above(0), above(2)
    k = mask(0, _LOW[64]) & mask(1, _LOW[64]) & mask(2, _LOW[64])
    ink = {"black": k,
           "red": (every ^ r) & g & b, "blue": r & g & (every ^ b)}
    answers = {"black": mask(0, _LOW[112]) & mask(1, _LOW[112]) & mask(2, _LOW[112]),
               "red": redder, "blue": bluer}
    return ink, answers


def near(mask, width):
    """The mask grown by one pixel in every direction (rows wrap at their
    ends, which moves nothing of the plane's drawing by more than its edge)."""
    row = 8 * width
    grown = mask | (mask << 8) | (mask >> 8)
    return grown | (grown << row) | (grown >> row)


def agreement(a, b, width):
    """The share of a's pixels that have a pixel of b within one pixel."""
    total = bin(a).count("1")
    if total == 0:
        return 1.0
    return bin(a & near(b, width)).count("1") / total


def compare(first, second, width, height):
    """For each colour, the share of the first picture's ink answered by the
    second within one pixel, and the other way round."""
    (ink1, answers1), (ink2, answers2) = (_masks(d, width, height, c) for d, c in (first, second))
    return {name: (agreement(ink1[name], answers2[name], width),
                   agreement(ink2[name], answers1[name], width)) for name in COLOURS}


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    # P6 <width> <height> 255, single whitespace-separated fields, then RGB.
    fields = data.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[len(data) - width * height * 3:]
