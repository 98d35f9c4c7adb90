#pragma once
// The event codes of the window manager's broadcasts between the editor's
// windows and layers.

enum WindowEvent : int
{
    kEventTitlesChanged = 0,       // every window sets its title again
    kEventProgramReceived = 1,     // p1 program
    kEventProgramReplaced = 2,     // p1 program, p3 document id
    kEventProgramDataChanged = 7,  // p1 program, p2 -1 or 32768, p3 document id
    kEventShowValues = 12,         // p1 1 shown, 0 hidden
    kEventValueDisplay = 13,       // p1 control id, -1 every control
    kEventDataModified = 14,       // p1 program, p3 document id
    kEventProgramSwitch = 19,      // p1 document id, p3 old program, p4 new program
    kEventPartDropped = 21,        // p1 document id, p2 program, p3 part, p4 extra word; sender the layer
    kEventMessageLine = 29,        // from the message line to itself
};
