#pragma once
// The real Pratilo.exe started with switches, to its end: its exit code, its log and what it wrote
// to the starter's output.
#include <windows.h>

#include <string>
#include <vector>

#include "e2e/support/Scene.h"

namespace e2e {

struct Ran {
  DWORD code = STILL_ACTIVE;
  std::string log;      // the whole log
  std::string logLine;  // its last line, without its time
  std::string output;   // what went to the starter's output
  double ms = 0;
};

// The log's last line without the time it starts with ("2026-12-08 18:40:12  ").
std::string LastLogLine(const std::string& log);

// Runs the program with the switches to its end, its log and output in the scene's folder.
Ran RunProgram(const Scene& scene, const std::string& switches);
// The same with the switches as they stand: no log of the scene's.
Ran RunProgramWithout(const Scene& scene, const std::string& switches);

// A folder as a switch value: without its last backslash, which would escape the closing quote.
std::string FolderSwitch(const std::string& folder);

// The texture saved in the folder's backup; empty when there is none.
std::string BackedUpTexture(const SimulatorFolder& folder);
// The texture kept in an archive ("detail1.bmp"), read with the tests' own reader.
std::string ArchivedTexture(const std::string& archive);

// A ZIP archive of stored entries, written by the tests themselves: names ending in "/" are folders.
std::string StoredZip(const std::vector<std::pair<std::string, std::string>>& entries);

// The archive's bytes with one byte of the named entry's data changed, so that it fails its CRC.
std::string WithDamagedEntry(std::string archive, const std::string& name);

}  // namespace e2e
