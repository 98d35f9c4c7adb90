#pragma once
// The model's keyword lists, loaded once from the program's own resource and
// registered as the process-wide keyword table while anyone uses them.
#include "framework/services/EfStringTable.h"

class CQ3917StringTable : public CEfStringTable
{
public:
    // Loads the resource "Q3917StringTable.txt"; false, with a trace, when it
    // cannot be opened or read.
    bool Create() override;

    // Creates and loads the table for its first user and counts each user;
    // null, with nothing counted, when loading fails.
    static CQ3917StringTable* Acquire();
    // Deletes the table with its last user; an unmatched release is ignored.
    static void Release();
};
