"""Compares two pictures of the plane by their ink: the pixels that are not
(nearly) white. Each picture is a bytes object of width x height pixels with
`channels` bytes each; a pixel is ink when a colour channel is below 160,
which takes the black, red and blue of the lesson and leaves the pale edges
of antialiasing out."""

INK = bytes(1 if v < 160 else 0 for v in range(256))


def ink(data, width, height, channels):
    """The ink as one integer holding a byte (0 or 1) per pixel."""
    mask = 0
    for c in range(3):
        mask |= int.from_bytes(data[c::channels][: width * height].translate(INK), "big")
    return mask


def near(mask, width):
    """The ink grown by one pixel in every direction (rows wrap at their ends,
    which moves nothing of the plane's drawing by more than its edge)."""
    row = 8 * width
    grown = mask | (mask << 8) | (mask >> 8)
    return grown | (grown << row) | (grown >> row)


def agreement(a, b, width):
    """The share of a's ink pixels that have an ink pixel of b within one pixel."""
    total = bin(a).count("1")
    if total == 0:
        return 1.0
    return bin(a & near(b, width)).count("1") / total


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    # P6 <width> <height> 255, single whitespace-separated fields, then RGB.
    fields = data.split(maxsplit=4)
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[len(data) - width * height * 3:]
