#pragma once
// How a block dragged over an edit layer's drop area is offered and how a
// drop of it is taken: pure rules of the modifier keys and where the drag
// began.

// The framework's effect codes.
enum BlockDropEffect : int
{
    kBlockEffectNone = 0,
    kBlockEffectMove = 1,
    kBlockEffectCopy = 2,
};

// The effect shown over a control whose layer answered what it can take
// (bit 1 copy, bit 2 move): copy-only stays copy, Alt asks for a move and
// Ctrl for a copy where they are possible, nothing possible is none, and
// anything else moves.
int BlockDragEffect(int possible, int modifiers);
// The paste mode of a drop: 3 when the drag began outside this layer,
// else 1 (copy) with Ctrl, 2 (move) without.
int BlockDropMode(bool startedHere, int modifiers);
// The effect reported for an accepted drop in a mode; a drop from outside
// reports none, so that its source deletes nothing.
int BlockDropResult(int mode);
