#ifndef FLATMATES_CHECK_OBJECTFILECHECK_H
#define FLATMATES_CHECK_OBJECTFILECHECK_H

#include "check/WordReader.h"

#include <string>
#include <vector>

class BaseObject;
class CheckReport;

// Reads the object file by the game's rules (five words a record, "#eof"
// ends it), reports what is wrong with its records, and furnishes the flat
// from it with the game's own factory, keeping the line of every object.
class ObjectFileCheck
{
public:
    static const char* const kPath;

    // One object the file furnishes, in file order.
    struct Placed
    {
        BaseObject* m_Object;
        int m_Line;
    };

    // Checks kPath under the working directory and registers its objects in
    // the collision registry, which it empties first. A missing file is left
    // to the check for missing files.
    void Run(CheckReport* report);

    const std::vector<Placed>& GetPlaced() const { return m_Placed; }
    // The line an object was read from; 0 for one not from the file.
    int LineOf(const BaseObject* object) const;

    // Empties the collision registry, icons and all. The game never empties
    // it, so the registry leaves the icons, which are the objects' own.
    static void EmptyRegistry();

private:
    // One record as written: its words (five unless cut short) and numbers.
    struct Record
    {
        std::vector<WordReader::Word> m_Words;
        float m_Start = 0.0f;
        float m_End = 0.0f;
        // Both numbers are there and read as numbers.
        bool m_Numbers = true;
    };

    // Whether the game's factory builds an object for the name: the factory
    // itself is asked, on an emptied registry.
    static bool IsObjectName(const std::string& name);
    // Splits the text into records, reporting what is wrong with their form.
    static std::vector<Record> ReadRecords(const std::string& text, CheckReport* report);
    // What the game's own reader makes of the same text, as "name start end
    // room" lines, for the check that the two readings agree.
    static std::vector<std::string> GameReading(const std::string& text);
    static std::vector<std::string> Describe(const std::vector<BaseObject*>& objects);

    std::vector<Placed> m_Placed;
};

#endif
