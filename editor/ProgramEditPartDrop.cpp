// Whole parts of the program dragged out of the page's drop areas and
// dropped onto them.
#include "editor/ProgramEditLayer.h"

#include "app/WindowEvents.h"
#include "framework/ui/HfcCtrlDragReceiver.h"
#include "framework/ui/HfcDragData.h"
#include "model/BlockAccessor.h"

namespace {

constexpr std::uint32_t kTimbre2 = 1;

struct Part
{
    std::uint32_t kind;
    std::uint32_t index;
    std::uint32_t extra;
};

// The part a drop area stands for; false for any other control.
bool PartOf(CHfcControl* control, Part& part)
{
    auto* area = dynamic_cast<CHfcCtrlDragReceiver*>(control);
    if (area == nullptr || control->GetEventCode() != CEditLayerBase::kEventBlockHandle)
        return false;
    part = {static_cast<std::uint32_t>(area->GetWord4()), static_cast<std::uint32_t>(area->GetWord5()),
            static_cast<std::uint32_t>(area->GetWord6())};
    return true;
}

bool HoldsKind(const CHfcDragData* data, std::uint32_t kind)
{
    const UINT format = CBlockAccessor::GetBlockFormat(kind);
    if (data == nullptr || format == 0)
        return false;
    for (const SHfcDragItem& item : data->GetItems()) {
        if (item.format == format)
            return true;
    }
    return false;
}

}  // namespace

const char* CProgramEditLayer::DragLabel(CHfcControl* control)
{
    Part part{};
    if (!PartOf(control, part))
        return nullptr;
    switch (part.kind) {
    case kBlockTimbre: return part.index == kTimbre2 ? "TIMBRE 2" : "TIMBRE 1";
    case kBlockMfxSet: return "MASTER EFFECT";
    case kBlockVocoder: return "VOCODER";
    case kBlockArp: return "ARPEGGIATOR";
    case kBlockRibbon: return "RIBBON";
    default: return nullptr;
    }
}

bool CProgramEditLayer::StartBlockDrag(CHfcControl* control, int x, int y)
{
    Part part{};
    // Timbre 2 has nothing to give while the voice mode leaves it unused.
    if (PartOf(control, part) && part.kind == kBlockTimbre && part.index == kTimbre2 && !IsTimbre2Used())
        return false;
    return CEditLayerBase::StartBlockDrag(control, x, y);
}

int CProgramEditLayer::QueryBlockDrop(CHfcControl* control, CHfcDragData* data)
{
    Part part{};
    if (!PartOf(control, part) || !HoldsKind(data, part.kind))
        return 0;
    if (part.kind != kBlockTimbre)
        return kDropCanCopy;
    if (part.index == kTimbre2 && !IsTimbre2Used())
        return 0;
    return GetDragSource() != -1 ? kDropCanCopy | kDropCanMove : kDropCanCopy;
}

bool CProgramEditLayer::PasteBlock(CHfcControl* control, CHfcDragData* data, const CBlockData& block, int mode)
{
    Part part{};
    if (!PartOf(control, part) || QueryBlockDrop(control, data) == 0)
        return false;
    // A drop that changed nothing is no edit: nothing is marked or sent, and
    // a later item of the drag may still be taken.
    if (!PastePart(*control, block, mode))
        return false;
    SetWindowModified();
    PostDataChanged(false);
    PostMessageToAll(kEventPartDropped, GetDocumentId(), GetProgramIndex(), block.GetPartIndex(), part.extra);
    return true;
}

bool CProgramEditLayer::PastePart(CHfcControl& area, const CBlockData& block, int mode)
{
    Part part{};
    LibraryData* library = GetDocumentList();
    if (!PartOf(&area, part) || library == nullptr || block.GetKind() != part.kind)
        return false;
    const auto program = static_cast<std::uint32_t>(GetProgramIndex());
    if (part.kind == kBlockTimbre) {
        if (mode != kDropMove)
            return CBlockAccessor::PasteBlock(kBlockTimbre, block, *library, program, part.index);
        // A timbre moved onto the other timbre of this page: they change places.
        const std::uint32_t dragged = block.GetPartIndex();
        if (dragged == part.index)
            return false;
        CBlockData target;
        if (!CBlockAccessor::CopyBlock(program, target, *library, kBlockTimbre, part.index, 0) ||
            !CBlockAccessor::PasteBlock(kBlockTimbre, block, *library, program, part.index))
            return false;
        CBlockAccessor::PasteBlock(kBlockTimbre, target, *library, program, dragged);
        return true;
    }
    const bool outsidePart =
        part.kind == kBlockMfxSet || part.kind == kBlockVocoder || part.kind == kBlockArp || part.kind == kBlockRibbon;
    return outsidePart && mode == kDropFromOutside &&
           CBlockAccessor::PasteBlock(part.kind, block, *library, program, part.index);
}
