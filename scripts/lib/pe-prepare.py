#!/usr/bin/env python3
"""Makes Windows programs ready for Authenticode signing, in place.

A signing tool pads a PE file with zero bytes to a multiple of 8 bytes before it appends the
signature, and sets the header checksum; removing the signature keeps the padding and sets the
checksum again. A file padded and summed beforehand is therefore exactly what removing the
signature from its signed copy gives back: the signed release is the unsigned one plus its
signature.
"""

import array
import struct
import sys

PE_OFFSET_AT = 0x3C
# Signature "PE\0\0", the file header (20 bytes), then the optional header's checksum at 64.
CHECKSUM_IN_HEADER = 4 + 20 + 64


def checksum_offset(data):
    (pe_offset,) = struct.unpack_from("<I", data, PE_OFFSET_AT)
    if data[pe_offset : pe_offset + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    return pe_offset + CHECKSUM_IN_HEADER


def pe_checksum(data, offset):
    """The PE header checksum: 16-bit words summed with end-around carry, the checksum field
    itself counted as zero, plus the file's length."""
    words = array.array("H")
    words.frombytes(bytes(data[:offset]) + b"\0\0\0\0" + bytes(data[offset + 4 :]))
    if sys.byteorder == "big":
        words.byteswap()
    total = sum(words)
    while total >> 16:
        total = (total & 0xFFFF) + (total >> 16)
    return (total + len(data)) & 0xFFFFFFFF


def prepare(path):
    with open(path, "rb") as program:
        data = bytearray(program.read())
    data += bytes(-len(data) % 8)
    offset = checksum_offset(data)
    struct.pack_into("<I", data, offset, pe_checksum(data, offset))
    with open(path, "wb") as program:
        program.write(data)


def main():
    if len(sys.argv) < 2:
        sys.exit("usage: pe-prepare.py PROGRAM.exe...")
    for path in sys.argv[1:]:
        prepare(path)


if __name__ == "__main__":
    main()
