#ifndef FLATMATES_CHECK_WORDREADER_H
#define FLATMATES_CHECK_WORDREADER_H

#include <string>

// The words of a content text file as the game's stream reading splits them
// (any white space separates, line breaks mean nothing), each with the line
// it stands on, so that a problem can be pointed at.
class WordReader
{
public:
    struct Word
    {
        std::string m_Text;
        int m_Line;
    };

    explicit WordReader(const std::string& text) : m_Text(text) {}

    // Takes the next word; false at the end of the text.
    bool Next(Word* word);

    // A word read the way the game reads a number (operator>>); false unless
    // the whole word is the number.
    static bool ToFloat(const std::string& word, float* value);
    static bool ToInt(const std::string& word, int* value);

private:
    std::string m_Text;
    size_t m_Pos = 0;
    int m_Line = 1;
};

#endif
