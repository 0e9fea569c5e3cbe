// Feeds arbitrary animation description files to the reader that sprites
// load them with, then plays every animation read a while, as a sprite does
// when it draws: frame steps run past the end and start over.

#include "gfx/Sprite.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::vector<Sprite::Anim> anims = Sprite::ReadAnimations(in);

    // Each frame number takes at least two bytes ("0 "), so more frames than
    // that would mean the reader made them up (from a count, say).
    std::size_t frames = 0;
    for (Sprite::Anim& anim : anims)
    {
        frames += anim.m_Frames.size();
        for (std::size_t step = 0; step <= anim.m_Frames.size() + 2; ++step)
        {
            anim.GetFrame();
            ++anim.m_CurrFrame;
        }
    }
    if (frames > size / 2 + 1)
        std::abort();
    return 0;
}
