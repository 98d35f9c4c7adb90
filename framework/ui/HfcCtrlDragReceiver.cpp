#include "framework/ui/HfcCtrlDragReceiver.h"

#include "framework/ui/HfcControlListener.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kEffectMove = 1;

}  // namespace

bool CHfcCtrlDragReceiver::Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode)
{
    if (descriptor == nullptr || descriptor[kHfcDragReceiverWidth] < 1 || descriptor[kHfcDragReceiverHeight] < 1)
        return false;
    std::copy(descriptor, descriptor + kHfcDragReceiverWords, m_words);
    const auto x = static_cast<int>(m_words[kHfcDragReceiverX]);
    const auto y = static_cast<int>(m_words[kHfcDragReceiverY]);
    SetDirty(true);
    FinishCreate({x, y, x + static_cast<int>(m_words[kHfcDragReceiverWidth]),
                  y + static_cast<int>(m_words[kHfcDragReceiverHeight])},
                 id, eventCode);
    return true;
}

bool CHfcCtrlDragReceiver::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers)
{
    return OwnerTakesMouseDown(x, y, modifiers);
}

bool CHfcCtrlDragReceiver::OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int modifiers)
{
    return OwnerTakesMouseUp(x, y, modifiers);
}

bool CHfcCtrlDragReceiver::OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers)
{
    OwnerTakesMouseMove(x, y, modifiers);
    return true;
}

void CHfcCtrlDragReceiver::Destroy()
{
    CHfcControl::Destroy();
    std::fill(std::begin(m_words), std::end(m_words), 0);
}

void CHfcCtrlDragReceiver::Draw(CHfcDrawContext*)
{}

void CHfcCtrlDragReceiver::DrawBackground(CHfcDrawContext*)
{}

bool CHfcCtrlDragReceiver::OnHfcDragEnter(CHfcOleToken*, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    *effect = kEffectMove;
    return m_pOwner != nullptr && m_pOwner->OnControlDragEnter(this, data, x, y, modifiers, effect);
}

bool CHfcCtrlDragReceiver::OnHfcDragOver(CHfcOleToken*, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    *effect = kEffectMove;
    return m_pOwner != nullptr && m_pOwner->OnControlDragOver(this, data, x, y, modifiers, effect);
}

bool CHfcCtrlDragReceiver::OnHfcDragLeave(CHfcOleToken*)
{
    return m_pOwner != nullptr && m_pOwner->OnControlDragLeave(this);
}

bool CHfcCtrlDragReceiver::OnHfcDrop(CHfcOleToken*, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    *effect = kEffectMove;
    return m_pOwner != nullptr && m_pOwner->OnControlDrop(this, data, x, y, modifiers, effect);
}
