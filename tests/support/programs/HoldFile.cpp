// hold_file FILE NAME MILLISECONDS
// Holds FILE open the way a running simulator holds its textures: it reads, and others may only read
// (no writing, renaming or deleting). Sets the event "NAME.held" once the file is open, and lets go
// when "NAME.release" is set or after MILLISECONDS, so that a failed test never leaves it behind.
// Exit code: 0 released or timed out, 1 the file could not be opened, 2 wrong arguments.
#include <windows.h>

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) return 2;
  const std::wstring name = argv[2];
  const DWORD milliseconds = static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10));
  HANDLE held = CreateEventW(nullptr, TRUE, FALSE, (name + L".held").c_str());
  HANDLE release = CreateEventW(nullptr, TRUE, FALSE, (name + L".release").c_str());
  if (!held || !release) return 2;
  HANDLE file = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  SetEvent(held);
  WaitForSingleObject(release, milliseconds);
  CloseHandle(file);
  return 0;
}
