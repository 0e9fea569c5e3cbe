#include "check/WordReader.h"

#include <cctype>
#include <sstream>

namespace
{

bool IsSpace(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

template <class T> bool WholeWordAs(const std::string& word, T* value)
{
    std::istringstream in(word);
    return static_cast<bool>(in >> *value) && in.peek() == std::char_traits<char>::eof();
}

} // namespace

bool WordReader::Next(Word* word)
{
    while (m_Pos < m_Text.size() && IsSpace(m_Text[m_Pos]))
    {
        if (m_Text[m_Pos] == '\n')
            ++m_Line;
        ++m_Pos;
    }
    if (m_Pos == m_Text.size())
        return false;
    const size_t start = m_Pos;
    while (m_Pos < m_Text.size() && !IsSpace(m_Text[m_Pos]))
        ++m_Pos;
    word->m_Text = m_Text.substr(start, m_Pos - start);
    word->m_Line = m_Line;
    return true;
}

bool WordReader::ToFloat(const std::string& word, float* value)
{
    return WholeWordAs(word, value);
}

bool WordReader::ToInt(const std::string& word, int* value)
{
    return WholeWordAs(word, value);
}
