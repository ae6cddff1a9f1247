#pragma once
// The program's one way to run pending window messages between the steps of a long job.
#include <windows.h>

#include <functional>

namespace core {

// Gets the first look at each message (the forms' keyboard rules); true when it used the message.
using MessageFilter = bool (*)(MSG& msg);
void SetMessageFilter(MessageFilter filter);

// Runs every pending message of this thread. A WM_QUIT is put back for the program's own loop.
void ProcessMessages();
// Translates and dispatches one message unless the filter takes it.
void DispatchFiltered(MSG& msg);
// Waits for and runs messages while `keepGoing` holds. False when the thread was told to quit: the
// quit is put back for the program's own loop.
bool RunMessagesWhile(const std::function<bool()>& keepGoing);

}  // namespace core
