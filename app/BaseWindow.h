#pragma once
// The MDI child window every editor window derives from: the library
// window, the edit windows and the tool windows. It owns a main layer, up
// to two value displays and a message line, knows which library's data it
// shows and which windows it opened, and offers the numbered command
// operations through which the application's menu commands reach the
// active window: each goes to the main layer, to the owner (the library
// window whose data the window shows) or nowhere.
// Its members are defined by concern in:
//   BaseWindow.cpp          the window, its layers, activation, timer and messages
//   BaseWindowCommands.cpp  the command operations, passed to the main layer or the owner
#include "app/MMTimer.h"
#include "app/WindowManager.h"
#include "framework/ui/HfcMdiChildWindow.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

class CBaseLayer;
class CMessageWindowLayer;
class CValueDisplayLayer;
class LibraryData;
struct LibraryDataItem;
struct MessageLayerSetup;

class CBaseWindow : public CHfcMdiChildWindow, public CMMTimerListener, public CWindowManagerListener
{
public:
    // Window kinds, set by each window's creator before Create.
    enum Kind
    {
        kLibraryWindow = 1,
        kProgramEditWindow = 4,
        kTimbreSynthWindow = 6,
        kTimbreEqWindow = 9,
        kVocoderWindow = 10,
        kMasterEffectWindow = 11,
        kArpeggiatorWindow = 12,
        kMidiMonitorWindow = 15,
        kStatusLogWindow = 19,
        kVersionWindow = 21,
    };
    static constexpr int kValueDisplays = 2;
    static constexpr int kViewWords = 3;
    static constexpr int kIconId = 480;
    static constexpr int kMaxTitleLength = 256;

    // Joins the frame's list of editor windows.
    CBaseWindow();
    ~CBaseWindow() override;

    bool Show() override;
    bool Hide() override;
    bool Activate() override;
    void DestroyLayers() override;
    void OnActivate() override;
    void OnDeactivate() override;
    void OnMoved(int x, int y) override;
    // Stops the ticks; windows that ask to save first call this when they agree.
    bool CanClose() override;
    bool OnTimer() override { return true; }
    ATOM RegisterWindowClass() override;
    const char* GetWindowClassName() override;
    // Kept inside the frame's client area, then made, given the program's
    // icon, attached to its parent and registered with the 60 ms timer.
    bool Create(const char* title, int x, int y, int width, int height, int flags, CHfcMenuBar* menuBar,
                CHfcMdiFrameWindow* frame) override;
    int GetWindowMenuIndex() override { return 4; }

    // The command operations.
    virtual bool CloseWindow(bool force);
    virtual void SetModified(bool modified);
    virtual bool IsModified();
    virtual void OnFileSave();
    virtual void OnFileSaveAs();
    virtual void OnSaveReport();
    virtual void OnEditCut() {}
    virtual void OnEditCopy() {}
    virtual void OnEditPaste() {}
    virtual void OnEditInitialize() {}
    virtual void OnReceiveCurrent();
    virtual void OnTransmitCurrent();
    virtual void OnReceiveAll();
    virtual void OnTransmitAll();
    virtual void OnReceiveProgram();
    virtual void OnTransmitProgram();
    virtual void OnReceiveFromCurrent();
    virtual void OnTransmitToCurrent();
    virtual void OnRevertToSaved() {}
    virtual void OnReceiveAllData();
    virtual void OnWriteAllData();
    // Closes the windows this one opened, then itself.
    virtual void OnCloseWindow();
    virtual void CloseDependentWindows() {}
    virtual void ForgetDependentWindow(CBaseWindow* /*window*/) {}
    virtual void NotifyProgramChanged(int a, int b, int c);
    // Broadcasts to every window with this window as the sender.
    virtual void SendMessageToAllChildWindow(int event, LONG_PTR p1, LONG_PTR p2);
    virtual void SendMessageToAllBankWindow(int event, LONG_PTR p1, LONG_PTR p2);
    virtual void UpdateTitle() {}
    // 0, or 2 for windows bound to one program of a bank.
    virtual int GetDataKind() { return 0; }
    virtual bool IsLayerCapturing();
    virtual int GetClassNumber() { return -1; }

    // Every 60 ms while the window is shown and its layers are built: the
    // message line fades, then the main layer ticks.
    void OnMMTimer(CMMTimer* timer) override;
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    // For windows bound to a program: the program index and view word 2.
    void SetProgramIndex(int index);
    // Shows or hides the value displays as the Show Values preference says.
    void ApplyShowValues();
    // A message line over the whole client area, when the tips preference
    // is on; none otherwise.
    void CreateMessageWindowLayer(const MessageLayerSetup& setup);
    // At most 256 characters; empty without a system window.
    std::string GetWindowTitle();
    void MakeTopMost();

    int GetDocumentId() const { return m_documentId; }
    void SetDocumentId(int id) { m_documentId = id; }
    int GetViewWord(int index) const { return m_viewWords.at(static_cast<std::size_t>(index)); }
    void SetViewWord(int index, int value) { m_viewWords.at(static_cast<std::size_t>(index)) = value; }
    int GetKind() const { return m_iKind; }
    void SetKind(int kind) { m_iKind = kind; }
    CBaseWindow* GetParentWindow() const { return m_parentWindow; }
    void SetParentWindow(CBaseWindow* parent) { m_parentWindow = parent; }
    CBaseWindow* GetOwnerWindow() const { return m_ownerWindow; }
    void SetOwnerWindow(CBaseWindow* owner) { m_ownerWindow = owner; }
    LibraryDataItem* GetDataContainer() const { return m_dataContainer; }
    void SetDataContainer(LibraryDataItem* container) { m_dataContainer = container; }
    LibraryData* GetDocumentList() const { return m_documentList; }
    void SetDocumentList(LibraryData* list) { m_documentList = list; }
    bool IsTimerEnabled() const { return m_timerEnabled; }
    void SetTimerEnabled(bool enabled) { m_timerEnabled = enabled; }
    int GetLibraryPage() const { return m_libraryPage; }
    void SetLibraryPage(int page) { m_libraryPage = page; }
    int GetProgramIndex() const { return m_programIndex; }
    int GetSecondIndex() const { return m_secondIndex; }
    void SetSecondIndex(int index) { m_secondIndex = index; }
    POINT GetRestoredPosition() const { return m_restoredPosition; }
    bool IsShown() const { return m_isShown; }
    bool IsWindowCreated() const { return m_bCreated; }
    void SetWindowCreated(bool created) { m_bCreated = created; }
    // Whether its system window was made and is gone again.
    bool IsGone() const { return IsWindowCreated() && GetHandle() == nullptr; }
    const std::vector<CBaseWindow*>& GetDependentWindows() const { return m_dependentWindows; }

    CBaseLayer* GetMainLayer() const { return m_mainLayer.get(); }
    CValueDisplayLayer* GetValueDisplayLayer(int index) const
    {
        return m_valueDisplays.at(static_cast<std::size_t>(index)).get();
    }
    CMessageWindowLayer* GetMessageLayer() const { return m_messageLayer.get(); }

protected:
    // The window owns its layers from here until DestroyLayers.
    CBaseLayer* SetMainLayer(std::unique_ptr<CBaseLayer> layer);
    CValueDisplayLayer* SetValueDisplayLayer(int index, std::unique_ptr<CValueDisplayLayer> layer);

private:
    void AttachToParent();
    void DetachFromParent();
    void RegisterTimer(bool registered);

    int m_documentId = -1;
    std::array<int, kViewWords> m_viewWords{-1, -1, -1};
    int m_iKind = 0;
    CBaseWindow* m_parentWindow = nullptr;
    CBaseWindow* m_ownerWindow = nullptr;
    LibraryDataItem* m_dataContainer = nullptr;
    LibraryData* m_documentList = nullptr;
    bool m_timerEnabled = false;
    int m_libraryPage = -1;
    std::unique_ptr<CBaseLayer> m_mainLayer;
    POINT m_restoredPosition{};
    int m_programIndex = -1;
    int m_secondIndex = -1;
    std::unique_ptr<CMessageWindowLayer> m_messageLayer;
    std::array<std::unique_ptr<CValueDisplayLayer>, kValueDisplays> m_valueDisplays;
    std::vector<CBaseWindow*> m_dependentWindows;
    bool m_isShown = false;
    bool m_bCreated = false;
    bool m_timerRegistered = false;
    bool m_attachedToParent = false;
};
