#include "editor/PageSelectLayer.h"

#include "app/DialogRefCount.h"
#include "app/EditorShell.h"
#include "app/SemaphoreHold.h"
#include "app/SkinTable.h"
#include "editor/LibraryShell.h"
#include "editor/LibraryWindow.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/EfTrace.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "framework/ui/HfcCtrlPageButton.h"
#include "framework/ui/HfcDragData.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "model/BlockAccessor.h"

#include <platform/kernel.h>

#include <cstdlib>
#include <cstring>

// The tabs are hit areas only: the bitmap list under them shows which page
// is current, so the strip draws nothing of its own.
class CPageTabStrip : public CHfcCtrlPageButton
{
public:
    void Draw(CHfcDrawContext* /*context*/) override {}
    void DrawBackground(CHfcDrawContext* /*context*/) override {}
};

namespace {

constexpr int kTabStateId = 0;
constexpr int kTabsId = 1;
constexpr int kTabStateX = 6;
constexpr int kTabStateY = 0;
// The area of the tab control, room for three tabs.
constexpr int kTabsWidth = 249;
constexpr int kTabsHeight = 30;
constexpr int kTickMs = 60;
constexpr int kEventLibraryReplaced = 18;
constexpr int kDropNone = 0;
constexpr int kDropCopy = 2;
constexpr ARGB kDragImageColour = 0xFFFFFFFF;
constexpr int kDragLabelInset = 5;
constexpr const char* kPageLabels[CPageSelectLayer::kPageCount] = {"PROGRAM", "GLOBAL"};
constexpr std::uint32_t kPageBlocks[CPageSelectLayer::kPageCount] = {kBlockProgSet, kBlockGlobal};

CEfSemaphore* DrawingSemaphore()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr;
}

// The first item of a page block, program set before global data.
const SHfcDragItem* FindPageItem(const CHfcDragData* data)
{
    if (data == nullptr)
        return nullptr;
    for (std::uint32_t kind : kPageBlocks) {
        const UINT format = CBlockAccessor::GetBlockFormat(kind);
        for (const SHfcDragItem& item : data->GetItems()) {
            if (format != 0 && item.format == format && item.data != nullptr)
                return &item;
        }
    }
    return nullptr;
}

}  // namespace

CPageSelectLayer::CPageSelectLayer() : m_messageThread(GetCurrentThreadId())
{}

CPageSelectLayer::~CPageSelectLayer() = default;

CHfcCtrlPageButton* CPageSelectLayer::GetTabs() const
{
    return m_tabs.get();
}

CLibraryWindow* CPageSelectLayer::GetLibraryWindow() const
{
    return dynamic_cast<CLibraryWindow*>(GetWindow());
}

bool CPageSelectLayer::Create(int x, int y, int width, int height, CHfcWindow* window)
{
    m_background = GetBitmap(ThemedBitmapName("BG_PageSelect", GetColourTheme()).c_str());
    if (!CBaseLayer::Create(x, y, width, height, window))
        return false;
    if (CWindowManager* manager = library_shell::WindowManager())
        m_listening = manager->AddListener(this);
    m_ready = true;
    return true;
}

bool CPageSelectLayer::OnCreate()
{
    const int page = GetLibraryWindow() != nullptr ? GetLibraryWindow()->GetCurrentPage() : 0;
    HfcWord state[kHfcStripWords] = {};
    state[kHfcStripX] = kTabStateX;
    state[kHfcStripY] = kTabStateY;
    state[kHfcStripBitmap] = HfcBitmapWord(GetBitmap("BitmapListPageSelectTab"));
    state[kHfcStripBack] = HfcBitmapWord(m_background);
    state[kHfcStripBackX] = kTabStateX;
    state[kHfcStripBackY] = kTabStateY;
    state[kHfcStripFrames] = kPageCount;
    m_tabState = std::make_unique<CHfcCtrlBitmapList>();
    if (!m_tabState->Create(state, kTabStateId, 0)) {
        EfTrace("CPageSelectLayer - no page tab bitmap");
        m_tabState.reset();
    }

    HfcWord tabs[kHfcPageWords] = {};
    tabs[kHfcPageX] = kTabsX;
    tabs[kHfcPageY] = kTabsY;
    tabs[kHfcPageWidth] = kTabsWidth;
    tabs[kHfcPageHeight] = kTabsHeight;
    tabs[kHfcPageTabWidth] = kTabWidth;
    tabs[kHfcPageTabHeight] = kTabHeight;
    tabs[kHfcPageGap] = kTabGap;
    m_tabs = std::make_unique<CPageTabStrip>();
    if (!m_tabs->Create(tabs, kTabsId))
        return false;
    for (int tab = 0; tab < kPageCount; ++tab)
        m_tabs->AddTab("PAGE");

    for (CHfcControl* control :
         {static_cast<CHfcControl*>(m_tabState.get()), static_cast<CHfcControl*>(m_tabs.get())}) {
        if (control == nullptr)
            continue;
        control->SetOwner(this);
        AddControl(control, false);
        control->Show(false);
        control->SetValue(page, false);
    }
    m_fullRepaint = true;
    Paint();
    return true;
}

bool CPageSelectLayer::OnDestroy()
{
    if (CWindowManager* manager = library_shell::WindowManager(); manager != nullptr && m_listening)
        manager->RemoveListener(this);
    m_listening = false;
    m_ready = false;
    RemoveAllControls();
    if (m_tabs != nullptr)
        m_tabs->Destroy();
    if (m_tabState != nullptr)
        m_tabState->Destroy();
    m_tabs.reset();
    m_tabState.reset();
    return CBaseLayer::OnDestroy();
}

void CPageSelectLayer::SwitchPage(int page)
{
    if (GetDialogRefCount() > 0)
        return;
    for (CHfcControl* control :
         {static_cast<CHfcControl*>(m_tabState.get()), static_cast<CHfcControl*>(m_tabs.get())}) {
        if (control != nullptr)
            control->SetValue(page, true);
    }
    CLibraryWindow* window = GetLibraryWindow();
    if (window == nullptr || !window->IsWindowCreated() || page >= kPageCount || page == window->GetCurrentPage())
        return;
    window->SetPage(page, false);
}

void CPageSelectLayer::RequestPageSwitch(int page)
{
    if (page < 0 || page >= kPageCount)
        return;
    if (GetCurrentThreadId() == m_messageThread) {
        SwitchPage(page);
        return;
    }
    if (CWindowManager* manager = library_shell::WindowManager())
        manager->PostMessageTo(this, kPageSwitchEvent, page, -1, 0, 0, this);
}

void CPageSelectLayer::RefreshGlobalPage()
{
    CLibraryWindow* window = GetLibraryWindow();
    if (window == nullptr || !window->IsWindowCreated() || window->GetCurrentPage() != CLibraryWindow::kGlobalPage)
        return;
    for (CBaseLayer* layer :
         {window->GetGlobalEditLayer(), window->GetGlobalPageLayer(), window->GetCcMapPageLayer()}) {
        if (layer != nullptr)
            layer->TakeFocus();
    }
}

void CPageSelectLayer::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR, LONG_PTR, LONG_PTR,
                                              CWindowManagerListener*)
{
    if (event == kPageSwitchEvent)
        SwitchPage(static_cast<int>(p1));
}

void CPageSelectLayer::OnControlValueChanged(CHfcControl* control, int value)
{
    if (control != nullptr && control == m_tabs.get() && value >= 0)
        RequestPageSwitch(value);
}

void CPageSelectLayer::OnTimerTick()
{
    {
        CSemaphoreHold hold(DrawingSemaphore());
        Paint();
    }
    if (m_tabs != nullptr)
        m_tabs->OnTimer(kTickMs);
    if (!m_hovering || m_hoverMs > kHoverActivateMs)
        return;
    m_hoverMs += kTickMs;
    if (m_hoverMs > kHoverActivateMs && GetLibraryWindow() != nullptr) {
        GetLibraryWindow()->Show();
        GetLibraryWindow()->Activate();
    }
}

void CPageSelectLayer::Paint()
{
    CHfcOffscreenContext* context = GetContext();
    if (context == nullptr)
        return;
    if (!m_fullRepaint) {
        RedrawAllControls(false);
        return;
    }
    m_fullRepaint = false;
    if (m_background != nullptr)
        context->DrawBitmap(0, 0, GetWidth(), GetHeight(), m_background, 0, 0);
    DrawLogo(context, GetWidth());
    // The background covered the controls.
    for (CHfcLayerControl* control : GetControls())
        control->Redraw(true, false);
    Update(true);
}

bool CPageSelectLayer::OnControlMouseDown(CHfcControl* control, int x, int y, int /*modifiers*/)
{
    if (control == nullptr || control != m_tabs.get())
        return false;
    m_pressedTab = m_tabs->TabFromPoint(x, y);
    m_pressPoint = {x + control->GetRect().left, y + control->GetRect().top};
    m_pressCaptured = true;
    // The tab still reports its click.
    return false;
}

bool CPageSelectLayer::OnControlMouseUp(CHfcControl* /*control*/, int /*x*/, int /*y*/, int /*modifiers*/)
{
    ClearPress();
    return false;
}

bool CPageSelectLayer::OnHfcMouseLButtonUp(CHfcMouse* /*mouse*/, int /*x*/, int /*y*/, int /*modifiers*/)
{
    ClearPress();
    return false;
}

bool CPageSelectLayer::OnHfcMouseMove(CHfcMouse* /*mouse*/, int x, int y, int /*modifiers*/)
{
    if (!m_pressCaptured || m_pressedTab < 0 ||
        std::abs(x - m_pressPoint.x) + std::abs(y - m_pressPoint.y) <= kDragThreshold)
        return false;
    m_pressCaptured = false;
    DragPage(m_pressedTab);
    return true;
}

void CPageSelectLayer::ClearPress()
{
    m_pressedTab = -1;
    m_pressCaptured = false;
}

void CPageSelectLayer::DragPage(int tab)
{
    CLibraryWindow* window = GetLibraryWindow();
    const UINT format = CBlockAccessor::GetBlockFormat(kPageBlocks[tab]);
    CBlockData block;
    if (window == nullptr || window->GetLibraryData() == nullptr || format == 0 ||
        !CBlockAccessor::CopyBlock(0, block, *window->GetLibraryData(), kPageBlocks[tab], 0, 0)) {
        ClearPress();
        return;
    }
    CHfcDragData drag;
    const RECT& area = m_tabs->GetRect();
    const int width = (area.right - area.left) / 2;
    const int height = area.bottom - area.top;
    drag.Begin(width, height);
    if (CHfcOffscreenContext* image = drag.GetImage()) {
        image->SetFillColor(kDragImageColour);
        image->FillRectangle(0, 0, width, height);
        if (CHfcBmp* font = GetBitmap("LcdChar"))
            image->DrawBitmapText(kDragLabelInset, kDragLabelInset, kPageLabels[tab],
                                  static_cast<int>(std::strlen(kPageLabels[tab])), font, 0, 0);
    }
    drag.AddItem(format, block.GetData(), static_cast<std::uint32_t>(block.GetSize()), -1);
    m_bDragging = true;
    try {
        drag.DoDragDrop(-(m_pressPoint.x - area.left), -(m_pressPoint.y - area.top));
    } catch (const char* failure) {
        EfTrace("CPageSelectLayer - %s", failure);
    }
    m_bDragging = false;
    drag.End();
    ClearPress();
}

int CPageSelectLayer::DropEffect(CHfcControl* control, CHfcDragData* data, int x, int y) const
{
    if (control == nullptr || control != m_tabs.get() || m_bDragging || m_tabs->TabFromPoint(x, y) < 0 ||
        FindPageItem(data) == nullptr)
        return kDropNone;
    return kDropCopy;
}

bool CPageSelectLayer::OnControlDragEnter(CHfcControl* control, CHfcDragData* data, int x, int y, int /*modifiers*/,
                                          int* effect)
{
    *effect = DropEffect(control, data, x, y);
    return true;
}

bool CPageSelectLayer::OnControlDragOver(CHfcControl* control, CHfcDragData* data, int x, int y, int /*modifiers*/,
                                         int* effect)
{
    *effect = DropEffect(control, data, x, y);
    return true;
}

bool CPageSelectLayer::OnControlDrop(CHfcControl* control, CHfcDragData* data, int x, int y, int /*modifiers*/,
                                     int* effect)
{
    *effect = DropEffect(control, data, x, y);
    if (*effect == kDropNone)
        return true;
    CLibraryWindow* window = GetLibraryWindow();
    // A block that pastes nothing changes nothing: no broadcast, no mark.
    if (window == nullptr || !PastePage(data))
        return true;
    PostMessageToAll(kEventLibraryReplaced, window->GetWindowNumber(), -1, -1, 0);
    if (window->IsWindowCreated())
        window->SetModified(true);
    return true;
}

bool CPageSelectLayer::PastePage(CHfcDragData* data)
{
    CLibraryWindow* window = GetLibraryWindow();
    const SHfcDragItem* item = FindPageItem(data);
    if (window == nullptr || window->GetLibraryData() == nullptr || item == nullptr)
        return false;
    CBlockData block;
    block.Append(item->data, static_cast<std::int32_t>(item->size));
    LibraryData& library = *window->GetLibraryData();
    if (item->format == CBlockAccessor::GetBlockFormat(kBlockProgSet))
        return block.GetSize() >= kBlockHeaderSize && block.GetKind() == kBlockProgSet &&
               CBlockAccessor::PasteProgSet(library, block);
    return block.GetKind() == kBlockGlobal && CBlockAccessor::PasteGlobal(library, block);
}

bool CPageSelectLayer::OnHfcRawDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers,
                                         int* effect)
{
    m_hovering = true;
    m_hoverPoint = {x, y};
    m_hoverMs = 0;
    return CBaseLayer::OnHfcRawDragEnter(ole, data, x, y, modifiers, effect);
}

bool CPageSelectLayer::OnHfcRawDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    if (x != m_hoverPoint.x || y != m_hoverPoint.y) {
        m_hoverPoint = {x, y};
        m_hoverMs = 0;
    }
    return CBaseLayer::OnHfcRawDragOver(ole, data, x, y, modifiers, effect);
}

bool CPageSelectLayer::OnHfcRawDragLeave(CHfcOleToken* ole)
{
    m_hovering = false;
    return CBaseLayer::OnHfcRawDragLeave(ole);
}

bool CPageSelectLayer::OnHfcRawDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect)
{
    m_hovering = false;
    return CBaseLayer::OnHfcRawDrop(ole, data, x, y, modifiers, effect);
}
