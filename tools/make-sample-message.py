#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-2.0-or-later
# Writes a sample picture message: a heart and a greeting, drawn here as 28 text rows of 72
# cells ('#' set, '.' clear) and stored as a picture-message file.
#   tools/make-sample-message.py OUT.npm [OUT.txt]
# The text drawing goes to OUT.txt as well, so a caller can compare it with what pixora-cli reads.
import sys

WIDTH, HEIGHT = 72, 28
FONT = {  # 5 x 7 capitals, one string of five cells per row
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "!": ["..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."],
}


def drawing():
    cells = [["."] * WIDTH for _ in range(HEIGHT)]
    # A heart: (x^2 + y^2 - 1)^3 - x^2 y^3 <= 0, 24 cells wide at the left.
    for row in range(HEIGHT):
        for col in range(26):
            x = (col - 13) / 10.5
            y = (13 - row) / 10.5
            if (x * x + y * y - 1) ** 3 - x * x * y ** 3 <= 0:
                cells[row][col] = "#"
    # HELLO! at twice the font's size to the right of it, with a line under it.
    left, top = 29, 4
    for letter in "HELLO!":
        for r, pattern in enumerate(FONT[letter]):
            for c, cell in enumerate(pattern):
                if cell == "#":
                    for dy in (0, 1):
                        cells[top + 2 * r + dy][left + c] = "#"
        left += 7
    for col in range(29, 70):
        if col % 2 == 0:
            cells[21][col] = "#"
    return ["".join(row) for row in cells]


def npm_bytes(rows, text, author):
    data = text.encode("cp1252")
    bits = "".join("1" if cell == "#" else "0" for row in rows for cell in row)
    picture = bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8))
    return (b"NPM\0" + bytes([len(data)]) + data + b"\x00\x48\x1c\x01\x01\x50" + picture
            + b"Picture-Message File, v1.0, Made by " + author.encode("cp1252") + b"\r")


def main():
    rows = drawing()
    with open(sys.argv[1], "wb") as out:
        out.write(npm_bytes(rows, "Hello from Pixora! Draw, type and send.", "Pixora"))
    if len(sys.argv) > 2:
        with open(sys.argv[2], "w") as out:
            out.write("\n".join(rows) + "\n")


if __name__ == "__main__":
    main()
