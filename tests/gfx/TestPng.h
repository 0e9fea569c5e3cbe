#ifndef FLATMATES_TESTS_GFX_TESTPNG_H
#define FLATMATES_TESTS_GFX_TESTPNG_H

#include <cstdint>
#include <string>
#include <vector>

// A tiny picture to write as a PNG file: the picture tests need PNGs of every
// colour type, and SDL_image reads PNG but cannot write it.
struct TestPng
{
    enum ColorType
    {
        kRgb = 2,
        kPalette = 3,
        kRgba = 6
    };

    int m_Width = 0;
    int m_Height = 0;
    ColorType m_Type = kRgb;
    // Rows top to bottom: 3 bytes a pixel (RGB), 4 (RGBA) or 1 (palette index).
    std::vector<std::uint8_t> m_Pixels;
    // Palette pictures: RGB triples, and optionally one alpha byte per entry.
    std::vector<std::uint8_t> m_Palette;
    std::vector<std::uint8_t> m_PaletteAlpha;

    // Writes the picture; false when the file cannot be written.
    bool Write(const std::string& path) const;
};

#endif
