#pragma once
// The layer every editor layer derives from: it binds itself to the data
// its window shows (one program of a library's bank, or the library's
// global data), keeps the parameter bindings of its controls in control-id
// order, carries the LCD fonts, and offers the operations that the base
// window's commands reach.
#include "app/CustomControl.h"
#include "app/MMTimer.h"
#include "app/WindowManager.h"
#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcWindowLayer.h"

#include <array>
#include <cstdint>
#include <vector>

class CBaseWindow;
class CGlobal;
class CHfcBmp;
class CProgram;
class LibraryData;
struct LibraryDataItem;

class CBaseLayer : public CHfcWindowLayer,
                   public CHfcControlListener,
                   public CWindowManagerListener,
                   public CMMTimerListener
{
public:
    // The kinds of data a layer asks for before it binds.
    enum DataKind
    {
        kAnyData = 0,
        kProgramBankData = 1,
        kGlobalData = 2,
    };
    // GetDataKind answers of the layers that follow program switches.
    static constexpr int kProgramEditKind = 2;
    static constexpr int kValueDisplayKind = 5;
    static constexpr int kViewWords = 3;

    enum LcdFont
    {
        kLcdWhite,
        kLcdWhiteDim,
        kLcdWhiteBack,
        kLcdWhiteSelected,
        kLcdFontCount,
    };

    // Takes the four LCD fonts from the skin.
    CBaseLayer();
    ~CBaseLayer() override;

    virtual bool Close(bool flag);
    // Each 60 ms tick of a shown window whose layers are built.
    virtual void OnTimerTick() {}
    virtual void NotifyProgramChanged(int /*a*/, int /*b*/, int /*c*/) {}
    virtual int GetDataKind() { return 0; }
    // Event 7 for the layer's program: the whole program or one parameter.
    virtual void PostDataChanged(bool wholeProgram);
    virtual void PostMessageToAll(int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4);
    virtual void RedrawAllControls(bool force);
    virtual void TakeFocus() {}
    virtual void OnWindowDeactivate() {}
    virtual void OnSaveReport() {}
    // The device's edit buffer into the layer's program, and back.
    virtual void ReceiveFromCurrent();
    virtual void TransmitToCurrent();
    virtual void OnReceiveProgram() {}
    virtual void OnTransmitProgram() {}
    virtual void OnReceiveAll() {}
    virtual void OnTransmitAll() {}
    virtual void OnRevertToSaved() {}
    // Whether one of the layer's controls holds the mouse capture.
    virtual bool IsCapturingControl();
    virtual void RefreshView() {}
    // By the device's id of a parameter: -1 without a program or while the
    // layer is not editable; otherwise whether the value was written.
    virtual int SetParameterValue(std::uint32_t idHigh, std::uint32_t idLow, std::int32_t value);
    // -1 without a program; 0 for an id without a parameter.
    virtual std::int32_t GetParameterValue(std::uint32_t idHigh, std::uint32_t idLow);

    // Binds to the window's data, then makes the layer; the window must be
    // a CBaseWindow for the binding.
    bool Create(int x, int y, int width, int height, CHfcWindow* window) override;
    bool OnDestroy() override;

    // A drag over the layer is remembered; the layer takes no effect itself.
    bool OnHfcDragEnter(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragOver(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;
    bool OnHfcDragLeave(CHfcOleToken* ole) override;
    bool OnHfcDrop(CHfcOleToken* ole, CHfcDragData* data, int x, int y, int modifiers, int* effect) override;

    // The keys come back to the layer after a gesture, except while a text
    // field is being edited.
    void OnControlEditEnd(CHfcControl* control) override;

    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;
    void OnMMTimer(CMMTimer* timer) override;

    // The bindings in control-id order.
    bool AddBoundControl(CCustomControl* binding);
    bool RemoveBoundControl(CCustomControl* binding);
    CCustomControl* GetBoundControl(int index) const;
    int GetBoundControlCount() const { return static_cast<int>(m_boundControls.size()); }
    // The binding's address with the layer's timbre in place of its own
    // when the layer has one; all zero without a binding.
    ParameterAddress GetControlParameter(CCustomControl* binding) const;
    // Layers that edit a program follow a switch to another of the bank.
    void SelectProgram(int index);
    void SetWindowModified();
    // Sends the layer's program to the device's edit buffer when connected,
    // then activates the window again whatever came of it.
    bool TransmitShownProgram();
    // Through the device's id of the address, when it has one.
    void SendParameterToDevice(const ParameterAddress& address, std::int32_t value);
    // Every text field being edited leaves editing.
    void EndTextEditing();
    // The window's keys come to the layer.
    void TakeKeyFocus();

    CBaseWindow* GetWindow() const { return m_window; }
    int GetDocumentId() const { return m_documentId; }
    int GetViewWord(int index) const { return m_viewWords.at(static_cast<std::size_t>(index)); }
    int GetWindowKind() const { return m_windowKind; }
    int GetBoundDataKind() const { return m_dataKind; }
    int GetProgramIndex() const { return m_programIndex; }
    int GetSecondIndex() const { return m_secondIndex; }
    int GetTimbreOverride() const { return m_timbreOverride; }
    void SetTimbreOverride(int timbre) { m_timbreOverride = timbre; }
    LibraryData* GetDocumentList() const { return m_documentList; }
    LibraryDataItem* GetContainer() const { return m_container; }
    CProgram* GetProgramRecord() const { return m_programRecord; }
    std::uint8_t* GetParameterRegion() const { return m_parameterRegion; }
    CGlobal* GetGlobalData() const { return m_globalData; }
    CHfcBmp* GetLcdFont(LcdFont font) const { return m_fonts.at(font); }
    bool IsLayerCreated() const { return m_layerCreated; }
    bool IsDragHover() const { return m_dragHover; }
    void SetMarksEdits(bool marks) { m_marksEdits = marks; }
    void SetEditable(bool editable) { m_editable = editable; }
    bool IsEditable() const { return m_editable; }

protected:
    // Asks for a kind of data before Create binds.
    void SetDataKind(int kind) { m_dataKind = kind; }
    void SetLayerCreated(bool created) { m_layerCreated = created; }
    // The program of the index in the bound bank, or none.
    void BindProgram(int index);

private:
    CBaseWindow* m_window = nullptr;
    int m_documentId = 0;
    std::array<int, kViewWords> m_viewWords{};
    int m_windowKind = 0;
    int m_dataKind = kAnyData;
    int m_programIndex = -1;
    int m_secondIndex = -1;
    int m_timbreOverride = -1;
    LibraryData* m_documentList = nullptr;
    LibraryDataItem* m_container = nullptr;
    CProgram* m_programRecord = nullptr;
    CGlobal* m_globalData = nullptr;
    std::uint8_t* m_parameterRegion = nullptr;
    std::array<CHfcBmp*, kLcdFontCount> m_fonts{};
    bool m_layerCreated = false;
    std::vector<CCustomControl*> m_boundControls;
    bool m_dragHover = false;
    int m_dragCounter = 0;
    POINT m_dragPoint{};
    bool m_marksEdits = true;
    bool m_editable = true;
};
