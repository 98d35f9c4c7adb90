// Window classes, creation and destruction order, window words and subclassing.
#include "messaging_fixture.h"

#include <platform/kernel.h>

#include <thread>

namespace messaging_test {
namespace {

using WindowTest = MessagingTest;

TEST_F(WindowTest, CreationSendsNcCreateCreateSizeMoveWithTheCreationParameter)
{
    int engine = 0;
    HWND window = CreateWindowExA(WS_EX_TOOLWINDOW, "recordingwindow", nullptr, 0, 7, 9, 120, 80, nullptr, nullptr,
                                  nullptr, &engine);
    ASSERT_NE(window, nullptr) << "class names match in any case";
    EXPECT_EQ(LoggedMessages(window), (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE}));
    auto* create = reinterpret_cast<CREATESTRUCTA*>(Log()[0].lParam);
    EXPECT_NE(create, nullptr);
    EXPECT_EQ(LoggedOf(WM_SIZE)[0].wParam, static_cast<WPARAM>(SIZE_RESTORED));
    EXPECT_EQ(LoggedOf(WM_SIZE)[0].lParam, MAKELPARAM(120, 80));
    EXPECT_EQ(LoggedOf(WM_MOVE)[0].lParam, MAKELPARAM(7, 9));
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE), static_cast<LONG_PTR>(WS_EX_TOOLWINDOW));
    DestroyWindow(window);
}

TEST_F(WindowTest, CreateParamsReachNcCreateAndCreate)
{
    int engine = 0;
    void* seen[2] = {};
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_NCCREATE)
            seen[0] = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
        if (message == WM_CREATE)
            seen[1] = reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams;
        return DefWindowProcA(window, message, wParam, lParam);
    };
    MakeWindow(nullptr, &engine);
    EXPECT_EQ(seen[0], &engine);
    EXPECT_EQ(seen[1], &engine);
}

TEST_F(WindowTest, RefusedCreationDestroysTheWindowAndReturnsNull)
{
    struct Case
    {
        UINT refusing;
        LRESULT answer;
        std::vector<UINT> expected;
    };
    for (const Case& c : {Case{WM_CREATE, -1, {WM_NCCREATE, WM_CREATE, WM_DESTROY, WM_NCDESTROY}},
                          Case{WM_NCCREATE, FALSE, {WM_NCCREATE, WM_NCDESTROY}}}) {
        SCOPED_TRACE(c.refusing);
        Log().clear();
        Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            return message == c.refusing ? c.answer : DefWindowProcA(window, message, wParam, lParam);
        };
        EXPECT_EQ(MakeWindow(), nullptr);
        ASSERT_FALSE(Log().empty());
        HWND attempted = Log()[0].window;
        EXPECT_EQ(LoggedMessages(attempted), c.expected);
        EXPECT_FALSE(IsWindow(attempted));
    }
}

TEST_F(WindowTest, DestroySendsDestroyParentFirstThenNcDestroyChildrenFirst)
{
    HWND parent = MakeWindow();
    HWND first = MakeWindow(parent);
    HWND grandchild = MakeWindow(first);
    HWND second = MakeWindow(parent);
    Log().clear();

    ASSERT_TRUE(DestroyWindow(parent));
    std::vector<Received> expected = {{parent, WM_DESTROY, 0, 0},       {first, WM_DESTROY, 0, 0},
                                      {grandchild, WM_DESTROY, 0, 0},   {second, WM_DESTROY, 0, 0},
                                      {grandchild, WM_NCDESTROY, 0, 0}, {first, WM_NCDESTROY, 0, 0},
                                      {second, WM_NCDESTROY, 0, 0},     {parent, WM_NCDESTROY, 0, 0}};
    EXPECT_EQ(Log(), expected);
    for (HWND window : {parent, first, grandchild, second})
        EXPECT_FALSE(IsWindow(window));
    EXPECT_FALSE(DestroyWindow(parent));
}

TEST_F(WindowTest, DestroyingAChildLeavesTheParent)
{
    HWND parent = MakeWindow();
    HWND child = MakeWindow(parent);
    EXPECT_EQ(GetParent(child), parent);
    ASSERT_TRUE(DestroyWindow(child));
    EXPECT_TRUE(IsWindow(parent));
    Log().clear();
    DestroyWindow(parent);
    EXPECT_EQ(LoggedMessages(child), std::vector<UINT>{});
}

TEST_F(WindowTest, AWindowMayDestroyItselfFromItsOwnProcedure)
{
    HWND window = MakeWindow();
    SetWindowLongPtrA(window, GWLP_USERDATA, 5);
    LONG_PTR userDataAfter = -1;
    Reply() = [&](HWND self, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (message == WM_USER) {
            DestroyWindow(self);
            userDataAfter = GetWindowLongPtrA(self, GWLP_USERDATA);
            return 7;
        }
        return DefWindowProcA(self, message, wParam, lParam);
    };
    PostMessageA(window, WM_USER, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(DispatchMessageA(&msg), 7);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(userDataAfter, 0) << "the handle is dead once destroyed";
    EXPECT_EQ(LoggedMessages(window),
              (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_USER, WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(WindowTest, CloseThroughDefWindowProcDestroys)
{
    HWND window = MakeWindow();
    EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), TRUE) << "the session may end";
    SendMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(window));
}

TEST_F(WindowTest, OnlyTheOwnerThreadDestroys)
{
    HWND window = MakeWindow();
    BOOL destroyed = TRUE;
    DWORD error = 0;
    std::thread other([&] {
        destroyed = DestroyWindow(window);
        error = GetLastError();
    });
    other.join();
    EXPECT_FALSE(destroyed);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(IsWindow(window));
}

LRESULT CALLBACK DoublingSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, 0));
    if (message == WM_USER)
        return 2 * CallWindowProcA(original, window, message, wParam, lParam);
    return CallWindowProcA(original, window, message, wParam, lParam);
}

TEST_F(WindowTest, SubclassingReplacesTheProcedureAndChainsToTheOldOne)
{
    HWND window = MakeWindow();
    Reply() = [](HWND, UINT message, WPARAM wParam, LPARAM) -> LRESULT {
        return message == WM_USER ? static_cast<LRESULT>(wParam) : 0;
    };
    LONG_PTR original = SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DoublingSubclass));
    EXPECT_EQ(original, reinterpret_cast<LONG_PTR>(RecordingProc));
    SetWindowLongPtrA(window, 0, original);
    EXPECT_EQ(SendMessageA(window, WM_USER, 21, 0), 42);
    EXPECT_EQ(LoggedOf(WM_USER).size(), 1u) << "the original procedure still sees the message";

    SetWindowLongPtrW(window, GWLP_WNDPROC, original);
    EXPECT_EQ(SendMessageA(window, WM_USER, 21, 0), 21);
}

TEST_F(WindowTest, WindowWordsHoldPointersAndRefuseIndexesOutOfRange)
{
    HWND window = MakeWindow();
    int object = 0;
    auto pointer = reinterpret_cast<LONG_PTR>(&object);
    EXPECT_EQ(SetWindowLongPtrA(window, GWLP_USERDATA, pointer), 0);
    EXPECT_EQ(GetWindowLongPtrW(window, GWL_USERDATA), pointer);
    // The older names keep a whole pointer too, even one above 4 GiB.
    const auto high = static_cast<LONG_PTR>(0x123456789ABCll);
    EXPECT_EQ(SetWindowLongW(window, GWL_USERDATA, high), pointer);
    EXPECT_EQ(GetWindowLongA(window, GWL_USERDATA), high);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_USERDATA), high);
    SetWindowLongA(window, GWL_USERDATA, pointer);
    EXPECT_EQ(SetWindowLongPtrA(window, sizeof(LONG_PTR), pointer), 0);
    EXPECT_EQ(GetWindowLongPtrA(window, sizeof(LONG_PTR)), pointer);

    for (int index : {static_cast<int>(2 * sizeof(LONG_PTR)), 1 + static_cast<int>(sizeof(LONG_PTR)), -3, -100}) {
        SCOPED_TRACE(index);
        SetLastError(0);
        EXPECT_EQ(SetWindowLongPtrA(window, index, 1), 0);
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_INDEX));
        EXPECT_EQ(GetWindowLongPtrA(window, index), 0);
    }
    EXPECT_EQ(GetWindowLongPtrA(nullptr, GWLP_USERDATA), 0);
}

LRESULT CALLBACK WideProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(WindowTest, ClassRegistrationIsOncePerNameAndUnregistersWhenNoWindowsRemain)
{
    WNDCLASSEXW wide{};
    wide.cbSize = sizeof wide;
    wide.lpfnWndProc = WideProc;
    wide.cbWndExtra = 4;
    wide.lpszClassName = u"EngineWindow";
    ATOM atom = RegisterClassExW(&wide);
    ASSERT_GE(atom, 0xC000);
    wide.lpszClassName = u"ENGINEWINDOW";
    EXPECT_EQ(RegisterClassExW(&wide), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_ALREADY_EXISTS));

    int engine = 0;
    HWND window = CreateWindowExW(0, u"EngineWindow", nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, &engine);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_USERDATA), reinterpret_cast<LONG_PTR>(&engine));
    HWND byAtom = CreateWindowExA(0, MAKEINTATOM(atom), nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(byAtom, nullptr);

    EXPECT_FALSE(UnregisterClassW(u"EngineWindow", nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLASS_HAS_WINDOWS));
    DestroyWindow(window);
    DestroyWindow(byAtom);
    EXPECT_TRUE(UnregisterClassW(u"engineWindow", nullptr));
    EXPECT_EQ(CreateWindowExW(0, u"EngineWindow", nullptr, 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
}

}  // namespace
}  // namespace messaging_test
