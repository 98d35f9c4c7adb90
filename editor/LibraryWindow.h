#pragma once
// The window that holds one complete data set of the device: the bank of
// 200 programs and the global data, loaded from or saved to one all-data
// file. A strip of page tabs sits on top; below it the program page or the
// global page with its two sub-pages. Every file, library and whole-device
// action of the user lands here, and the program edit windows opened from
// its list work on its data and close with it.
// Its members are defined by concern in:
//   LibraryWindow.cpp          the window, its layers and pages, title, closing and messages
//   LibraryWindowCommands.cpp  the menu commands and the whole-device transfers
//   LibraryWindowFiles.cpp     new, opening, saving and importing files, factory presets
#include "app/BaseWindow.h"
#include "app/LibraryWindows.h"
#include "framework/services/PslMessageDispatchListener.h"
#include "model/Global.h"
#include "model/LibraryData.h"

#include <juce_core/juce_core.h>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class CBaseLayer;
class CFileManager;
class CGlobalEditLayer;
class CPageSelectLayer;
class CProgramListPage;

class CLibraryWindow : public CBaseWindow, public CLibraryWindowInterface, public CPslMessageDispatchListener
{
public:
    static constexpr int kClientWidth = 982;
    static constexpr int kClientHeight = 667;
    static constexpr int kStripHeight = 37;
    static constexpr int kProgramPage = 0;
    static constexpr int kGlobalPage = 1;
    // Caption, system menu and minimise box.
    static constexpr int kWindowFlags = 9;
    static constexpr int kReceiveOnStartupMessage = 30;
    static constexpr int kFactoryPresetCount = 6;

    CLibraryWindow();
    ~CLibraryWindow() override;

    // Takes the next window number, makes the empty library data and the
    // MDI child with its 982 x 667 client area at (x, y) of the frame.
    bool CreateMdiWindow(const char* title, int x, int y, CHfcMenuBar* menuBar, CHfcMdiFrameWindow* frame);

    // The file operations: each runs once on a fresh window and answers
    // whether the window now holds the new data; on false the caller closes
    // the window. Errors are reported before they return.
    bool NewAllData() override;
    bool OpenAllData() override;
    bool OpenAllDataFile(const std::string& path) override;
    bool SaveAllData() override;
    bool SaveAllDataAs();
    bool LoadFactoryPreset(int index) override;
    bool ImportQTPLibrary() override;
    bool ImportQTLibrary() override;
    bool ImportN6Library() override;

    void SetPage(int page, bool force);
    // Builds the strip and the page layers; once, after the data is there.
    void RebuildLayers();
    void RebuildGlobalPageLayers();
    // The menu commands Receive All Data and Write All Data, with their questions.
    void ReceiveAll();
    void WriteAll();
    // Asks whether to save a modified library; true when the caller may go on.
    bool QuerySaveChanges();
    juce::String GetFilePath() const;
    juce::String GetDocumentTitle() const;
    CBaseWindow* GetWindow() override { return this; }
    std::string GetDocumentName() override { return GetDocumentTitle().toStdString(); }
    // Receives all data from the device once the message loop runs, when
    // both ports are open, then calls onEnded whatever came of it.
    void PostReceiveOnStartup(std::function<void()> onEnded) override;

    bool CreateRootLayer() override;
    void DestroyLayers() override;
    void OnActivate() override;
    void OnDeactivate() override;
    bool CanClose() override;
    void SetModified(bool modified) override;
    bool IsModified() override;
    void OnFileSave() override;
    void OnFileSaveAs() override;
    void OnSaveReport() override;
    void OnEditCut() override;
    void OnEditCopy() override;
    void OnEditPaste() override;
    void OnEditInitialize() override;
    void OnReceiveCurrent() override;
    void OnTransmitCurrent() override;
    void OnReceiveAll() override;
    void OnTransmitAll() override;
    void OnReceiveProgram() override;
    void OnTransmitProgram() override;
    void OnReceiveFromCurrent() override;
    void OnTransmitToCurrent() override;
    void OnRevertToSaved() override;
    void OnReceiveAllData() override;
    void OnWriteAllData() override;
    void CloseDependentWindows() override;
    void ForgetDependentWindow(CBaseWindow* window) override;
    void NotifyProgramChanged(int a, int b, int c) override;
    void UpdateTitle() override;
    bool IsLayerCapturing() override;
    int GetClassNumber() override { return 5; }

    void OnMMTimer(CMMTimer* timer) override;
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;
    void OnPslMessage(int id, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4) override;

    // The program edit windows opened from the program list, one slot per
    // program of the bank.
    CBaseWindow* GetProgramEditWindow(int program) const;
    void SetProgramEditWindow(int program, CBaseWindow* window);

    int GetWindowNumber() const { return GetDocumentId(); }
    int GetCurrentPage() const { return GetLibraryPage(); }
    LibraryData* GetLibraryData() const { return m_library.get(); }
    CPageSelectLayer* GetPageStrip() const { return m_pageStrip.get(); }
    CBaseLayer* GetProgramListLayer() const { return m_programList.get(); }
    CBaseLayer* GetGlobalEditLayer() const;
    CBaseLayer* GetGlobalPageLayer() const { return m_globalPage.get(); }
    CBaseLayer* GetCcMapPageLayer() const { return m_ccMapPage.get(); }
    bool AreLayersBuilt() const { return m_layersBuilt; }
    bool IsContentReady() const { return m_contentReady; }
    bool IsModificationTracked() const { return m_trackModification; }
    // The global edit layer tells the window when its controls exist.
    void SetContentReady(bool ready) { m_contentReady = ready; }
    // The global data as it was last loaded, saved or received, kept for
    // Revert to Saved of the global page.
    void KeepGlobalAsSaved();
    // False when nothing was kept or the data is the kept data already.
    bool RestoreSavedGlobal();

private:
    // The page's layers in the order they are shown: page 1 the global edit
    // layer, then its two sub-pages.
    std::array<CBaseLayer*, 3> PageLayers(int page) const;
    // The layer that takes the page's commands: the program list or the
    // global edit layer.
    CBaseLayer* ShownPageLayer() const;
    // The program list's edit commands while page 0 shows.
    CProgramListPage* ShownProgramList() const;
    void HidePage(int page);
    void ShowPage(int page);
    void ClearKeyFocus();
    // Another library window showing the file at path, when there is one.
    CLibraryWindow* FindWindowShowing(const juce::String& path) const;
    // Brings that window to the front.
    static void Raise(CLibraryWindow& window);
    // Event 0 from this window: every caption is set again.
    void BroadcastTitles();
    void BroadcastLibraryReplaced(int windowNumber);
    // An import dialog of the file manager, then the log line.
    bool Import(int (CFileManager::*dialog)(LibraryData& library), const char* logLine);
    // Closes every program edit window; a window that refuses ends the walk
    // with false.
    bool CloseProgramEditWindows(bool force);
    void DiscardPageLayers();
    void ForgetLastTransmittedProgram();

    std::unique_ptr<LibraryData> m_library;
    std::unique_ptr<CPageSelectLayer> m_pageStrip;
    std::unique_ptr<CBaseLayer> m_programList;
    std::unique_ptr<CGlobalEditLayer> m_globalEdit;
    std::unique_ptr<CBaseLayer> m_globalPage;
    std::unique_ptr<CBaseLayer> m_ccMapPage;
    std::array<CBaseWindow*, kProgramBankSize> m_editWindows{};
    std::optional<CGlobal> m_savedGlobal;
    std::function<void()> m_onStartupReceiveEnded;
    bool m_layersBuilt = false;
    bool m_closing = false;
    bool m_trackModification = true;
    bool m_contentReady = false;
    bool m_listening = false;
};
