#ifndef FLATMATES_CHECK_CHECKREPORT_H
#define FLATMATES_CHECK_CHECKREPORT_H

#include <ostream>
#include <string>
#include <vector>

// The problems found in the content, each with the file and, where it has
// one, the line it is on.
class CheckReport
{
public:
    struct Problem
    {
        std::string m_File;
        // 0 when the problem is the file as a whole.
        int m_Line;
        std::string m_Text;
    };

    void Add(const std::string& file, int line, const std::string& text);
    void Add(const std::string& file, const std::string& text) { Add(file, 0, text); }

    bool IsClean() const { return m_Problems.empty(); }
    const std::vector<Problem>& GetProblems() const { return m_Problems; }
    // "file:line: text", or "file: text" for a whole file.
    static std::string Format(const Problem& problem);
    // One problem a line, by file and then by line.
    void Print(std::ostream& out) const;

private:
    std::vector<Problem> m_Problems;
};

#endif
