#include "app/BlockDropEffect.h"

#include "app/EditLayerBase.h"
#include "framework/ui/HfcModifiers.h"

int BlockDragEffect(int possible, int modifiers)
{
    const bool canCopy = (possible & CEditLayerBase::kDropCanCopy) != 0;
    const bool canMove = (possible & CEditLayerBase::kDropCanMove) != 0;
    if (possible == CEditLayerBase::kDropCanCopy)
        return kBlockEffectCopy;
    if (canMove && (modifiers & kHfcModifierAlt) != 0)
        return kBlockEffectMove;
    if (canCopy && (modifiers & kHfcModifierCtrl) != 0)
        return kBlockEffectCopy;
    if (possible == 0)
        return kBlockEffectNone;
    return kBlockEffectMove;
}

int BlockDropMode(bool startedHere, int modifiers)
{
    if (!startedHere)
        return CEditLayerBase::kDropFromOutside;
    return (modifiers & kHfcModifierCtrl) != 0 ? CEditLayerBase::kDropCopy : CEditLayerBase::kDropMove;
}

int BlockDropResult(int mode)
{
    switch (mode) {
    case CEditLayerBase::kDropCopy: return kBlockEffectCopy;
    case CEditLayerBase::kDropMove: return kBlockEffectMove;
    default: return kBlockEffectNone;
    }
}
