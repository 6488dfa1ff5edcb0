#pragma once
// Polling with a time limit: the installer runs in another process, so every state the tests
// look for is waited for, never assumed to be there already.
#include <windows.h>

namespace e2e {

// Calls `ready` every `interval` ms until it returns a value that converts to true, or until
// `timeoutMs` have passed; returns the last value it got (false-ish on time-out).
template <class Ready> auto PollFor(DWORD timeoutMs, Ready ready, DWORD interval = 20) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        auto value = ready();
        if (value || GetTickCount64() >= deadline)
            return value;
        Sleep(interval);
    }
}

// Generous limits: a Wine process start costs one to three seconds on these machines.
constexpr DWORD kStartTimeoutMs = 15000;
constexpr DWORD kActionTimeoutMs = 5000;
// How long "nothing happens" is watched for.
constexpr DWORD kQuietMs = 700;

} // namespace e2e
