#pragma once
// The effect a drag of programs or favourite slots offers over a target of
// the program page, by where it began and the modifier keys (Shift 1,
// Ctrl 2, Alt 4). The effect also names what a drop on a row does: a copy
// writes the programs over the rows, a link exchanges them, a move inserts
// them.
enum ProgramDropEffect : int
{
    kProgramDropNone = 0,
    kProgramDropMove = 1,
    kProgramDropCopy = 2,
    kProgramDropLink = 3,
};

// Copy for a drag from elsewhere or with Ctrl, link with Alt, else move.
int ProgramDragEffect(bool fromThisPage, int modifiers);
