#pragma once
// Test data, hand-made archives and a quiet component for the archive tests.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "files/ZipArchiver.h"
#include "support/TempFolder.h"

namespace testing_support {

using Bytes = std::string;

// Deterministic test data: compressible text-like bytes and incompressible noise.
Bytes TextBytes(size_t size, uint32_t seed = 1);
Bytes NoiseBytes(size_t size, uint32_t seed = 1);

// Little-endian field access in archive bytes.
uint16_t U16(const Bytes& b, size_t at);
uint32_t U32(const Bytes& b, size_t at);
void PutU16(Bytes& b, size_t at, uint16_t v);
void PutU32(Bytes& b, size_t at, uint32_t v);

struct FailureRecord {
  std::string name;
  int code;
};

// A component with no dialog: failures on one file are recorded and answered with `answer`.
struct QuietZip {
  files::TZipBaseArchiver zip;
  std::vector<FailureRecord> failures;
  std::vector<double> progress;
  files::TZAAction answer = files::TZAAction::fxaAbort;
  QuietZip(const std::string& archive, const std::string& baseDir);
};

// Stored names of the entries, in directory order.
std::vector<std::string> Names(const files::TZipBaseArchiver& zip);
// Adds the files of `base` matching `mask` to `archive` with a QuietZip; gives the names afterwards.
std::vector<std::string> AddAndList(const std::string& archive, const std::string& base, const std::string& mask);
// Extracts the entries matching `mask` into `dest` with a QuietZip answering `answer`; gives the failures.
std::vector<FailureRecord> Extract(const std::string& archive, const std::string& dest, const std::string& mask,
                                   files::TZAAction answer = files::TZAAction::fxaIgnore);
// The code of the EZAException that `action` raises, or -1 when it raises none.
int ExpectFailure(const std::function<void()>& action);
// Runs `request` with a progress handler that throws (not an EZAException) at event number `failAt`,
// counting from 0, as a fault in the middle of a request would. Gives the number of events seen.
int RunFailingAt(QuietZip& q, int failAt, const std::function<void()>& request);
FILETIME WriteTime(const std::string& path);

// Builds an archive at `archive` from files {name, data} written under a scratch folder.
void MakeArchive(const std::string& archive, const std::vector<std::pair<std::string, Bytes>>& entries);

// Hand-made archives, for entries our writer would never produce.
struct RawEntry {
  std::string name;  // stored bytes
  Bytes data;        // stored as given (already deflated for method 8)
  uint16_t method = 0;
  uint16_t flags = 0;
  std::optional<uint32_t> crc = {}, size = {};  // default: CRC-32 and size of `data` (right for method 0)
  uint32_t attributes = 0x20;
};

Bytes BuildZip(const std::vector<RawEntry>& entries, const std::string& comment = {});
Bytes RawDeflate(const Bytes& data, int level = 6);
// Inflates raw deflate data of a known size; "inflate failed" when it does not end there.
Bytes Inflate(const Bytes& compressed, size_t size);
uint32_t Crc(const Bytes& data);

}  // namespace testing_support
