"""Prints the file version of a Windows PE file's version record (its
VS_FIXEDFILEINFO), as a.b.c.d: tests/packaging/pe_version.py Korvanta.dll"""
import struct
import sys

data = open(sys.argv[1], "rb").read()
# VS_FIXEDFILEINFO starts with its signature 0xFEEF04BD, then the structure
# version, then the file version's most and least significant words.
start = data.find(struct.pack("<I", 0xFEEF04BD))
if start < 0:
    sys.exit("%s: no version record" % sys.argv[1])
most, least = struct.unpack_from("<II", data, start + 8)
print("%d.%d.%d.%d" % (most >> 16, most & 0xFFFF, least >> 16, least & 0xFFFF))
