// The status log: a ring of 50 time-stamped lines cut to 127 characters,
// read oldest first, announced with event 15, and the target of LogPrintf
// only while it exists.
#include "app/LogManager.h"

#include "message_thread.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

void SevenPastFive(int& hour, int& minute, int& second)
{
    hour = 17;
    minute = 7;
    second = 9;
}

void JustAfterMidnight(int& hour, int& minute, int& second)
{
    hour = 0;
    minute = 0;
    second = 1;
}

std::vector<std::string> Stamped(int first, int last)
{
    std::vector<std::string> lines;
    for (int n = first; n <= last; ++n)
        lines.push_back("17:07:09  line " + std::to_string(n));
    return lines;
}

TEST(LogManager, KeepsTheNewest50LinesOldestFirst)
{
    CLogManager log(nullptr, &SevenPastFive);
    EXPECT_TRUE(log.GetNewestLines(9).empty()) << "nothing before the first line";

    for (int n = 1; n <= 3; ++n)
        ASSERT_TRUE(log.AddLine(("line " + std::to_string(n)).c_str()));
    EXPECT_EQ(log.GetNewestLines(9), Stamped(1, 3)) << "fewer lines fill the first places";

    for (int n = 4; n <= 51; ++n)
        ASSERT_TRUE(log.AddLine(("line " + std::to_string(n)).c_str()));
    EXPECT_EQ(log.GetNewestLines(9), Stamped(43, 51));
    EXPECT_EQ(log.GetNewestLines(50), Stamped(2, 51)) << "the 51st line took the first one's place";
    EXPECT_EQ(log.GetNewestLines(80), Stamped(2, 51));
    EXPECT_TRUE(log.GetNewestLines(0).empty());

    log.Clear();
    EXPECT_TRUE(log.GetNewestLines(50).empty());
    log.AddLine("line 1");
    EXPECT_EQ(log.GetNewestLines(9), Stamped(1, 1));
}

TEST(LogManager, StampsAndCutsEachLine)
{
    CLogManager log(nullptr, &JustAfterMidnight);
    const std::string text(200, 'x');
    const std::string digits = "0123456789";
    struct Case
    {
        std::string text;
        std::string stored;
    };
    const Case cases[] = {
        {"Receive All Data complete.", "00:00:01  Receive All Data complete."},
        {"", "00:00:01  "},
        {text, "00:00:01  " + text.substr(0, 117)},
        {std::string(117, 'y'), "00:00:01  " + std::string(117, 'y')},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(log.AddLine(c.text.c_str()));
        const std::vector<std::string> newest = log.GetNewestLines(1);
        ASSERT_EQ(newest.size(), 1u);
        EXPECT_EQ(newest[0], c.stored);
        EXPECT_LE(newest[0].size(), 127u);
    }
    EXPECT_FALSE(log.AddLine(nullptr));
}

TEST(LogManager, LogPrintfWritesOnlyWhileALogExists)
{
    EXPECT_EQ(GetStatusLog(), nullptr);
    EXPECT_FALSE(LogPrintf("before %d", 1));
    {
        CLogManager log(nullptr, &SevenPastFive);
        EXPECT_EQ(GetStatusLog(), &log);
        EXPECT_TRUE(LogPrintf("%s : %s", "Failed to receive", "Timeout"));
        // A text far beyond the buffer is cut, not overrun.
        EXPECT_TRUE(LogPrintf("%s", std::string(3000, 'z').c_str()));
        EXPECT_EQ(log.GetNewestLines(9), (std::vector<std::string>{"17:07:09  Failed to receive : Timeout",
                                                                   "17:07:09  " + std::string(117, 'z')}));
    }
    EXPECT_EQ(GetStatusLog(), nullptr);
    EXPECT_FALSE(LogPrintf("after %d", 2));
}

class LineWatcher final : public CWindowManagerListener
{
public:
    std::vector<std::string> seen;
    std::vector<std::vector<LONG_PTR>> parameters;
    std::vector<CWindowManagerListener*> senders;
    CLogManager* log = nullptr;

    void OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR, LONG_PTR,
                                CWindowManagerListener* sender) override
    {
        if (event != CLogManager::kLineAddedEvent)
            return;
        parameters.push_back({p1, p2});
        senders.push_back(sender);
        // The log is free again by the time the news arrives.
        const std::vector<std::string> newest = log->GetNewestLines(1);
        seen.push_back(newest.empty() ? "" : newest[0]);
    }
};

TEST(LogManager, EachNewLineIsAnnouncedAfterwards)
{
    CPslMessageDispatchEngine engine;
    CWindowManager windows(engine);
    CLogManager log(&windows, &SevenPastFive);
    LineWatcher watcher;
    watcher.log = &log;
    ASSERT_TRUE(windows.AddListener(&watcher));

    log.AddLine("first");
    log.AddLine("second");
    EXPECT_TRUE(watcher.seen.empty()) << "queued, not called inside AddLine";
    PumpAll();
    EXPECT_EQ(watcher.seen, (std::vector<std::string>(2, "17:07:09  second")));
    EXPECT_EQ(watcher.parameters, (std::vector<std::vector<LONG_PTR>>(2, {0, 0})));
    EXPECT_EQ(watcher.senders, (std::vector<CWindowManagerListener*>(2, &log)));
}

}  // namespace
