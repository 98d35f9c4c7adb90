#include "app/EditLayerBase.h"

#include "app/BlockDropEffect.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcCtrlDragReceiver.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "model/BlockAccessor.h"

#include <cstring>

namespace {

constexpr ARGB kDragImageColor = 0xFFFFFFFF;
constexpr int kDragLabelInset = 5;

}  // namespace

bool CEditLayerBase::StartBlockDrag(CHfcControl* control, int x, int y)
{
    auto* handle = dynamic_cast<CHfcCtrlDragReceiver*>(control);
    if (handle == nullptr || control->GetEventCode() != kEventBlockHandle || GetDocumentList() == nullptr)
        return false;
    // The handle's words: the block kind, the part index and an extra word.
    const auto kind = static_cast<std::uint32_t>(handle->GetWord4());
    CBlockData block;
    CBlockAccessor::CopyBlock(static_cast<std::uint32_t>(GetProgramIndex()), block, *GetDocumentList(), kind,
                              static_cast<std::uint32_t>(handle->GetWord5()),
                              static_cast<std::uint32_t>(handle->GetWord6()));
    const RECT& rect = control->GetRect();
    CHfcDragData drag;
    drag.Begin(rect.right - rect.left, rect.bottom - rect.top);
    if (CHfcOffscreenContext* image = drag.GetImage()) {
        image->SetFillColor(kDragImageColor);
        image->FillRectangle(0, 0, rect.right - rect.left, rect.bottom - rect.top);
        const char* label = DragLabel(control);
        if (CHfcBmp* font = GetBitmap("LcdChar"); label != nullptr && font != nullptr)
            image->DrawBitmapText(kDragLabelInset, kDragLabelInset, label, static_cast<int>(std::strlen(label)), font,
                                  0, 0);
    }
    drag.AddItem(CBlockAccessor::GetBlockFormat(kind), block.GetData(), static_cast<std::uint32_t>(block.GetSize()),
                 -1);
    drag.DoDragDrop(x, y);
    drag.End();
    return true;
}

bool CEditLayerBase::OfferDrop(CHfcControl* control, CHfcDragData* data, int modifiers, int* effect)
{
    const int shown = BlockDragEffect(QueryBlockDrop(control, data), modifiers);
    if (effect != nullptr)
        *effect = shown;
    return shown != kBlockEffectNone;
}

bool CEditLayerBase::OnControlDragEnter(CHfcControl* control, CHfcDragData* data, int /*x*/, int /*y*/, int modifiers,
                                        int* effect)
{
    return OfferDrop(control, data, modifiers, effect);
}

bool CEditLayerBase::OnControlDragOver(CHfcControl* control, CHfcDragData* data, int /*x*/, int /*y*/, int modifiers,
                                       int* effect)
{
    return OfferDrop(control, data, modifiers, effect);
}

bool CEditLayerBase::OnControlDrop(CHfcControl* control, CHfcDragData* data, int /*x*/, int /*y*/, int modifiers,
                                   int* effect)
{
    const int mode = BlockDropMode(m_dragSource != -1, modifiers);
    bool accepted = false;
    if (data != nullptr) {
        for (const SHfcDragItem& item : data->GetItems()) {
            CBlockData block;
            block.Append(item.data, static_cast<std::int32_t>(item.size));
            if (PasteBlock(control, data, block, mode)) {
                accepted = true;
                break;
            }
        }
    }
    if (effect != nullptr)
        *effect = accepted ? BlockDropResult(mode) : kBlockEffectNone;
    return false;
}
