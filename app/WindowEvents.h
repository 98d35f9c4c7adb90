#pragma once
// The event codes of the window manager's broadcasts between the editor's
// windows and layers, with what each sender puts in p1 to p4. A document id
// is the window number of the library window whose data the event concerns;
// a program is a program number 0 to 199. "-" marks a value nobody reads.
#include <platform/types.h>

enum WindowEvent : int
{
    kEventTitlesChanged = 0,       // every window sets its title again; p1-p4 0
    kEventProgramReceived = 1,     // p1 program; titles as 0
    kEventProgramReplaced = 2,     // p1 program, p2 -1, p3 document id, p4 program; titles as 0, the row redrawn
    kEventNameChanged = 3,         // p1 program, p2 0, p3 -1; the row redrawn
    kEventProgramDataChanged = 7,  // p1 program, p2 -1 (kWholeProgram) or a parameter, p3 document id, p4 program
    kEventShowValues = 12,         // p1 1 shown, 0 hidden
    kEventValueDisplay = 13,       // p1 control id, -1 every control
    kEventDataModified = 14,       // p1 program, p3 document id; the list reads (p2, p3) as the data that changed
    kEventLogLineAdded = 15,       // p1 0, p2 0; sender the status log
    kEventListRefill = 16,         // p1 document id; the program list refills as for 18
    kEventGlobalChanged = 17,      // p1 document id, p2 -1, p3 -1
    kEventLibraryReplaced = 18,    // p1 document id, p2 -1, p3 -1
    kEventProgramSwitch = 19,      // p1 document id, p2 1 (within the bank), p3 old program, p4 new program
    kEventSwitchBracket = 20,      // p1 document id, p2 0 before a switch, 1 after it with p3 old, p4 new program
    kEventPartDropped = 21,        // p1 document id, p2 program, p3 part, p4 extra word; sender the layer
    kEventPageTab = 24,            // p1 page, p2 -1; posted by the page select layer to itself
    kEventGlobalPageChanged = 25,  // p1 document id, p2 the new page
    kEventListRefresh = 26,        // every row of the program list redrawn
    kEventMessageLine = 29,        // p1 the text; from the message line to itself
};

// The program and document of the events that concern one program's data
// (1, 2, 7, 14).
struct ProgramEventParams
{
    LONG_PTR program;
    LONG_PTR documentId;

    static ProgramEventParams Of(LONG_PTR p1, LONG_PTR /*p2*/, LONG_PTR p3, LONG_PTR /*p4*/) { return {p1, p3}; }
    bool Concerns(int programIndex, int document) const { return program == programIndex && documentId == document; }
};

// A program switch (19): the windows of the old program move to the new one.
struct ProgramSwitchParams
{
    static constexpr LONG_PTR kWithinBank = 1;

    LONG_PTR documentId;
    LONG_PTR kind;
    LONG_PTR oldProgram;
    LONG_PTR newProgram;

    static ProgramSwitchParams Of(LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4) { return {p1, p2, p3, p4}; }
    // True when the switch moves away from programIndex of document.
    bool Leaves(int programIndex, int document) const
    {
        return documentId == document && kind == kWithinBank && oldProgram == programIndex;
    }
};
