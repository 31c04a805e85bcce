#!/usr/bin/env python3
"""Recompresses a PNG in place. The gallery writes its screenshots with
stored (uncompressed) deflate blocks, which keeps its writer tiny; this makes
the file small enough to commit."""
import struct
import sys
import zlib


def chunk(kind, body):
    return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body) & 0xffffffff)


def compact(path):
    data = open(path, 'rb').read()
    pos, chunks, idat = 8, [], b''
    while pos < len(data):
        n, = struct.unpack('>I', data[pos:pos + 4])
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + n]
        pos += 12 + n
        if kind == b'IDAT':
            idat += body
        else:
            chunks.append((kind, body))
    out = data[:8]
    for kind, body in chunks:
        if kind == b'IEND':
            out += chunk(b'IDAT', zlib.compress(zlib.decompress(idat), 9))
        out += chunk(kind, body)
    open(path, 'wb').write(out)


if __name__ == '__main__':
    for p in sys.argv[1:]:
        compact(p)
