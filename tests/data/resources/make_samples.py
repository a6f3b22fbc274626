#!/usr/bin/env python3
"""Writes the hand-made PNG samples under png/ and malformed/ (run from this folder).

The PNG chunks are built by hand so that each sample breaks exactly one rule.
PE samples are derived from the small module that tests/core/resources builds; they
are written by the test itself, so only the PNG and PE byte patterns that need no
build live here.
"""
import struct
import zlib


def chunk(kind, data, crc=None):
    if crc is None:
        crc = zlib.crc32(kind + data) & 0xFFFFFFFF
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", crc)


def ihdr(width, height, depth=8, colour=3, compression=0, filtering=0, interlace=0):
    return chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, compression, filtering, interlace))


SIG = b"\x89PNG\r\n\x1a\n"
PALETTE = chunk(b"PLTE", bytes([0, 0, 0, 255, 255, 255, 200, 30, 30, 20, 120, 40]))


def rows(width, height, filter_type=0):
    raw = b""
    for y in range(height):
        raw += bytes([filter_type]) + bytes((x + y) % 4 for x in range(width))
    return raw


def png(header, body_chunks):
    return SIG + header + b"".join(body_chunks) + chunk(b"IEND", b"")


def write(name, data):
    with open(name, "wb") as f:
        f.write(data)


good_idat = chunk(b"IDAT", zlib.compress(rows(4, 3)))
# A valid 4 x 3 indexed image with a tEXt and a gAMA chunk to skip.
write("png/skip_ancillary.png", png(ihdr(4, 3), [chunk(b"gAMA", struct.pack(">I", 45455)), PALETTE,
                                                 chunk(b"tEXt", b"Comment\0hello"), good_idat]))

write("malformed/bad_signature.png", b"\x89PNG\r\n\x1a\x0b" + png(ihdr(4, 3), [PALETTE, good_idat])[8:])
write("malformed/short_signature.png", SIG[:5])
write("malformed/truncated_ihdr.png", (SIG + ihdr(4, 3))[:20])
write("malformed/truncated_ihdr_crc.png", (SIG + ihdr(4, 3))[:31])
write("malformed/ihdr_crc.png", png(ihdr(4, 3)[:-1] + b"\0", [PALETTE, good_idat]))
write("malformed/depth16.png", png(ihdr(4, 3, depth=16, colour=0), [good_idat]))
write("malformed/depth4.png", png(ihdr(4, 3, depth=4), [PALETTE, good_idat]))
write("malformed/truecolour.png", png(ihdr(4, 3, colour=2), [good_idat]))
write("malformed/interlaced.png", png(ihdr(4, 3, interlace=1), [PALETTE, good_idat]))
write("malformed/compression1.png", png(ihdr(4, 3, compression=1), [PALETTE, good_idat]))
write("malformed/filter_method1.png", png(ihdr(4, 3, filtering=1), [PALETTE, good_idat]))
write("malformed/zero_width.png", png(ihdr(0, 3), [PALETTE, good_idat]))
write("malformed/palette257.png", png(ihdr(4, 3), [chunk(b"PLTE", bytes(771)), good_idat]))
write("malformed/palette_size.png", png(ihdr(4, 3), [chunk(b"PLTE", bytes(10)), good_idat]))
write("malformed/palette_crc.png", png(ihdr(4, 3), [PALETTE[:-1] + b"\0", good_idat]))
write("malformed/duplicate_palette.png", png(ihdr(4, 3), [PALETTE, PALETTE, good_idat]))
write("malformed/duplicate_trns.png", png(ihdr(4, 3), [PALETTE, chunk(b"tRNS", b"\0"), chunk(b"tRNS", b"\0\0"),
                                                      good_idat]))
write("malformed/trns_empty.png", png(ihdr(4, 3), [PALETTE, chunk(b"tRNS", b""), good_idat]))
corrupt = bytearray(good_idat)
corrupt[12] ^= 0x01  # a byte of the compressed data
write("malformed/idat_corrupt.png", png(ihdr(4, 3), [PALETTE, bytes(corrupt)]))
write("malformed/filter5.png", png(ihdr(4, 3), [PALETTE, chunk(b"IDAT", zlib.compress(rows(4, 3, 5)))]))
whole = png(ihdr(4, 3), [PALETTE, good_idat])
write("malformed/truncated_idat.png", whole[:len(whole) - 20])
write("malformed/no_iend.png", whole[:len(whole) - 12])
# A chunk whose length claims 2^32 - 16 bytes: a skip that would go backwards.
write("malformed/huge_chunk_length.png", png(ihdr(4, 3), [PALETTE, struct.pack(">I", 0xFFFFFFF0) + b"zzZz", good_idat]))
write("malformed/huge_dimensions.png", png(ihdr(0x7FFFFFFF, 0x7FFFFFFF), [PALETTE, good_idat]))
# More decompressed data than rows: the surplus must be dropped.
write("malformed/too_much_data.png", png(ihdr(4, 3), [PALETTE, chunk(b"IDAT", zlib.compress(rows(4, 40)))]))
write("malformed/not_zlib.png", png(ihdr(4, 3), [PALETTE, chunk(b"IDAT", b"\xff" * 30)]))
write("malformed/empty.png", b"")
