#pragma once
// An invisible rectangle that takes drags and drops for its owner: every
// drag and mouse event goes to the owner, the effect offered first being a
// move. It paints nothing and never takes the capture.
#include "framework/ui/HfcControl.h"

enum EHfcDragReceiverWord : int
{
    kHfcDragReceiverX,
    kHfcDragReceiverY,
    kHfcDragReceiverWidth,
    kHfcDragReceiverHeight,
    // Three words kept for the owner.
    kHfcDragReceiverWord4,
    kHfcDragReceiverWord5,
    kHfcDragReceiverWord6,
    kHfcDragReceiverWords
};

class CHfcCtrlDragReceiver : public CHfcControl
{
public:
    CHfcCtrlDragReceiver() = default;
    // False without a descriptor or for a width or height below 1.
    bool Create(const HfcWord* descriptor, std::uint32_t id, std::uint32_t eventCode);

    // The owner's answers; false without an owner. Moves are always taken.
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    void Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void DrawBackground(CHfcDrawContext* context) override;

    // The effect is set to move before the owner is asked.
    bool OnHfcDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragLeave(CHfcOleToken* ole) override;
    bool OnHfcDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    HfcWord GetWord4() const { return m_words[kHfcDragReceiverWord4]; }
    HfcWord GetWord5() const { return m_words[kHfcDragReceiverWord5]; }
    HfcWord GetWord6() const { return m_words[kHfcDragReceiverWord6]; }

private:
    HfcWord m_words[kHfcDragReceiverWords]{};
};
