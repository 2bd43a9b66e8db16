// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/image_loader.h"
#include "formats/picture_header.h"
#include "platform/test_application.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <QByteArray>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace pixora {
namespace {

std::string Fixture(const char* name) {
    return std::string(PIXORA_FIXTURES) + "/images/" + name;
}

QByteArray ReadFixture(const char* name) {
    QFile file(QString::fromStdString(Fixture(name)));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
    return file.readAll();
}

class Bytes {
public:
    Bytes& U8(int v) {
        data_.append(static_cast<char>(v & 0xFF));
        return *this;
    }
    Bytes& U16(int v) { return U8(v).U8(v >> 8); }
    Bytes& U32(int64_t v) {
        return U16(static_cast<int>(v & 0xFFFF)).U16(static_cast<int>((v >> 16) & 0xFFFF));
    }
    Bytes& Raw(const QByteArray& b) {
        data_.append(b);
        return *this;
    }
    const QByteArray& Data() const { return data_; }

private:
    QByteArray data_;
};

// A WMF with a placeable header framing 40 x 20 units at 96 units per inch (one unit is one
// screen pixel) and a black rectangle from (5, 4) to (14, 9) drawn with no pen.
QByteArray RectangleWmf() {
    Bytes records;
    const auto record = [&records](int function, std::vector<int> words) {
        records.U32(3 + static_cast<int64_t>(words.size())).U16(function);
        for (int w : words) {
            records.U16(w);
        }
    };
    record(0x02FC, {0, 0x0000, 0x0000, 0});  // CREATEBRUSHINDIRECT: solid black
    record(0x012D, {0});                     // SELECTOBJECT
    record(0x02FA, {5, 0, 0, 0, 0});         // CREATEPENINDIRECT: PS_NULL
    record(0x012D, {1});
    record(0x041B, {9, 14, 4, 5});  // RECTANGLE: bottom, right, top, left
    record(0x0000, {});             // EOF
    Bytes placeable;
    placeable.U32(0x9AC6CDD7).U16(0).U16(0).U16(0).U16(40).U16(20).U16(96).U32(0);
    uint16_t checksum = 0;
    for (int i = 0; i < 20; i += 2) {
        checksum ^= static_cast<uint16_t>(static_cast<uint8_t>(placeable.Data()[i]) |
                                          (static_cast<uint8_t>(placeable.Data()[i + 1]) << 8));
    }
    placeable.U16(checksum);
    Bytes header;
    header.U16(1).U16(9).U16(0x300).U32((18 + records.Data().size()) / 2).U16(2).U32(8).U16(0);
    return placeable.Data() + header.Data() + records.Data();
}

// An EMF of 40 x 20 pixels with the same black rectangle, drawn with the stock null pen.
QByteArray RectangleEmf() {
    Bytes body;
    body.U32(39).U32(24).U32(1).U32(0).U32(0x000000).U32(0);  // CREATEBRUSHINDIRECT black
    body.U32(37).U32(12).U32(1);                              // SELECTOBJECT brush
    body.U32(37).U32(12).U32(0x80000008);                     // SELECTOBJECT NULL_PEN
    body.U32(43).U32(24).U32(5).U32(4).U32(14).U32(9);        // RECTANGLE
    body.U32(14).U32(20).U32(0).U32(16).U32(20);              // EOF
    Bytes header;
    header.U32(1).U32(88);
    header.U32(0).U32(0).U32(40).U32(20);     // bounds in pixels
    header.U32(0).U32(0).U32(1250).U32(625);  // frame in 0.01 mm
    header.U32(0x464D4520).U32(0x10000);      // " EMF", version
    header.U32(88 + body.Data().size()).U32(6).U16(3).U16(0);
    header.U32(0).U32(0).U32(0);                  // description, palette
    header.U32(1024).U32(768).U32(320).U32(240);  // device in pixels and millimetres
    return header.Data() + body.Data();
}

// An 8 x 4 RLE4 bitmap, white with black at columns 2..5 of rows 1 and 2.
QByteArray Rle4Bitmap() {
    Bytes data;
    const std::vector<std::vector<int>> rowsBottomUp = {
        {8, 0x00}, {2, 0x00, 4, 0x11, 2, 0x00}, {2, 0x00, 4, 0x11, 2, 0x00}, {8, 0x00}};
    for (const auto& row : rowsBottomUp) {
        for (int b : row) {
            data.U8(b);
        }
        data.U8(0).U8(0);
    }
    data.U8(0).U8(1);
    Bytes palette;
    palette.U32(0xFFFFFF).U32(0x000000);
    for (int i = 2; i < 16; ++i) {
        palette.U32(0);
    }
    const int offset = 14 + 40 + static_cast<int>(palette.Data().size());
    Bytes file;
    file.U8('B').U8('M').U32(offset + data.Data().size()).U32(0).U32(offset);
    file.U32(40).U32(8).U32(4).U16(1).U16(4).U32(2).U32(data.Data().size());
    file.U32(2835).U32(2835).U32(16).U32(0);
    return file.Raw(palette.Data()).Raw(data.Data()).Data();
}

// An RLE8 bitmap header of any size whose pixel data is only the end-of-bitmap mark.
QByteArray EmptyRle8Bitmap(int width, int height) {
    Bytes file;
    const int offset = 14 + 40 + 8;
    file.U8('B').U8('M').U32(offset + 2).U32(0).U32(offset);
    file.U32(40).U32(width).U32(height).U16(1).U16(8).U32(1).U32(2);
    file.U32(2835).U32(2835).U32(2).U32(0);
    file.U32(0xFFFFFF).U32(0x000000);
    return file.U8(0).U8(1).Data();
}

// A JPEG header claiming a huge frame with no image data behind it.
QByteArray HugeJpegHeader(int width, int height) {
    Bytes file;
    file.U8(0xFF).U8(0xD8);
    file.U8(0xFF).U8(0xC0).U8(0).U8(11).U8(8);
    file.U8(height >> 8).U8(height).U8(width >> 8).U8(width);
    file.U8(1).U8(1).U8(0x11).U8(0);
    return file.U8(0xFF).U8(0xD9).Data();
}

class TempFiles {
public:
    std::string Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path.toStdString();
    }

private:
    QTemporaryDir dir_;
};

bool Near(Rgb actual, int grey, int tolerance) {
    return std::abs(RedOf(actual) - grey) <= tolerance &&
           std::abs(GreenOf(actual) - grey) <= tolerance &&
           std::abs(BlueOf(actual) - grey) <= tolerance;
}

// Counts pixels that break "black inside [left..right] x [top..bottom], white outside". Pixels
// within `margin` of the rectangle's edge are not judged: filters may blur them.
int Mismatches(const Raster& image, int left, int top, int right, int bottom, int margin,
               int tolerance) {
    int wrong = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x) {
            const bool deepInside = x >= left + margin && x <= right - margin &&
                                    y >= top + margin && y <= bottom - margin;
            const bool farOutside =
                x < left - margin || x > right + margin || y < top - margin || y > bottom + margin;
            if ((deepInside && !Near(image.Pixel(x, y), 0, tolerance)) ||
                (farOutside && !Near(image.Pixel(x, y), 255, tolerance))) {
                ++wrong;
            }
        }
    }
    return wrong;
}

struct RectangleCase {
    const char* name;
    QByteArray bytes;
    const char* fileName;  // the extension says nothing; only the content counts
    int width, height;
    int left, top, right, bottom;  // inclusive, black
    int margin, tolerance;
};

TEST(ImageLoader, EachFormatLoadsToItsPicture) {
    testing::EnsureTestApplication();
    const RectangleCase cases[] = {
        {"RLE8 bitmap", ReadFixture("rect_rle8.bmp"), "a.rle", 20, 10, 3, 2, 8, 6, 0, 0},
        {"RLE4 bitmap", Rle4Bitmap(), "b.bmp", 8, 4, 2, 1, 5, 2, 0, 0},
        {"GIF", ReadFixture("rect.gif"), "c.i61", 20, 10, 3, 2, 8, 6, 0, 0},
        {"JPEG", ReadFixture("rect.jpg"), "d.jpg", 40, 24, 10, 5, 29, 14, 2, 24},
        {"icon, transparent around the square", ReadFixture("square_alpha.ico"), "e.ico", 16, 16, 4,
         4, 11, 11, 0, 0},
        // libwmf fills the rectangle's far edge too; GDI would stop one pixel short.
        {"WMF", RectangleWmf(), "f.wmf", 40, 20, 5, 4, 13, 8, 1, 0},
        {"EMF", RectangleEmf(), "g.dat", 40, 20, 5, 4, 13, 8, 1, 0},
    };
    TempFiles files;
    for (const RectangleCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = files.Write(c.fileName, c.bytes);
        const std::optional<Raster> image = LoadPictureFile(path);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->Width(), c.width);
        EXPECT_EQ(image->Height(), c.height);
        EXPECT_EQ(Mismatches(*image, c.left, c.top, c.right, c.bottom, c.margin, c.tolerance), 0);
        // The fit path shrinks exactly as the fit of the whole image would.
        EXPECT_EQ(LoadPictureFileForFit(path, 72, 28), MakeImportedImage(*image));
    }
}

TEST(ImageLoader, ExtensionDecidesOnlyWhenTheContentIsUnknown) {
    TempFiles files;
    // A GIF named .bmp is still a GIF.
    EXPECT_TRUE(LoadPictureFile(files.Write("gif.bmp", ReadFixture("rect.gif"))).has_value());
    // A headerless WMF (no placeable key, header type 1 and size 9 give the usual start) works
    // by content whatever its name.
    QByteArray bare = RectangleWmf().mid(22);
    const std::optional<Raster> bareWmf = LoadPictureFile(files.Write("bare.i61", bare));
    ASSERT_TRUE(bareWmf.has_value());
    // Text files are nothing, whatever they are called: no raster decoder takes them, and the
    // metafile renderer that the name .wmf calls on finds no metafile.
    for (const auto& [name, expected] : {std::pair{"text.jpg", ReadError::UnknownFormat},
                                         std::pair{"text.wmf", ReadError::Damaged},
                                         std::pair{"text.i61", ReadError::UnknownFormat}}) {
        ReadError error = ReadError::None;
        EXPECT_FALSE(LoadPictureFile(files.Write(name, "hello, world"), &error).has_value());
        EXPECT_EQ(error, expected) << name;
    }
}

// A line drawing: one-pixel black lines on white, vertical every 37 columns from column 3 and
// one horizontal line through the middle.
QImage LineDrawing(int width, int height, QImage::Format format) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; ++y) {
        for (int x = 3; x < width; x += 37) {
            image.setPixel(x, y, qRgb(0, 0, 0));
        }
    }
    for (int x = 0; x < width; ++x) {
        image.setPixel(x, height / 2, qRgb(0, 0, 0));
    }
    return format == QImage::Format_RGB32 ? image : image.convertToFormat(format);
}

bool IsBlack(Rgb c) {
    return RedOf(c) < 64 && GreenOf(c) < 64 && BlueOf(c) < 64;
}

TEST(ImageLoader, LineDrawingsKeepEveryLineAtEverySize) {
    struct Case {
        int width, height;
        QImage::Format format;
        const char* type;
    } cases[] = {
        {289, 112, QImage::Format_RGB32, "bmp"},
        {720, 300, QImage::Format_RGB32, "bmp"},
        {1000, 400, QImage::Format_Indexed8, "bmp"},
        {3000, 200, QImage::Format_RGB32, "png"},
        {1500, 900, QImage::Format_Grayscale8, "jpg"},
        // 36 million pixels: more than one decode may hold, so it is read in bands.
        {6000, 6000, QImage::Format_Mono, "bmp"},
        {9000, 1500, QImage::Format_RGB32, "bmp"},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " " + c.type);
        const QString path = dir.filePath(QString("lines%1.%2").arg(c.width).arg(c.type));
        ASSERT_TRUE(LineDrawing(c.width, c.height, c.format).save(path, c.type, 95));
        const std::optional<ImportedImage> image =
            LoadPictureFileForFit(path.toStdString(), 72, 28);
        ASSERT_TRUE(image.has_value());
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.height);
        ASSERT_EQ(image->shrunk.Width(), 72);
        ASSERT_EQ(image->shrunk.Height(), 28);
        for (int x = 3; x < c.width; x += 37) {
            for (int y = 0; y < 28; ++y) {
                ASSERT_TRUE(IsBlack(image->shrunk.Pixel(x * 72 / c.width, y))) << x << "," << y;
            }
        }
        for (int x = 0; x < 72; ++x) {
            ASSERT_TRUE(IsBlack(image->shrunk.Pixel(x, c.height / 2 * 28 / c.height))) << x;
        }
        // The answer No keeps the picture's own top-left pixels, unscaled.
        ASSERT_EQ(image->corner.Width(), 72);
        for (int x = 0; x < 72; ++x) {
            ASSERT_EQ(IsBlack(image->corner.Pixel(x, 0)), x >= 3 && (x - 3) % 37 == 0) << x;
        }
    }
}

TEST(ImageLoader, LargePicturesFitWhole) {
    // Black left halves: a bitmap and a photo-sized JPEG.
    for (const char* fixture : {"halves_300x120.bmp", "halves_800x600.jpg"}) {
        SCOPED_TRACE(fixture);
        const std::optional<ImportedImage> image = LoadPictureFileForFit(Fixture(fixture), 72, 28);
        ASSERT_TRUE(image.has_value());
        ASSERT_EQ(image->shrunk.Width(), 72);
        ASSERT_EQ(image->shrunk.Height(), 28);
        EXPECT_EQ(Mismatches(image->shrunk, 0, 0, 35, 27, 1, 40), 0);
        EXPECT_EQ(Mismatches(image->corner, 0, 0, 71, 27, 0, 40), 0);  // all black
    }
}

// An RLE8 bitmap, white, with black columns every 50 from column 3 and a black middle row.
QByteArray RleLines(int width, int height) {
    Bytes data;
    for (int fileRow = 0; fileRow < height; ++fileRow) {
        if (height - 1 - fileRow == height / 2) {
            for (int left = width; left > 0; left -= 255) {
                data.U8(std::min(255, left)).U8(1);
            }
        } else {
            data.U8(3).U8(0);
            for (int x = 3; x < width; x += 50) {
                data.U8(1).U8(1);
                if (const int run = std::min(49, width - x - 1); run > 0) {
                    data.U8(run).U8(0);
                }
            }
        }
        data.U8(0).U8(0);
    }
    data.U8(0).U8(1);
    const int offset = 14 + 40 + 8;
    Bytes file;
    file.U8('B').U8('M').U32(offset + data.Data().size()).U32(0).U32(offset);
    file.U32(40).U32(width).U32(height).U16(1).U16(8).U32(1).U32(data.Data().size());
    file.U32(2835).U32(2835).U32(2).U32(0);
    file.U32(0xFFFFFF).U32(0x000000);
    return file.Raw(data.Data()).Data();
}

TEST(ImageLoader, RleBitmapsTooLargeForOneDecodeAreReadRowByRow) {
    TempFiles files;
    // Small enough for Qt's own reader: the same picture either way.
    const std::string small = files.Write("small.bmp", RleLines(300, 100));
    const std::optional<Raster> whole = LoadPictureFile(small);
    ASSERT_TRUE(whole.has_value());
    Raster own(300, 100, 0);
    const QByteArray bytes = RleLines(300, 100);
    ASSERT_TRUE(ReadRleBitmapRows({bytes.constData(), static_cast<size_t>(bytes.size())},
                                  [&own](int y, const uint32_t* pixels) {
                                      for (int x = 0; x < 300; ++x) {
                                          own.SetPixel(x, y, 0xFF000000u | pixels[x]);
                                      }
                                  }));
    EXPECT_EQ(own, *whole);
    // 36 million pixels in a file of about 1.5 MB.
    const std::optional<ImportedImage> big =
        LoadPictureFileForFit(files.Write("big.bmp", RleLines(6000, 6000)), 72, 28);
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(big->width, 6000);
    for (int x = 3; x < 6000; x += 50) {
        EXPECT_TRUE(IsBlack(big->shrunk.Pixel(x * 72 / 6000, 5))) << x;
    }
    for (int x = 0; x < 72; ++x) {
        EXPECT_TRUE(IsBlack(big->shrunk.Pixel(x, 14))) << x;
        EXPECT_EQ(IsBlack(big->corner.Pixel(x, 0)), x == 3 || x == 53) << x;
    }
}

// Drawn by a drawing program (see the fixtures' README): a frame two units wide around the whole
// picture and a diagonal from its top left to its bottom right.
TEST(ImageLoader, MetafilesOfADrawingProgramFillThePicture) {
    testing::EnsureTestApplication();
    struct Case {
        const char* name;
        int width, height;             // drawn at, within 1 pixel; 0: not judged
        int left, top, right, bottom;  // a line of the frame through each
    } cases[] = {
        // The placeable header's frame: 899 x 349 units at 1200 per inch.
        {"frame_inkscape.wmf", 72, 28, 2, 2, 70, 26},
        // Drawn at the SVG's own device units (944 x 377 here); libemf2svg's drawing comes out
        // a little smaller than its box.
        {"frame_inkscape.emf", 0, 0, 1, 1, 66, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<ImportedImage> image = LoadPictureFileForFit(Fixture(c.name), 72, 28);
        ASSERT_TRUE(image.has_value());
        if (c.width != 0) {
            EXPECT_NEAR(image->width, c.width, 1);
            EXPECT_NEAR(image->height, c.height, 1);
        }
        const Raster& r = image->shrunk;
        int frame = 0;
        for (int x = c.left + 2; x <= c.right - 2; ++x) {
            frame += IsBlack(r.Pixel(x, c.top)) + IsBlack(r.Pixel(x, c.bottom));
        }
        for (int y = c.top + 2; y <= c.bottom - 2; ++y) {
            frame += IsBlack(r.Pixel(c.left, y)) + IsBlack(r.Pixel(c.right, y));
        }
        EXPECT_EQ(frame, 2 * (c.right - c.left - 3) + 2 * (c.bottom - c.top - 3));
        // The diagonal; white well above and below it.
        EXPECT_TRUE(IsBlack(r.Pixel(40, 14)));
        EXPECT_TRUE(IsBlack(r.Pixel(19, 8)));
        EXPECT_FALSE(IsBlack(r.Pixel(14, 20)));
        EXPECT_FALSE(IsBlack(r.Pixel(56, 7)));
    }
}

TEST(ImageLoader, MetafilesFitAsTheirWholeDrawingWould) {
    testing::EnsureTestApplication();
    TempFiles files;
    for (const auto& [name, bytes] :
         {std::pair{"r.wmf", RectangleWmf()}, std::pair{"r.emf", RectangleEmf()}}) {
        SCOPED_TRACE(name);
        const std::string path = files.Write(name, bytes);
        const std::optional<Raster> whole = LoadPictureFile(path);
        ASSERT_TRUE(whole.has_value());
        const std::optional<ImportedImage> fit = LoadPictureFileForFit(path, 5, 2);
        ASSERT_TRUE(fit.has_value());
        EXPECT_EQ(*fit, MakeImportedImage(*whole, 5, 2));
        // The rectangle (5..13 x 4..8 of 40 x 20) lands in columns 0..1 of row 0.
        EXPECT_TRUE(IsBlack(fit->shrunk.Pixel(1, 0)));
        EXPECT_FALSE(IsBlack(fit->shrunk.Pixel(3, 1)));
    }
}

TEST(ImageLoader, NoRegularFileIsRefusedAtOnce) {
    QTemporaryDir dir;
    const std::string fifo = dir.filePath("x.bmp").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        ReadError error = ReadError::None;
        EXPECT_FALSE(LoadPictureFileForFit(path, 72, 28, &error).has_value());
        EXPECT_EQ(error, ReadError::NotRegularFile);
        error = ReadError::None;
        EXPECT_FALSE(LoadPictureFile(path, &error).has_value());
        EXPECT_EQ(error, ReadError::NotRegularFile);
    }
}

TEST(ImageLoader, OddSizes) {
    TempFiles files;
    EXPECT_FALSE(LoadPictureFile(files.Write("zero.bmp", EmptyRle8Bitmap(0, 0))).has_value());
    EXPECT_FALSE(LoadPictureFile(files.Write("zero2.bmp", EmptyRle8Bitmap(5, 0))).has_value());

    const std::string tall = files.Write("tall.bmp", EmptyRle8Bitmap(1, 100000));
    const std::optional<Raster> full = LoadPictureFile(tall);
    ASSERT_TRUE(full.has_value());
    EXPECT_EQ(full->Width(), 1);
    EXPECT_EQ(full->Height(), 100000);
    const std::optional<ImportedImage> fit = LoadPictureFileForFit(tall, 72, 28);
    ASSERT_TRUE(fit.has_value());
    EXPECT_EQ(fit->shrunk.Width(), 1);
    EXPECT_EQ(fit->shrunk.Height(), 28);

    // 400 million pixels are refused before any decoding, through either entry, and so is a
    // JPEG that declares 40000 x 40000.
    const std::string huge = files.Write("huge.bmp", EmptyRle8Bitmap(20000, 20000));
    const std::string hugeJpeg = files.Write("huge.jpg", HugeJpegHeader(20000, 20000));
    for (const std::string& path : {huge, hugeJpeg}) {
        ReadError whole = ReadError::None;
        ReadError fit = ReadError::None;
        EXPECT_FALSE(LoadPictureFile(path, &whole).has_value()) << path;
        EXPECT_FALSE(LoadPictureFileForFit(path, 72, 28, &fit).has_value()) << path;
        EXPECT_EQ(whole, ReadError::TooManyPixels) << path;
        EXPECT_EQ(fit, ReadError::TooManyPixels) << path;
    }
    EXPECT_FALSE(
        LoadPictureFileForFit(files.Write("huger.jpg", HugeJpegHeader(40000, 40000)), 72, 28));
}

struct DamagedCase {
    const char* name;
    QByteArray bytes;
    const char* fileName;
};

std::vector<DamagedCase> DamagedFiles() {
    std::vector<DamagedCase> cases;
    const std::pair<const char*, QByteArray> whole[] = {
        {"rle8.bmp", ReadFixture("rect_rle8.bmp")},
        {"rle4.bmp", Rle4Bitmap()},
        {"plain.bmp", ReadFixture("halves_300x120.bmp")},
        {"a.gif", ReadFixture("rect.gif")},
        {"a.jpg", ReadFixture("rect.jpg")},
        {"a.ico", ReadFixture("square_alpha.ico")},
        {"a.wmf", RectangleWmf()},
        {"a.emf", RectangleEmf()},
    };
    for (const auto& [name, bytes] : whole) {
        // Cut anywhere from the start to just before the last byte the picture needs: a GIF's
        // trailer and the RLE end mark after a complete last line are not needed.
        const qsizetype unneeded = QByteArray(name).endsWith(".gif")    ? 1
                                   : QByteArray(name).startsWith("rle") ? 2
                                                                        : 0;
        const qsizetype needed = bytes.size() - unneeded;
        for (qsizetype cut : {qsizetype{0}, qsizetype{1}, qsizetype{12}, needed / 3, needed / 2,
                              needed - 3, needed - 1}) {
            cases.push_back({name, bytes.left(cut), name});
        }
    }
    const QByteArray wmf = RectangleWmf();
    cases.push_back(
        {"WMF record of size 0", wmf.left(40) + QByteArray(4, '\0') + wmf.mid(44), "z.wmf"});
    QByteArray emf = RectangleEmf();
    emf[92] = 25;  // first record's size not a multiple of four
    cases.push_back({"EMF record size", emf, "z.emf"});
    QByteArray emfBigRecord = RectangleEmf();
    emfBigRecord[95] = 0x7F;  // first record claims 2 GB
    cases.push_back({"EMF record past the end", emfBigRecord, "y.emf"});
    QByteArray ico = ReadFixture("square_alpha.ico");
    ico[6 + 12 + 2] = 0x40;  // image offset beyond the file
    cases.push_back({"icon entry past the end", ico, "z.ico"});
    QByteArray gif = ReadFixture("rect.gif");
    cases.push_back({"GIF with only a trailer", gif.left(13 + 6) + QByteArray(1, ';'), "z.gif"});
    cases.push_back({"BMP magic, then junk", QByteArray("BM") + QByteArray(60, '\x7F'), "z.bmp"});
    cases.push_back(
        {"JPEG magic, then junk", QByteArray("\xFF\xD8") + QByteArray(60, 'x'), "z.jpg"});
    cases.push_back({"JPEG without a frame", QByteArray("\xFF\xD8\xFF\xD9", 4), "y.jpg"});
    cases.push_back({"empty", QByteArray(), "empty.bmp"});
    return cases;
}

TEST(ImageLoader, DamagedFilesGiveNothing) {
    testing::EnsureTestApplication();
    TempFiles files;
    int index = 0;
    for (const DamagedCase& c : DamagedFiles()) {
        SCOPED_TRACE(std::string(c.name) + ", " + std::to_string(c.bytes.size()) + " bytes");
        const std::string path = files.Write(QString::number(index++) + "_" + c.fileName, c.bytes);
        ReadError whole = ReadError::None;
        ReadError fit = ReadError::None;
        EXPECT_FALSE(LoadPictureFile(path, &whole).has_value());
        EXPECT_FALSE(LoadPictureFileForFit(path, 72, 28, &fit).has_value());
        ReadError preview = ReadError::None;
        EXPECT_FALSE(LoadPictureFileForPreview(path, 64, 64, &preview).has_value());
        // Damage is no matter of size: every entry gives the same reason, and it is one of the
        // contents' own.
        EXPECT_EQ(whole, fit);
        EXPECT_EQ(preview, fit);
        EXPECT_TRUE(whole == ReadError::TooShort || whole == ReadError::UnknownFormat ||
                    whole == ReadError::Damaged)
            << static_cast<int>(whole);
    }
}

TEST(ImageLoader, MissingFilesAndFoldersGiveNothing) {
    QTemporaryDir dir;
    const struct {
        std::string path;
        ReadError error;
    } cases[] = {
        {dir.path().toStdString(), ReadError::NotRegularFile},
        {dir.filePath("none.bmp").toStdString(), ReadError::NotFound},
        {"", ReadError::NotFound},
    };
    for (const auto& c : cases) {
        ReadError error = ReadError::None;
        EXPECT_FALSE(LoadPictureFile(c.path, &error).has_value()) << c.path;
        EXPECT_EQ(error, c.error) << c.path;
        ReadError preview = ReadError::None;
        EXPECT_FALSE(LoadPictureFileForPreview(c.path, 64, 64, &preview).has_value()) << c.path;
        EXPECT_EQ(preview, c.error) << c.path;
    }
}

TEST(ImageLoader, PreviewSourceIsTheWholePictureReducedOnce) {
    testing::EnsureTestApplication();
    TempFiles files;
    const struct {
        std::string path;
        bool wholeLoads;  // else only the row-by-row decode reads it
    } cases[] = {
        {Fixture("halves_300x120.bmp"), true},
        {Fixture("halves_800x600.jpg"), true},
        {files.Write("big.bmp", RleLines(6000, 6000)), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const std::optional<PreviewSource> source = LoadPictureFileForPreview(c.path, 160, 100);
        ASSERT_TRUE(source.has_value());
        const std::optional<ImportedImage> fit = LoadPictureFileForFit(c.path, 72, 28);
        ASSERT_TRUE(fit.has_value());
        EXPECT_EQ(source->copy.SourceWidth(), fit->width);
        EXPECT_EQ(source->copy.SourceHeight(), fit->height);
        // The thumbnail fits its box and keeps the picture's proportions to a pixel.
        const Raster& thumb = source->thumbnail;
        EXPECT_TRUE(thumb.Width() <= 160 && thumb.Height() <= 100 &&
                    (thumb.Width() == 160 || thumb.Height() == 100))
            << thumb.Width() << " x " << thumb.Height();
        EXPECT_NEAR(thumb.Width() * fit->height, thumb.Height() * fit->width, fit->width);
        if (c.wholeLoads) {
            // Fed row by row, the copy is the one made from the whole decoded picture.
            const std::optional<Raster> whole = LoadPictureFile(c.path);
            ASSERT_TRUE(whole.has_value());
            const ImportWorkingCopy expected(*whole);
            EXPECT_EQ(source->copy.Reduced(), expected.Reduced());
            for (const FitMode mode : {FitMode::Stretch, FitMode::KeepProportions,
                                       FitMode::FillAndCrop, FitMode::TopLeft}) {
                AdjustSettings settings;
                settings.fit = mode;
                EXPECT_EQ(source->copy.Render(settings), expected.Render(settings))
                    << static_cast<int>(mode);
            }
            // Black left half, white right half.
            EXPECT_TRUE(Near(thumb.Pixel(thumb.Width() / 4, thumb.Height() / 2), 0, 40));
            EXPECT_TRUE(Near(thumb.Pixel(thumb.Width() * 3 / 4, thumb.Height() / 2), 255, 40));
        }
    }
}

TEST(ImageLoader, Utf8Paths) {
    TempFiles files;
    const std::string path =
        files.Write(QString::fromUtf8("bild-\xC3\xBC\xE2\x82\xAC.gif"), ReadFixture("rect.gif"));
    EXPECT_TRUE(LoadPictureFile(path).has_value());
}

}  // namespace
}  // namespace pixora
