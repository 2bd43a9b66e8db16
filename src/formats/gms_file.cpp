#include "formats/gms_file.h"

#include "formats/bits.h"

namespace pixora {

std::optional<LoadedPicture> ReadGmsFile(std::string_view bytes) {
    if (!StartsWith(bytes, std::string_view("0\0\0", 3)) || bytes.size() < 4) {
        return std::nullopt;
    }
    const size_t length = static_cast<unsigned char>(bytes[3]);
    const size_t item = 4 + length;
    if (ByteAt(bytes, item) != 2 || bytes.size() < item + 7 || ByteAt(bytes, item + 3) != 0) {
        return std::nullopt;
    }
    const int width = ByteAt(bytes, item + 4);
    const int height = ByteAt(bytes, item + 5);
    if (ByteAt(bytes, item + 6) != 1 || width > PictureWidth || height > PictureHeight) {
        return std::nullopt;
    }
    const size_t pixelBytes = (static_cast<size_t>(width) * height + 7) / 8;
    if (bytes.size() - (item + 7) < pixelBytes) {
        return std::nullopt;
    }
    const std::string bits = str2bits(bytes.substr(item + 7, pixelBytes));
    LoadedPicture loaded;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            loaded.picture.Set(x, y, bits[y * width + x] == '1' ? 1 : 0);
        }
    }
    loaded.text = MessageTextFromFile(bytes.substr(4, length));
    return loaded;
}

}  // namespace pixora
