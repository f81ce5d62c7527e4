#!/usr/bin/env python3
"""Writes the undecoded form of a PNG picture that the windows show at once.

    scripts/argb-picture.py PICTURE.png [PICTURE.argb]

The program reads such pictures without an image decoder (shell/raw_picture.h): 8 bytes of
header ("ARGB", width and height as 16-bit big-endian numbers), then the rows top to bottom, each
pixel a 32-bit little-endian number 0xAARRGGBB with the colour premultiplied by the alpha (that
is, the bytes blue, green, red, alpha) — the form a pixmap keeps, so the windows take the bytes as
they are. The PNG stays the picture's source; a test checks that the two agree. Reads 8-bit,
non-interlaced PNG in RGBA, RGB, grey, grey with alpha, or with a palette; nothing but the
standard library is needed.
"""
import struct
import sys
import zlib


def chunks(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("not a PNG file")
    at = 8
    while at < len(data):
        (size,) = struct.unpack(">I", data[at:at + 4])
        yield data[at + 4:at + 8], data[at + 8:at + 8 + size]
        at += 12 + size


def decode(data):
    header, packed, palette, opacity = None, b"", b"", b""
    for kind, body in chunks(data):
        if kind == b"IHDR":
            header = body
        elif kind == b"IDAT":
            packed += body
        elif kind == b"PLTE":
            palette = body
        elif kind == b"tRNS":
            opacity = body
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", header)
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}.get(colour)
    if depth != 8 or interlace != 0 or channels is None:
        sys.exit("only 8-bit non-interlaced PNG files are read")
    raw = zlib.decompress(packed)
    stride = width * channels
    previous = bytearray(stride)
    rows = []
    at = 0
    for _ in range(height):
        kind, line = raw[at], bytearray(raw[at + 1:at + 1 + stride])
        at += 1 + stride
        for x in range(stride):
            a = line[x - channels] if x >= channels else 0
            b = previous[x]
            c = previous[x - channels] if x >= channels else 0
            if kind == 1:
                line[x] = (line[x] + a) & 255
            elif kind == 2:
                line[x] = (line[x] + b) & 255
            elif kind == 3:
                line[x] = (line[x] + (a + b) // 2) & 255
            elif kind == 4:
                pa, pb, pc = abs(b - c), abs(a - c), abs(a + b - 2 * c)
                guess = a if pa <= pb and pa <= pc else (b if pb <= pc else c)
                line[x] = (line[x] + guess) & 255
        rows.append(bytes(line))
        previous = line
    if colour == 3:  # a palette: each index becomes its colour and its opacity
        colours = [palette[i * 3:i * 3 + 3] + (opacity[i:i + 1] or b"\xff")
                   for i in range(len(palette) // 3)]
        rows = [b"".join(colours[i] for i in row) for row in rows]
        channels = 4
    return width, height, channels, rows


def to_rgba(pixel, channels):
    if channels == 4:
        return pixel
    if channels == 3:
        return pixel + b"\xff"
    if channels == 2:
        return pixel[:1] * 3 + pixel[1:]
    return pixel * 3 + b"\xff"


def premultiplied(value, alpha):
    # value * alpha / 255 rounded as the windows' toolkit rounds it, so both agree to the bit
    product = value * alpha
    return (product + (product >> 8) + 0x80) >> 8


def to_argb(pixel, channels):
    red, green, blue, alpha = to_rgba(pixel, channels)
    return bytes((premultiplied(blue, alpha), premultiplied(green, alpha),
                  premultiplied(red, alpha), alpha))


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    source = sys.argv[1]
    target = sys.argv[2] if len(sys.argv) == 3 else source.rsplit(".", 1)[0] + ".argb"
    with open(source, "rb") as f:
        width, height, channels, rows = decode(f.read())
    if width > 0xFFFF or height > 0xFFFF:
        sys.exit("a picture wider or taller than 65535 pixels has no such form")
    out = bytearray(b"ARGB" + struct.pack(">HH", width, height))
    for row in rows:
        for x in range(width):
            out += to_argb(row[x * channels:(x + 1) * channels], channels)
    with open(target, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main()
