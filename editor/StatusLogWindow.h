#pragma once
// The status log window: the newest nine lines of the status log, oldest
// at the top, and a red lamp that lights at each new line and dims over
// about a second. It stays above the other child windows.
#include "editor/ToolWindow.h"

#include <array>

class CHfcCtrlLed;
class CLogManager;

class CStatusLogLayer : public CToolLayer
{
public:
    static constexpr int kLines = 9;

    explicit CStatusLogLayer(const CLogManager* log);

    // The page with its nine lines and the lamp.
    bool Build(CHfcWindow* window) override;
    // A new line: the lines again and the lamp lit.
    void OnWindowManagerMessage(CWindowManager* manager, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener* sender) override;

    const CHfcCtrlCharStaticText* GetLine(int index) const { return m_lines.at(static_cast<std::size_t>(index)); }
    int GetLampValue() const;

protected:
    // The lamp one step darker.
    void OnTick() override;
    void OnPagePainted() override { Refresh(); }

private:
    // The log's newest lines into the first text lines, then the lamp lit.
    void Refresh();

    const CLogManager* m_log;
    std::array<CHfcCtrlCharStaticText*, kLines> m_lines{};
    CHfcCtrlLed* m_lamp = nullptr;
};

class CStatusLogWindow : public CToolWindow
{
public:
    // log may be null: then the lines stay empty.
    explicit CStatusLogWindow(const CLogManager* log);

    // "Status" at the setup's place.
    bool CreateMdiWindow(const ToolWindowSetup& setup);
    // The page, and the window above the others.
    bool CreateRootLayer() override;
    void UpdateTitle() override;

    CStatusLogLayer* GetLayer() const { return static_cast<CStatusLogLayer*>(GetMainLayer()); }

protected:
    std::unique_ptr<CToolLayer> MakeLayer() override;

private:
    const CLogManager* m_log;
};
