// How a window of the program answers the requests to end from outside
// (win32/port/EndMessages.h): a close request ends the program after its
// sender has its answer, the session's end is agreed to without a word and
// ends the program only when it really comes.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "win32/port/EndMessages.h"

namespace vantrel::win32 {
namespace {

struct Answering {
    std::vector<EndCause> ends;
    // Set by the sender once its SendMessage returned, before the program
    // has ended.
    HANDLE senderAnswered = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
    bool answeredBeforeTheEnd = false;
};
Answering* g_answering = nullptr;

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const EndRequest end = [](EndCause cause) {
        g_answering->ends.push_back(cause);
        if (cause == EndCause::CloseRequest)
            g_answering->answeredBeforeTheEnd =
                ::WaitForSingleObject(g_answering->senderAnswered, 3000) == WAIT_OBJECT_0;
    };
    LRESULT result = 0;
    if (AnswerEndMessage(message, wParam, end, result)) return result;
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

TEST(EndMessages, CloseAnswersItsSenderFirstAndTheSessionEndsOnlyWhenItComes) {
    Answering answering;
    g_answering = &answering;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &Procedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"EndMessagesTest";
    ::RegisterClassW(&windowClass);
    HWND window = ::CreateWindowExW(0, L"EndMessagesTest", L"", WS_POPUP, 0, 0, 10, 10, HWND_MESSAGE,
                                    nullptr, windowClass.hInstance, nullptr);
    ASSERT_TRUE(window);

    // Asked whether the session may end: yes, and nothing ends yet.
    EXPECT_EQ(::SendMessageW(window, WM_QUERYENDSESSION, 0, ENDSESSION_CLOSEAPP), TRUE);
    // The end called off: nothing happens.
    EXPECT_EQ(::SendMessageW(window, WM_ENDSESSION, FALSE, 0), 0);
    EXPECT_TRUE(answering.ends.empty());
    EXPECT_EQ(::SendMessageW(window, WM_ENDSESSION, TRUE, 0), 0);
    EXPECT_EQ(answering.ends, std::vector<EndCause>{EndCause::SessionEnd});

    // A close sent from another thread (as from another program): its
    // sender is answered before the program ends.
    answering.ends.clear();
    std::thread sender([&] {
        ::SendMessageW(window, WM_CLOSE, 0, 0);
        ::SetEvent(answering.senderAnswered);
    });
    for (DWORD start = ::GetTickCount(); answering.ends.empty() && ::GetTickCount() - start < 5000;) {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT | QS_SENDMESSAGE);
    }
    sender.join();
    EXPECT_EQ(answering.ends, std::vector<EndCause>{EndCause::CloseRequest});
    EXPECT_TRUE(answering.answeredBeforeTheEnd);
    ::DestroyWindow(window);
    ::CloseHandle(answering.senderAnswered);
    g_answering = nullptr;
}

}  // namespace
}  // namespace vantrel::win32
