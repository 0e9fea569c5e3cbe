#include "TestPng.h"

#include <cstdio>
#include <zlib.h>

namespace
{

void PutBigEndian(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void PutChunk(std::vector<std::uint8_t>& out, const char* type, const std::vector<std::uint8_t>& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + start, static_cast<uInt>(out.size() - start));
    PutBigEndian(out, static_cast<std::uint32_t>(crc));
}

} // namespace

bool TestPng::Write(const std::string& path) const
{
    const int bytesPerPixel = m_Type == kRgba ? 4 : m_Type == kRgb ? 3 : 1;
    const size_t rowBytes = static_cast<size_t>(m_Width) * bytesPerPixel;

    // Each row starts with filter type 0 (none).
    std::vector<std::uint8_t> raw;
    for (int y = 0; y < m_Height; ++y)
    {
        raw.push_back(0);
        raw.insert(raw.end(), m_Pixels.begin() + y * rowBytes, m_Pixels.begin() + (y + 1) * rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packedSize);
    if (compress(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size())) != Z_OK)
        return false;
    packed.resize(packedSize);

    std::vector<std::uint8_t> header;
    PutBigEndian(header, static_cast<std::uint32_t>(m_Width));
    PutBigEndian(header, static_cast<std::uint32_t>(m_Height));
    header.push_back(8); // bits per sample
    header.push_back(static_cast<std::uint8_t>(m_Type));
    header.push_back(0); // deflate
    header.push_back(0); // adaptive filtering
    header.push_back(0); // not interlaced

    static const std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    std::vector<std::uint8_t> file(kSignature, kSignature + sizeof(kSignature));
    PutChunk(file, "IHDR", header);
    if (m_Type == kPalette)
    {
        PutChunk(file, "PLTE", m_Palette);
        if (!m_PaletteAlpha.empty())
            PutChunk(file, "tRNS", m_PaletteAlpha);
    }
    PutChunk(file, "IDAT", packed);
    PutChunk(file, "IEND", {});

    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}
