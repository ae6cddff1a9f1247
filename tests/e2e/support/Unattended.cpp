#include "e2e/support/Unattended.h"

#include <zlib.h>

#include "e2e/support/Process.h"
#include "e2e/support/ZipReader.h"
#include "support/TempFolder.h"

namespace e2e {
namespace {

using testing_support::ReadFileBytes;

void Put16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void Put32(std::string& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
uint32_t Get16(const std::string& in, size_t at) {
  return static_cast<uint8_t>(in[at]) | static_cast<uint32_t>(static_cast<uint8_t>(in[at + 1])) << 8;
}

Ran Run(const Scene& scene, const std::string& arguments, const std::string& log) {
  const std::string output = scene.Temp() + "output.txt";
  ChildProcess program;
  const Clock::time_point start = Clock::now();
  Ran ran;
  if (!program.Start(scene.Exe(), arguments, false, output)) return ran;
  if (!program.WaitExit(60000)) return ran;
  ran.ms = MillisecondsSince(start);
  ran.code = program.ExitCode();
  if (!log.empty()) {
    ran.log = ReadFileBytes(log);
    ran.logLine = LastLogLine(ran.log);
  }
  ran.output = ReadFileBytes(output);
  return ran;
}

}  // namespace

std::string LastLogLine(const std::string& log) {
  std::string text = log;
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  const size_t start = text.rfind('\n');
  const std::string line = text.substr(start == std::string::npos ? 0 : start + 1);
  return line.size() > 21 ? line.substr(21) : line;
}

Ran RunProgram(const Scene& scene, const std::string& switches) {
  const std::string log = scene.Temp() + "run.log";
  return Run(scene, switches + " \"/log=" + log + "\"", log);
}

Ran RunProgramWithout(const Scene& scene, const std::string& switches) { return Run(scene, switches, {}); }

std::string FolderSwitch(const std::string& folder) { return " \"/folder=" + folder.substr(0, folder.size() - 1) + "\""; }

std::string ArchivedTexture(const std::string& archive) {
  return ZipEntryData(ReadFileBytes(archive), "detail1.bmp").value_or(std::string());
}

std::string BackedUpTexture(const SimulatorFolder& folder) { return ArchivedTexture(folder.Backup()); }

std::string StoredZip(const std::vector<std::pair<std::string, std::string>>& entries) {
  std::string local, central;
  for (const auto& [name, data] : entries) {
    const uint32_t crc = crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
    const uint32_t offset = static_cast<uint32_t>(local.size());
    const uint32_t external = !name.empty() && name.back() == '/' ? 0x10 : 0x20;
    std::string fields;  // version needed, flags, method (stored), time, date, crc, sizes, name length
    Put16(fields, 20), Put16(fields, 0), Put16(fields, 0), Put16(fields, 0), Put16(fields, 0x21);
    Put32(fields, crc), Put32(fields, static_cast<uint32_t>(data.size())), Put32(fields, static_cast<uint32_t>(data.size()));
    Put16(fields, static_cast<uint32_t>(name.size()));
    local += "PK\x03\x04" + fields;
    Put16(local, 0);
    local += name + data;
    central += "PK\x01\x02";
    Put16(central, 20);
    central += fields;
    Put16(central, 0), Put16(central, 0), Put16(central, 0), Put16(central, 0);
    Put32(central, external), Put32(central, offset);
    central += name;
  }
  std::string end = "PK\x05\x06";
  Put16(end, 0), Put16(end, 0), Put16(end, static_cast<uint32_t>(entries.size()));
  Put16(end, static_cast<uint32_t>(entries.size()));
  Put32(end, static_cast<uint32_t>(central.size())), Put32(end, static_cast<uint32_t>(local.size())), Put16(end, 0);
  return local + central + end;
}

std::string WithDamagedEntry(std::string archive, const std::string& name) {
  const size_t at = archive.find(name);  // the first time: in the entry's local header
  if (at == std::string::npos || at < 30) return archive;
  const size_t header = at - 30;
  const size_t data = header + 30 + Get16(archive, header + 26) + Get16(archive, header + 28);
  archive[data + 100] = static_cast<char>(archive[data + 100] ^ 0x55);
  return archive;
}

}  // namespace e2e
