#include "check/CheckReport.h"

#include <algorithm>

void CheckReport::Add(const std::string& file, int line, const std::string& text)
{
    m_Problems.push_back(Problem{file, line, text});
}

std::string CheckReport::Format(const Problem& problem)
{
    if (problem.m_Line <= 0)
        return problem.m_File + ": " + problem.m_Text;
    return problem.m_File + ":" + std::to_string(problem.m_Line) + ": " + problem.m_Text;
}

void CheckReport::Print(std::ostream& out) const
{
    std::vector<Problem> sorted = m_Problems;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Problem& a, const Problem& b)
                     { return a.m_File != b.m_File ? a.m_File < b.m_File : a.m_Line < b.m_Line; });
    for (const Problem& problem : sorted)
        out << Format(problem) << '\n';
}
