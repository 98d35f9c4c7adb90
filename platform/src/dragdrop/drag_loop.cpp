// The modal drag: the pointer is captured by a hidden window of ours while
// input moves the drag over the registered targets and the source says
// when it ends; every other message is dispatched as usual.
#include "drag_image.h"
#include "drag_keys.h"
#include "drag_overlay.h"
#include "drag_scripts.h"
#include "drop_targets.h"

#include "platform/src/class_registration.h"
#include "platform/src/display/cursors.h"
#include "platform/src/display/geometry.h"

#include <platform/messaging.h>
#include <platform/ole.h>
#include <platform/window.h>

#include <memory>

namespace platform::dragdrop {
namespace {

constexpr char kTrackerClass[] = "VqDragTracker";

HWND MakeTracker()
{
    static const bool registered = detail::RegisterOwnClass({.name = kTrackerClass, .procedure = DefWindowProcA}) != 0;
    if (!registered)
        return nullptr;
    return CreateWindowExA(0, kTrackerClass, nullptr, WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
}

bool IsMouseMessage(UINT message)
{
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCMBUTTONDBLCLK);
}

bool IsKeyMessage(UINT message)
{
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

// A move wins over a copy and a copy over a link when a target allows more than one.
HCURSOR CursorForEffect(DWORD effect)
{
    using namespace platform::detail;
    if (effect & DROPEFFECT_MOVE)
        return StandardCursor(kDragMoveCursor);
    if (effect & DROPEFFECT_COPY)
        return StandardCursor(kDragCopyCursor);
    if (effect & DROPEFFECT_LINK)
        return StandardCursor(kDragLinkCursor);
    return LoadCursorA(nullptr, IDC_NO);
}

class DragSession
{
public:
    DragSession(IDataObject* data, IDropSource* source, DWORD allowed) : data_(data), source_(source), allowed_(allowed)
    {
        if (auto image = TakeDragImage(data))
            overlay_ = std::make_unique<DragOverlay>(std::move(*image));
    }

    ~DragSession() { Leave(); }

    HRESULT Run(DWORD* effect)
    {
        HWND tracker = MakeTracker();
        if (!tracker)
            return E_OUTOFMEMORY;
        SetCapture(tracker);
        GetCursorPos(&pointer_);
        RunDragScript();
        // Targets are looked for once input comes; the source may end it at once.
        HRESULT result = Step(false, false, effect);
        while (result == S_OK) {
            MSG msg;
            if (!GetMessageA(&msg, nullptr, 0, 0)) {
                PostQuitMessage(int(msg.wParam));  // the outer loop must still see it
                result = DRAGDROP_S_CANCEL;
                break;
            }
            if (IsMouseMessage(msg.message)) {
                pointer_ = msg.pt;
                result = Step(false, true, effect);
            } else if (IsKeyMessage(msg.message)) {
                pointer_ = msg.pt;  // where the pointer was when the key came
                const bool escape = msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
                // Only presses and releases change the key state; characters are swallowed.
                if (msg.message != WM_CHAR && msg.message != WM_SYSCHAR)
                    result = Step(escape, true, effect);
            } else {
                DispatchMessageA(&msg);
            }
            // Back on top of whatever was painted meanwhile.
            if (result == S_OK && overlay_)
                overlay_->ShowAt(pointer_);
        }
        overlay_.reset();
        if (GetCapture() == tracker)
            ReleaseCapture();
        DestroyWindow(tracker);
        return result;
    }

private:
    // S_OK while the drag goes on, else its end.
    HRESULT Step(bool escape, bool track, DWORD* effect)
    {
        const HRESULT answer = source_->QueryContinueDrag(escape ? TRUE : FALSE, DragKeyState());
        if (answer == DRAGDROP_S_DROP) {
            *effect = Drop();
            return DRAGDROP_S_DROP;
        }
        if (answer != S_OK) {
            Leave();
            return FAILED(answer) ? answer : DRAGDROP_S_CANCEL;
        }
        if (!track)
            return S_OK;
        if (overlay_)
            overlay_->ShowAt(pointer_);
        Track();
        if (source_->GiveFeedback(effect_) == DRAGDROP_S_USEDEFAULTCURSORS)
            SetCursor(CursorForEffect(effect_));
        return S_OK;
    }

    // Enter, over or leave for the target under the pointer.
    void Track()
    {
        HWND under = platform::detail::WindowFromScreenPoint(pointer_);
        FoundTarget found = under && OleIsUp() ? TargetAround(under) : FoundTarget{};
        DWORD effect = allowed_;
        if (found.window != current_.window || !IsWindow(current_.window)) {
            Leave();
            current_ = found;
            if (current_.target && FAILED(current_.target->DragEnter(data_, DragKeyState(), Point(), &effect))) {
                Forget();
                effect = DROPEFFECT_NONE;
            }
        } else {
            if (found.target)
                found.target->Release();
            if (current_.target)
                current_.target->DragOver(DragKeyState(), Point(), &effect);
        }
        effect_ = current_.target ? effect & allowed_ : DROPEFFECT_NONE;
    }

    // What the target answers on the drop; a target that refused the last
    // move gets no drop at all.
    DWORD Drop()
    {
        if (!current_.target || effect_ == DROPEFFECT_NONE) {
            Leave();
            return DROPEFFECT_NONE;
        }
        DWORD effect = allowed_;
        HRESULT dropped = current_.target->Drop(data_, DragKeyState(), Point(), &effect);
        Forget();
        return SUCCEEDED(dropped) ? effect & allowed_ : DROPEFFECT_NONE;
    }

    void Leave()
    {
        if (current_.target)
            current_.target->DragLeave();
        Forget();
    }

    void Forget()
    {
        if (current_.target)
            current_.target->Release();
        current_ = {};
    }

    POINTL Point() const { return {pointer_.x, pointer_.y}; }

    IDataObject* data_;
    IDropSource* source_;
    DWORD allowed_;
    POINT pointer_{0, 0};
    FoundTarget current_;
    DWORD effect_ = DROPEFFECT_NONE;  // the current target's last answer
    std::unique_ptr<DragOverlay> overlay_;
};

}  // namespace
}  // namespace platform::dragdrop

HRESULT DoDragDrop(IDataObject* data, IDropSource* source, DWORD allowedEffects, DWORD* effect)
{
    if (!data || !source || !effect)
        return E_INVALIDARG;
    *effect = DROPEFFECT_NONE;
    platform::dragdrop::DragSession session(data, source, allowedEffects);
    return session.Run(effect);
}
