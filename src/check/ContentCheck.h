#ifndef FLATMATES_CHECK_CONTENTCHECK_H
#define FLATMATES_CHECK_CONTENTCHECK_H

#include "check/CheckReport.h"

// The whole check of the content under the working directory (its assets/
// folder), read the way the game reads it: the files, the object file and
// the flat it lays out, and the animation lists.
class ContentCheck
{
public:
    // Starts the libraries the game reads content with, checks, and shuts
    // them down again. Uses SDL's drivers as they are set; a tool sets the
    // dummy ones first.
    static CheckReport Run();
};

#endif
