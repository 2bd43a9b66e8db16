// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once
// What a picture file's first bytes tell before anything is decoded: which kind of file it is,
// how large a picture it declares, and for an uncompressed bitmap where each row lies. A decoder
// that knows the size up front can refuse or reduce a picture before it allocates a single row;
// a 161-byte JPEG may well declare 40000 x 40000 pixels.
//
// - BMP: "BM", file header (14 bytes: size at 2, pixel data offset at 10), DIB header (12 bytes
//   for OS/2: int16 width at 18 and height at 20, uint16 bits at 24; else 40 or more: int32
//   width at 18, int32 height at 22 (negative: top row first), uint16 bits at 28, uint32
//   compression at 30, uint32 image size at 34). Uncompressed rows are padded to four bytes.
// - GIF: "GIF87a" or "GIF89a", logical screen width and height as uint16 at 6 and 8.
// - JPEG: FF D8, then segments (FF marker, big-endian length including itself); a start of frame
//   (C0..CF but C4, C8, CC) holds precision, uint16 height, uint16 width.
// - PNG: the 8-byte signature, then the IHDR chunk: big-endian uint32 width at 16, height at 20.
// - ICO: 00 00 01 00, count, 16-byte entries; the first entry's width and height bytes (0 = 256).
// - WMF: placeable key D7 CD C6 9A, or a header of type 1 or 2 and 9 words. EMF: record type 1
//   and " EMF" at byte 40. Their size is a drawing's, not a raster's, and is not reported here.
// All BMP, GIF and ICO numbers are little-endian.
//
// Whether the data is all there is a walk over the file's structure, since decoders hand back
// whatever they decoded before the data ran out, the rest grey or black:
// - BMP: uncompressed rows padded to four bytes; RLE8/RLE4 data is (count, value) pairs and
//   escapes 00 00 end of line, 00 01 end of bitmap, 00 02 dx dy jump, 00 n with n literal pixels
//   padded to two bytes.
// - GIF: screen descriptor (7 bytes, colour table flag 0x80 and size 2 << (flags & 7) at byte
//   10), then extensions (21 label sub-blocks) until the first image (2C, 9 bytes, own colour
//   table, LZW code size, sub-blocks); sub-blocks are (length, bytes) ending with 0.
// - JPEG: entropy-coded data after each SOS up to the next marker that is not FF 00 or a
//   restart, and FF D9 at the end.
// - ICO: count at 4, 16-byte entries with the image's size at 8 and offset at 12.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace pixora {

enum class PictureKind { Unknown, Bmp, Gif, Jpeg, Png, Ico, Wmf, Emf };

PictureKind SniffPictureKind(std::string_view bytes);
// The kind a file name claims by its extension, either case: "bmp", "dib", "rle", "gif", "jpg",
// "jpeg", "jpe", "jfif", "ico", "wmf", "emf", "png".
PictureKind PictureKindFromName(std::string_view path);
// The kind the import decodes a file as: its content's, and for content without a magic of its
// own only a metafile's name counts (a bare Windows metafile has no placeable key).
PictureKind ProbePictureKind(std::string_view bytes, std::string_view path);
// Whether the whole picture is there: the first frame of a GIF, every row of a bitmap, the
// end of a JPEG, the first image of an icon. Kinds without a walk here (PNG and the others
// whose decoders report damage themselves) count as complete.
bool PictureDataComplete(std::string_view bytes, PictureKind kind);

struct PictureSize {
    int64_t width = 0;
    int64_t height = 0;
};

// The size the header declares, or nothing for a kind without one here or a header cut short.
// Never zero or negative.
std::optional<PictureSize> DeclaredPictureSize(std::string_view bytes);

// Where the rows of an uncompressed (or bit-field) bitmap lie.
struct BmpRows {
    size_t headerBytes = 0;  // file header, DIB header and colour table: what precedes the rows
    int64_t width = 0;
    int64_t height = 0;
    bool topDown = false;  // first row in the file is the top row
    size_t rowBytes = 0;   // one row with its padding
    size_t heightAt = 0;   // offset of the height field, to write a band's own height
    bool os2 = false;      // 16-bit height field
};

// Nothing for compressed bitmaps, for rows that do not all lie inside the file, and for
// anything that is no bitmap.
std::optional<BmpRows> FindBmpRows(std::string_view bytes);

// The size of an RLE8 or RLE4 bitmap, or nothing for any other file.
std::optional<PictureSize> RleBitmapSize(std::string_view bytes);

// Decodes an RLE8 or RLE4 bitmap one row at a time, in file order (bottom row first), handing
// each row to row(y, pixels) as 0x00RRGGBB words with y counted from the top; the memory used is
// one row whatever the picture's size. Pixels the data skips or leaves out take colour 0, as in
// Qt's reader; indices beyond the colour table are black. False for anything that is no RLE
// bitmap, or whose data breaks off before its last row.
// RLE data: (count, index) pairs; escapes 00 00 end of line, 00 01 end of bitmap, 00 02 dx dy
// jump, 00 n with n literal indices padded to two bytes. RLE4 packs two indices in a byte.
bool ReadRleBitmapRows(std::string_view bytes,
                       const std::function<void(int y, const uint32_t* pixels)>& row);

}  // namespace pixora
