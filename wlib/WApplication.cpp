#include "WApplication.h"

#include "WModelessDialog.h"

WApplication* WApplication::current_ = nullptr;

WApplication::WApplication() {
    current_ = this;
    threadId_ = GetCurrentThreadId();
}

WApplication::~WApplication() {
    if (current_ == this)
        current_ = nullptr;
}

void WApplication::Quit(int exitCode) {
    if (GetCurrentThreadId() == threadId_)
        PostQuitMessage(exitCode);
    else
        PostThreadMessageA(threadId_, WM_QUIT, static_cast<WPARAM>(exitCode), 0);
}

WPARAM WApplication::RunMessageLoop() {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0)
            return msg.wParam;
        if (got == -1)
            return 0;
        if (WModelessDialog::PreTranslateMessage(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}
