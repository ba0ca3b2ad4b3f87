#include "platform/PngEncoder.h"

#include <algorithm>
#include <array>

namespace ov {

namespace {

constexpr std::array<uint32_t, 256> makeCrcTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; ++n) {
        uint32_t c = n;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<uint32_t, 256> kCrcTable = makeCrcTable();

// A deflate stored block holds at most 65535 bytes; an IDAT chunk is kept to 1 MiB so that no chunk
// length comes near PNG's 2^31 - 1 limit, however large the image.
constexpr size_t kStoredBlock = 65535;
constexpr size_t kIdatChunk = size_t{1} << 20;

void putBigEndian32(std::string& out, uint32_t v) {
    out += static_cast<char>(v >> 24);
    out += static_cast<char>(v >> 16);
    out += static_cast<char>(v >> 8);
    out += static_cast<char>(v);
}

const uint8_t* bytesOf(const std::string& s, size_t at) {
    return reinterpret_cast<const uint8_t*>(s.data()) + at;
}

void putChunk(std::string& png, const char type[4], const std::string& data, size_t from, size_t size) {
    putBigEndian32(png, static_cast<uint32_t>(size));
    const size_t crcFrom = png.size();
    png.append(type, 4);
    png.append(data, from, size);
    putBigEndian32(png, crc32(0, bytesOf(png, crcFrom), 4 + size));
}

// The zlib stream of the filtered rows: a header (deflate, 32 KiB window, no preset dictionary,
// "fastest" level), stored blocks, and the Adler-32 of the uncompressed data.
std::string zlibStored(const std::string& raw) {
    std::string z;
    z.reserve(raw.size() + raw.size() / kStoredBlock * 5 + 16);
    z += '\x78';
    z += '\x01';
    size_t at = 0;
    do {
        const size_t n = std::min(kStoredBlock, raw.size() - at);
        const bool last = at + n == raw.size();
        z += static_cast<char>(last ? 1 : 0); // BFINAL, BTYPE 00 (stored)
        z += static_cast<char>(n & 0xFF);
        z += static_cast<char>(n >> 8);
        z += static_cast<char>(~n & 0xFF);
        z += static_cast<char>((~n >> 8) & 0xFF);
        z.append(raw, at, n);
        at += n;
    } while (at < raw.size());
    putBigEndian32(z, adler32(1, bytesOf(raw, 0), raw.size()));
    return z;
}

} // namespace

uint32_t crc32(uint32_t crc, const uint8_t* data, size_t size) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i)
        crc = kCrcTable[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

uint32_t adler32(uint32_t adler, const uint8_t* data, size_t size) {
    constexpr uint32_t kBase = 65521;
    // 5552 bytes is the longest run whose sums cannot overflow 32 bits before the modulo.
    constexpr size_t kRun = 5552;
    uint32_t a = adler & 0xFFFF, b = adler >> 16;
    while (size > 0) {
        const size_t n = std::min(size, kRun);
        for (size_t i = 0; i < n; ++i) {
            a += data[i];
            b += a;
        }
        a %= kBase;
        b %= kBase;
        data += n;
        size -= n;
    }
    return (b << 16) | a;
}

std::string encodePng(uint32_t width, uint32_t height, PixelFormat format, const uint8_t* pixels,
                      size_t stride) {
    const size_t rowBytes = size_t{width} * bytesPerPixel(format);
    std::string raw;
    raw.reserve((rowBytes + 1) * height);
    for (uint32_t y = 0; y < height; ++y) {
        raw += '\0'; // filter type 0: the row as it is
        raw.append(reinterpret_cast<const char*>(pixels + size_t{y} * stride), rowBytes);
    }
    const std::string z = zlibStored(raw);
    raw = {};

    std::string png("\x89PNG\r\n\x1a\n", 8);
    png.reserve(z.size() + z.size() / kIdatChunk * 12 + 64);
    std::string header;
    putBigEndian32(header, width);
    putBigEndian32(header, height);
    header += '\x08';                                         // bits per channel
    header += format == PixelFormat::Rgb24 ? '\x02' : '\x06'; // colour type
    header.append(3, '\0');                                   // deflate, adaptive filters, no interlace
    putChunk(png, "IHDR", header, 0, header.size());
    for (size_t at = 0; at < z.size(); at += kIdatChunk)
        putChunk(png, "IDAT", z, at, std::min(kIdatChunk, z.size() - at));
    putChunk(png, "IEND", {}, 0, 0);
    return png;
}

} // namespace ov
