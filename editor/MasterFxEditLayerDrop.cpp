// Whole effects dragged out of the master effect layer's panels and dropped
// on them.
#include "editor/MasterFxEditLayer.h"

#include "app/BlockDropEffect.h"
#include "app/EditLayerBase.h"
#include "app/WindowEvents.h"
#include "app/controls/CustomDragReceiver.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "model/BlockAccessor.h"

namespace {

constexpr ARGB kDragImageColour = 0xFFFFFFFF;

}  // namespace

int CMasterFxEditLayer::EffectOfDropArea(const CHfcControl* control) const
{
    for (int effect = 0; effect < master_fx::kEffects; ++effect) {
        if (control != nullptr && control == GetControl(kDropArea + effect))
            return effect;
    }
    return -1;
}

bool CMasterFxEditLayer::StartEffectDrag(CHfcControl* control, int x, int y)
{
    const int effect = EffectOfDropArea(control);
    if (effect == -1 || GetDocumentList() == nullptr)
        return false;
    CBlockData block;
    CBlockAccessor::CopyBlock(static_cast<std::uint32_t>(GetProgramIndex()), block, *GetDocumentList(), kBlockMfx,
                              static_cast<std::uint32_t>(effect), 0);
    const RECT& rect = control->GetRect();
    CHfcDragData drag;
    drag.Begin(rect.right - rect.left, rect.bottom - rect.top);
    if (CHfcOffscreenContext* image = drag.GetImage()) {
        image->SetFillColor(kDragImageColour);
        image->FillRectangle(0, 0, rect.right - rect.left, rect.bottom - rect.top);
    }
    drag.AddItem(CBlockAccessor::GetBlockFormat(kBlockMfx), block.GetData(),
                 static_cast<std::uint32_t>(block.GetSize()), -1);
    drag.DoDragDrop(x, y);
    drag.End();
    return true;
}

int CMasterFxEditLayer::QueryEffectDrop(CHfcControl* control, CHfcDragData* data) const
{
    const int effect = EffectOfDropArea(control);
    const UINT format = CBlockAccessor::GetBlockFormat(kBlockMfx);
    if (effect == -1 || data == nullptr || format == 0)
        return kRefused;
    for (const SHfcDragItem& item : data->GetItems()) {
        if (item.format == format)
            return m_pressControl != -1 ? kFromHere : kFromElsewhere;
    }
    return kRefused;
}

bool CMasterFxEditLayer::OnControlDragEnter(CHfcControl* control, CHfcDragData* data, int /*x*/, int /*y*/,
                                            int modifiers, int* effect)
{
    return OnControlDragOver(control, data, 0, 0, modifiers, effect);
}

bool CMasterFxEditLayer::OnControlDragOver(CHfcControl* control, CHfcDragData* data, int /*x*/, int /*y*/,
                                           int modifiers, int* effect)
{
    int shown = kBlockEffectNone;
    switch (QueryEffectDrop(control, data)) {
    case kFromElsewhere: shown = kBlockEffectCopy; break;
    case kFromHere: shown = (modifiers & kHfcModifierCtrl) != 0 ? kBlockEffectCopy : kBlockEffectMove; break;
    default: break;
    }
    if (effect != nullptr)
        *effect = shown;
    return shown != kBlockEffectNone;
}

bool CMasterFxEditLayer::OnControlDrop(CHfcControl* control, CHfcDragData* data, int /*x*/, int /*y*/, int modifiers,
                                       int* effect)
{
    const int mode = BlockDropMode(m_pressControl != -1, modifiers);
    bool accepted = false;
    if (data != nullptr) {
        for (const SHfcDragItem& item : data->GetItems()) {
            CBlockData block;
            block.Append(item.data, static_cast<std::int32_t>(item.size));
            if (DropEffectBlock(control, data, block, mode)) {
                accepted = true;
                break;
            }
        }
    }
    if (effect != nullptr)
        *effect = accepted ? BlockDropResult(mode) : kBlockEffectNone;
    return false;
}

bool CMasterFxEditLayer::DropEffectBlock(CHfcControl* control, CHfcDragData* data, const CBlockData& block, int mode)
{
    LibraryData* library = GetDocumentList();
    const int target = EffectOfDropArea(control);
    if (QueryEffectDrop(control, data) == kRefused || library == nullptr || block.GetSize() < kBlockHeaderSize ||
        block.GetKind() != kBlockMfx)
        return false;
    const auto program = static_cast<std::uint32_t>(GetProgramIndex());
    const auto targetEffect = static_cast<std::uint32_t>(target);
    bool pasted = false;
    if (mode != CEditLayerBase::kDropMove) {
        pasted = CBlockAccessor::PasteMfx(program, *library, block, targetEffect);
    } else {
        const std::uint32_t source = block.GetPartIndex();
        // A panel dropped on itself is taken, and changes nothing.
        if (source == targetEffect)
            return true;
        CBlockData held;
        pasted = CBlockAccessor::CopyBlock(program, held, *library, kBlockMfx, targetEffect, 0) &&
                 CBlockAccessor::PasteMfx(program, *library, block, targetEffect) &&
                 CBlockAccessor::PasteMfx(program, *library, held, source);
    }
    if (!pasted)
        return false;
    SetWindowModified();
    PostDataChanged(true);
    PostMessageToAll(kEventPartDropped, GetDocumentId(), GetProgramIndex(), 0, 0);
    return true;
}
