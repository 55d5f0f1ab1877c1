#pragma once
// Long work beside a window: the work runs on a thread of its own while the
// calling thread goes on handling its messages, so its windows keep
// answering and painting.

#include <windows.h>

#include <functional>

// Runs the work on a new thread and handles this thread's messages until it
// has ended; each message passes the filter first (as in the program's loop)
// and is dispatched unless the filter handled it. The messages that arrived
// while the work ran are all handled before the return. What the work raised
// is raised here; a WM_QUIT seen meanwhile is posted again afterwards.
// Raises EZelkError when no thread can be started.
void RunBesideMessages(const std::function<void()>& work,
                       const std::function<bool(const MSG&)>& filter);
