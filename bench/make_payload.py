#!/usr/bin/env python3
"""Writes a deterministic product payload of about SIZE_MB megabytes for the transfer benchmark:
three component folders of small, medium and large files, half of them compressible text."""
import os
import random
import sys

root = sys.argv[1]
size_mb = int(sys.argv[2]) if len(sys.argv) > 2 else 300
rng = random.Random(20261211)
words = [b"factura", b"client", b"furnizor", b"total", b"cont", b"sold", b"lei", b"TVA",
         b"luna", b"firma", b"operator", b"data"]


def content(size):
    if rng.random() < 0.5:
        return rng.randbytes(size)
    line = b" ".join(rng.choice(words) for _ in range(12)) + b"\r\n"
    text = bytearray()
    while len(text) < size:
        text += line
        if rng.random() < 0.1:
            line = b" ".join(rng.choice(words) for _ in range(12)) + b"\r\n"
    return bytes(text[:size])


def write(path, size):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(content(size))


budget = size_mb * 1024 * 1024
small = budget // 6  # many small files
medium = budget // 3  # files of about 1 MB
large = budget - small - medium  # a few large files
i = 0
while small > 0:
    size = rng.randint(2_000, 60_000)
    write(f"{root}/EXE/dir{i % 20}/file{i}.dat", size)
    small -= size
    i += 1
i = 0
while medium > 0:
    size = rng.randint(500_000, 1_500_000)
    write(f"{root}/HELP/topic{i}.hlp", size)
    medium -= size
    i += 1
i = 0
while large > 0:
    size = min(large, 40 * 1024 * 1024)
    write(f"{root}/PLUMETA/part{i}.bin", size)
    large -= size
    i += 1
