#!/usr/bin/env python3
"""Derives the malformed pack samples in malformed/*.dat from a module built from
reader_test.rc (pass its path). Each sample breaks the PE/COFF or resource directory
layout in one way; the reader must load none of them past the file's end.
"""
import struct
import sys

good = open(sys.argv[1], "rb").read()
pe = struct.unpack_from("<I", good, 0x3C)[0]
sections = struct.unpack_from("<H", good, pe + 6)[0]
optional = struct.unpack_from("<H", good, pe + 20)[0]
table = pe + 24 + optional
rsrc = None
for i in range(sections):
    at = table + i * 40
    if good[at:at + 5] == b".rsrc":
        rsrc = struct.unpack_from("<I", good, at + 20)[0]


def write(name, data):
    with open("malformed/" + name, "wb") as f:
        f.write(data)


write("truncated_headers.dat", good[:pe + 40])
write("truncated_directory.dat", good[:rsrc + 40])
write("bad_pe_offset.dat", good[:0x3C] + struct.pack("<I", 0xFFFFFFF0) + good[0x40:])

loop = bytearray(good)
count = sum(struct.unpack_from("<HH", loop, rsrc + 12))
for i in range(count):
    struct.pack_into("<I", loop, rsrc + 16 + i * 8 + 4, 0x80000000)  # back to the root
write("self_reference.dat", bytes(loop))

huge = bytearray(good)
struct.pack_into("<H", huge, rsrc + 14, 0xFFFF)  # claims 65535 id entries
write("entry_count.dat", bytes(huge))

section = bytearray(good)
at = table
for i in range(sections):
    if section[table + i * 40:table + i * 40 + 5] == b".rsrc":
        struct.pack_into("<I", section, table + i * 40 + 16, 0x7FFFFFFF)  # raw size
write("section_size.dat", bytes(section))
