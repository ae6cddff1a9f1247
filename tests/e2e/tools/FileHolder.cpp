// FileHolder PATH EVENT: opens PATH for reading, letting other processes only read it, signals the
// named event EVENT, and keeps the file open until the process is ended.
// Exit code 1: the file could not be opened; 2: wrong arguments.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) return 2;
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  if (HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2])) SetEvent(ready);
  // A holder whose test forgot it gives up after ten minutes.
  Sleep(600000);
  CloseHandle(file);
  return 0;
}
