#include "check/AnimationCheck.h"

#include "check/CheckReport.h"
#include "check/ObjectFileCheck.h"
#include "check/WordReader.h"
#include "gfx/Sprite.h"
#include "objects/BaseObject.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace
{

// Both characters are drawn in frames 128 pixels wide.
const int kCharacterFrameWidth = 128;

// What the game shows of each list.
struct ListUse
{
    const char* m_Path;
    size_t m_Needed;
    const char* m_Roles;
};

const ListUse kMan = {"assets/animations/character_anim.txt", 3,
                      "0 standing, 1 walking left, 2 walking right"};
const ListUse kWoman = {
    "assets/animations/woman_anim.txt", 4,
    "0 idle facing right, 1 talking facing right, 2 idle facing left, 3 talking facing left"};
const ListUse kOverlay = {"assets/overlay.txt", 2, "0 with the lights on, 1 in the dark"};

std::string Join(const std::vector<std::string>& names)
{
    std::string joined;
    for (size_t i = 0; i < names.size(); ++i)
        joined += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return joined;
}

} // namespace

void AnimationCheck::Run(const ObjectFileCheck& objects, CheckReport* report)
{
    // The switched-on pictures that change with the lights are the ones that
    // took the overlay's animations.
    std::vector<Sheet> lookSheets;
    for (const ObjectFileCheck::Placed& placed : objects.GetPlaced())
    {
        const Sprite* look = placed.m_Object->m_OnSprite;
        if (look == nullptr || look->GetAnims().empty() || look->GetImage() == nullptr ||
            look->GetFrameRect().w == 0)
            continue;
        lookSheets.push_back(
            Sheet{placed.m_Object->GetName(), true, look->GetImage()->w / look->GetFrameRect().w});
    }

    const std::pair<ListUse, std::vector<Sheet>> lists[] = {
        {kMan, {CharacterSheet("assets/animations/character_all.png")}},
        {kWoman, {CharacterSheet("assets/animations/woman_all.png")}},
        {kOverlay, lookSheets},
    };
    for (const auto& list : lists)
    {
        const ListUse& use = list.first;
        std::vector<Anim> anims;
        if (!Read(use.m_Path, &anims, report))
            continue;
        if (anims.size() < use.m_Needed)
        {
            const std::string first = std::to_string(anims.size());
            const std::string last = std::to_string(use.m_Needed - 1);
            report->Add(use.m_Path, (first == last ? "lacks animation " + first
                                                   : "lacks animations " + first + " to " + last) +
                                        " of the ones the game shows: " + use.m_Roles);
        }
        for (size_t i = 0; i < anims.size() && i < use.m_Needed; ++i)
        {
            if (anims[i].m_Frames.empty())
                report->Add(use.m_Path, anims[i].m_Line, "animation " + std::to_string(i) + " has no frames");
        }
        CheckFrames(use.m_Path, anims, list.second, report);
    }
}

bool AnimationCheck::Read(const char* path, std::vector<Anim>* anims, CheckReport* report)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::ostringstream read;
    read << file.rdbuf();
    const std::string text = read.str();

    const size_t problemsBefore = report->GetProblems().size();
    const std::string stops = "; the game reads no further";
    WordReader reader(text);
    WordReader::Word word;
    while (reader.Next(&word))
    {
        int count = 0;
        if (!WordReader::ToInt(word.m_Text, &count) || count < 0)
        {
            report->Add(path, word.m_Line, "'" + word.m_Text + "' is not a frame count" + stops);
            break;
        }
        Anim anim{word.m_Line, {}};
        bool stopped = false;
        while (!stopped && anim.m_Frames.size() < size_t(count))
        {
            int frame = 0;
            if (!reader.Next(&word))
            {
                report->Add(path, anim.m_Line,
                            "animation " + std::to_string(anims->size()) + " promises " +
                                std::to_string(count) + " frames but the file ends after " +
                                std::to_string(anim.m_Frames.size()) + "; the game drops it");
                stopped = true;
            }
            else if (!WordReader::ToInt(word.m_Text, &frame))
            {
                report->Add(path, word.m_Line, "'" + word.m_Text + "' is not a frame number" + stops);
                stopped = true;
            }
            else
            {
                anim.m_Frames.push_back(FrameAt{frame, word.m_Line});
            }
        }
        if (stopped)
            break;
        anims->push_back(anim);
    }

    // A list the game reads to its end must give the game the same frames.
    if (report->GetProblems().size() == problemsBefore)
    {
        std::istringstream in(text);
        const std::vector<Sprite::Anim> game = Sprite::ReadAnimations(in);
        bool same = game.size() == anims->size();
        for (size_t i = 0; same && i < game.size(); ++i)
        {
            same = game[i].m_Frames.size() == (*anims)[i].m_Frames.size();
            for (size_t f = 0; same && f < game[i].m_Frames.size(); ++f)
                same = game[i].m_Frames[f] == (*anims)[i].m_Frames[f].m_Frame;
        }
        if (!same)
            report->Add(path, "the game reads other animations from this file than the checker does");
    }
    return true;
}

void AnimationCheck::CheckFrames(const char* path, const std::vector<Anim>& anims,
                                 const std::vector<Sheet>& sheets, CheckReport* report)
{
    for (size_t i = 0; i < anims.size(); ++i)
    {
        for (const FrameAt& frame : anims[i].m_Frames)
        {
            std::vector<std::string> lacking;
            bool looks = false;
            int frames = 0;
            for (const Sheet& sheet : sheets)
            {
                if (sheet.m_Frames <= 0 || (frame.m_Frame >= 0 && frame.m_Frame < sheet.m_Frames) ||
                    std::find(lacking.begin(), lacking.end(), sheet.m_Name) != lacking.end())
                    continue;
                lacking.push_back(sheet.m_Name);
                looks = sheet.m_Look;
                frames = sheet.m_Frames;
            }
            if (lacking.empty())
                continue;
            const std::string of = !looks ? "" : lacking.size() == 1 ? "the picture of " : "the pictures of ";
            report->Add(path, frame.m_Line,
                        "animation " + std::to_string(i) + " shows frame " + std::to_string(frame.m_Frame) +
                            ", outside the " + std::to_string(frames) + " frames of " + of + Join(lacking));
        }
    }
}

AnimationCheck::Sheet AnimationCheck::CharacterSheet(const char* path)
{
    Sprite sheet;
    sheet.LoadImg(path);
    const int frames = sheet.GetImage() != nullptr ? sheet.GetImage()->w / kCharacterFrameWidth : 0;
    return Sheet{path, false, frames};
}
