#include "support/ZipFixtures.h"

#include <windows.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include <zlib.h>

#include "core/Utf8.h"
#include "files/ZipRecords.h"

namespace testing_support {

Bytes TextBytes(size_t size, uint32_t seed) {
  static const char* kWords[] = {"herbe ", "texture ", "detail1 ", "piste ", "FS9 ", "FSX ", "\r\n", "sol "};
  std::mt19937 rng(seed);
  Bytes out;
  out.reserve(size + 16);
  while (out.size() < size) out += kWords[rng() % 8];
  out.resize(size);
  return out;
}

Bytes NoiseBytes(size_t size, uint32_t seed) {
  std::mt19937 rng(seed);
  Bytes out(size, '\0');
  for (auto& c : out) c = static_cast<char>(rng());
  return out;
}

uint16_t U16(const Bytes& b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}
uint32_t U32(const Bytes& b, size_t at) { return U16(b, at) | static_cast<uint32_t>(U16(b, at + 2)) << 16; }
void PutU16(Bytes& b, size_t at, uint16_t v) {
  b[at] = static_cast<char>(v);
  b[at + 1] = static_cast<char>(v >> 8);
}
void PutU32(Bytes& b, size_t at, uint32_t v) {
  PutU16(b, at, static_cast<uint16_t>(v));
  PutU16(b, at + 2, static_cast<uint16_t>(v >> 16));
}

QuietZip::QuietZip(const std::string& archive, const std::string& baseDir) {
  zip.FileName = archive;
  zip.BaseDir = baseDir;
  zip.OnProcessFileFailure = [this](files::TZipBaseArchiver&, const std::string& name, files::TZAProcessOperation,
                                    const files::EZAException& failure) {
    failures.push_back({name, failure.code()});
    return failures.size() > 20 ? files::TZAAction::fxaAbort : answer;
  };
  zip.OnOverallProgress = [this](files::TZipBaseArchiver&, double p, files::TZAProcessOperation,
                                 files::TZAProgressPhase, bool&) { progress.push_back(p); };
}

std::vector<std::string> Names(const files::TZipBaseArchiver& zip) {
  std::vector<std::string> out;
  for (const auto& item : zip.Items()) out.push_back(item.name);
  return out;
}

std::vector<std::string> AddAndList(const std::string& archive, const std::string& base, const std::string& mask) {
  QuietZip q(archive, base);
  q.zip.OpenZip();
  q.zip.AddMatching(mask);
  return Names(q.zip);
}

std::vector<FailureRecord> Extract(const std::string& archive, const std::string& dest, const std::string& mask,
                                   files::TZAAction answer) {
  QuietZip q(archive, dest);
  q.answer = answer;
  q.zip.OpenZip();
  q.zip.ExtractMatching(mask);
  return q.failures;
}

int ExpectFailure(const std::function<void()>& action) {
  try {
    action();
  } catch (const files::EZAException& e) {
    return e.code();
  }
  return -1;
}

namespace {
struct InjectedFault : std::runtime_error {
  InjectedFault() : std::runtime_error("injected fault") {}
};
}  // namespace

int RunFailingAt(QuietZip& q, int failAt, const std::function<void()>& request) {
  int seen = 0;
  q.zip.OnOverallProgress = [&](files::TZipBaseArchiver&, double, files::TZAProcessOperation,
                                files::TZAProgressPhase, bool&) {
    if (seen++ == failAt) throw InjectedFault();
  };
  try {
    request();
  } catch (const InjectedFault&) {
  }
  return seen;
}

FILETIME WriteTime(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA d{};
  GetFileAttributesExW(core::Widen(path).c_str(), GetFileExInfoStandard, &d);
  return d.ftLastWriteTime;
}

void MakeArchive(const std::string& archive, const std::vector<std::pair<std::string, Bytes>>& entries) {
  TempFolder scratch("scratch");
  for (const auto& [name, data] : entries) {
    std::string path = scratch / name;
    std::replace(path.begin(), path.end(), '/', '\\');
    WriteFileBytes(path, data);
  }
  files::TZipBaseArchiver zip;
  zip.FileName = archive;
  zip.BaseDir = scratch.path();
  zip.OpenZip();
  zip.AddMatching("*");
  zip.CloseZip();
}

Bytes BuildZip(const std::vector<RawEntry>& entries, const std::string& comment) {
  namespace z = files::zip;
  Bytes out, directory;
  for (const auto& e : entries) {
    uint32_t crc = e.crc.value_or(Crc(e.data));
    uint32_t size = e.size.value_or(static_cast<uint32_t>(e.data.size()));
    z::LocalHeader l{20, e.flags, e.method, 0x6000, 0x5921, crc, static_cast<uint32_t>(e.data.size()), size,
                     static_cast<uint16_t>(e.name.size()), 0};
    z::CentralHeader c{20, 20, e.flags, e.method, 0x6000, 0x5921, crc, static_cast<uint32_t>(e.data.size()), size,
                       static_cast<uint16_t>(e.name.size()), 0, 0, 0, 0, e.attributes,
                       static_cast<uint32_t>(out.size())};
    auto lb = z::EncodeLocalHeader(l);
    auto cb = z::EncodeCentralHeader(c);
    out.append(reinterpret_cast<const char*>(lb.data()), lb.size());
    out += e.name;
    out += e.data;
    directory.append(reinterpret_cast<const char*>(cb.data()), cb.size());
    directory += e.name;
  }
  z::EndRecord end{0, 0, static_cast<uint16_t>(entries.size()), static_cast<uint16_t>(entries.size()),
                   static_cast<uint32_t>(directory.size()), static_cast<uint32_t>(out.size()),
                   static_cast<uint16_t>(comment.size())};
  auto eb = z::EncodeEndRecord(end);
  out += directory;
  out.append(reinterpret_cast<const char*>(eb.data()), eb.size());
  return out + comment;
}

Bytes RawDeflate(const Bytes& data, int level) {
  z_stream s{};
  deflateInit2(&s, level, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  Bytes out(deflateBound(&s, static_cast<uLong>(data.size())), '\0');
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  s.avail_in = static_cast<uInt>(data.size());
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(out.size());
  deflate(&s, Z_FINISH);
  out.resize(s.total_out);
  deflateEnd(&s);
  return out;
}

Bytes Inflate(const Bytes& compressed, size_t size) {
  Bytes out(size, '\xA5');
  z_stream s{};
  inflateInit2(&s, -15);
  s.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  s.avail_in = static_cast<uInt>(compressed.size());
  s.next_out = reinterpret_cast<Bytef*>(out.data());
  s.avail_out = static_cast<uInt>(out.size());
  const int rc = inflate(&s, Z_FINISH);
  inflateEnd(&s);
  return rc == Z_STREAM_END ? out : Bytes("inflate failed");
}

uint32_t Crc(const Bytes& data) {
  return crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
}

}  // namespace testing_support
