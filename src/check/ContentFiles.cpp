#include "check/ContentFiles.h"

const std::vector<ContentFiles::File>& ContentFiles::All()
{
    // clang-format off
    static const std::vector<File> kFiles = {
        {"assets/environment_a.png", kRoomPicture},
        {"assets/environment_a_dark.png", kRoomPicture},
        {"assets/environment_b.png", kRoomPicture},
        {"assets/environment_b_dark.png", kRoomPicture},
        {"assets/animations/character_all.png", kSheet},
        {"assets/animations/woman_all.png", kSheet},
        {"assets/icon_power01.png", kIcon},
        {"assets/icon_power01_on.png", kIcon},
        {"assets/icon_tomato01.png", kIcon},
        {"assets/icon_sink01.png", kIcon},
        {"assets/icon_sink01_on.png", kIcon},
        {"assets/icon_toaster01.png", kIcon},
        {"assets/icon_toaster01_on.png", kIcon},
        {"assets/icon_drink01.png", kIcon},
        {"assets/icon_drink01_on.png", kIcon},
        {"assets/icon_clock01.png", kIcon},
        {"assets/icon_clock01_on.png", kIcon},
        {"assets/icon_lamp01.png", kIcon},
        {"assets/icon_lamp01_on.png", kIcon},
        {"assets/icon_pills01.png", kIcon},
        {"assets/icon_pills01_on.png", kIcon},
        {"assets/icon_light01.png", kIcon},
        {"assets/icon_light01_on.png", kIcon},
        {"assets/lamp_unplug_light.png", kObjectPicture},
        {"assets/tv_on_light.png", kObjectPicture},
        {"assets/phonographplug_on_light.png", kObjectPicture},
        {"assets/toasterplug_on.png", kObjectPicture},
        {"assets/sink_on.png", kObjectPicture},
        {"assets/toaster_on.png", kObjectPicture},
        {"assets/drink_on_light.png", kObjectPicture},
        {"assets/clock_on.png", kObjectPicture},
        {"assets/lamp_on.png", kObjectPicture},
        {"assets/pills_on_light.png", kObjectPicture},
        {"assets/Objects.txt", kObjectFile},
        {"assets/animations/character_anim.txt", kAnimations},
        {"assets/animations/woman_anim.txt", kAnimations},
        {"assets/overlay.txt", kAnimations},
        {"assets/fonts/arial.ttf", kFont},
        {"assets/fonts/japanese.otf", kFont},
        {"assets/sounds/footsteps.wav", kSound},
        {"assets/sounds/clock.wav", kSound},
        {"assets/sounds/drink.wav", kSound},
        {"assets/sounds/lamp.wav", kSound},
        {"assets/sounds/pills.wav", kSound},
        {"assets/sounds/sink.wav", kSound},
        {"assets/sounds/tv_off.wav", kSound},
        {"assets/sounds/unplug.wav", kSound},
        {"assets/sounds/toaster.wav", kSound},
        {"assets/sounds/bump.wav", kSound},
        {"assets/sounds/moonlightsonata.mp3", kMusic},
    };
    // clang-format on
    return kFiles;
}

std::vector<const char*> ContentFiles::Paths(Kind kind)
{
    std::vector<const char*> paths;
    for (const File& file : All())
    {
        if (file.m_Kind == kind)
            paths.push_back(file.m_Path);
    }
    return paths;
}
