#include "ZipTestSupport.h"

#include <windows.h>

#include <algorithm>
#include <random>

#include <zlib.h>

#include "core/Utf8.h"
#include "files/ZipRecords.h"

namespace ztest {
namespace {

std::wstring W(const std::string& s) { return core::Widen(s); }

void CreateParents(const std::wstring& path) {
  for (size_t cut = path.find(L'\\', 3); cut != std::wstring::npos; cut = path.find(L'\\', cut + 1))
    CreateDirectoryW(path.substr(0, cut).c_str(), nullptr);
}

void ListInto(const std::wstring& folder, const std::string& prefix, std::vector<std::string>& out) {
  WIN32_FIND_DATAW d;
  HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &d);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = d.cFileName;
    if (name == L"." || name == L"..") continue;
    std::string rel = prefix + core::Narrow(name);
    if (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      out.push_back(rel + "/");
      ListInto(folder + L"\\" + name, rel + "/", out);
    } else {
      out.push_back(rel);
    }
  } while (FindNextFileW(h, &d));
  FindClose(h);
}

}  // namespace

TempDir::TempDir() {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  static unsigned counter = 0;
  for (;;) {
    wchar_t name[64];
    swprintf(name, 64, L"ziptest-%lu-%u", GetCurrentProcessId(), ++counter);
    std::wstring path = std::wstring(temp) + name;
    if (CreateDirectoryW(path.c_str(), nullptr)) {
      path_ = core::Narrow(path);
      return;
    }
  }
}

TempDir::~TempDir() { RemoveTree(path_); }

std::string TempDir::operator/(const std::string& relative) const { return path_ + "\\" + relative; }

void WriteFile(const std::string& path, const Bytes& data) {
  std::wstring w = W(path);
  SetFileAttributesW(w.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE h = CreateFileW(w.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_PATH_NOT_FOUND) {
    CreateParents(w);
    h = CreateFileW(w.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  }
  if (h == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  if (!data.empty()) ::WriteFile(h, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
  CloseHandle(h);
}

Bytes ReadFile(const std::string& path) {
  HANDLE h = CreateFileW(W(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  LARGE_INTEGER size;
  GetFileSizeEx(h, &size);
  Bytes out(static_cast<size_t>(size.QuadPart), '\0');
  DWORD got = 0;
  if (!out.empty()) ::ReadFile(h, out.data(), static_cast<DWORD>(out.size()), &got, nullptr);
  CloseHandle(h);
  out.resize(got);
  return out;
}

bool Exists(const std::string& path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }
uint32_t Attributes(const std::string& path) { return GetFileAttributesW(W(path).c_str()); }
void SetAttributes(const std::string& path, uint32_t attributes) { SetFileAttributesW(W(path).c_str(), attributes); }

std::vector<std::string> ListTree(const std::string& folder) {
  std::vector<std::string> out;
  ListInto(W(folder), "", out);
  std::sort(out.begin(), out.end());
  return out;
}

void RemoveTree(const std::string& path) {
  std::wstring w = W(path);
  DWORD a = GetFileAttributesW(w.c_str());
  if (a == INVALID_FILE_ATTRIBUTES) return;
  SetFileAttributesW(w.c_str(), (a & FILE_ATTRIBUTE_DIRECTORY) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL);
  if (a & FILE_ATTRIBUTE_DIRECTORY) {
    std::vector<std::string> children;
    WIN32_FIND_DATAW d;
    HANDLE h = FindFirstFileW((w + L"\\*").c_str(), &d);
    if (h != INVALID_HANDLE_VALUE) {
      do {
        std::wstring name = d.cFileName;
        if (name != L"." && name != L"..") children.push_back(path + "\\" + core::Narrow(name));
      } while (FindNextFileW(h, &d));
      FindClose(h);
    }
    for (const auto& c : children) RemoveTree(c);
    RemoveDirectoryW(w.c_str());
  } else {
    DeleteFileW(w.c_str());
  }
}

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

void MakeArchive(const std::string& archive, const std::vector<std::pair<std::string, Bytes>>& entries) {
  TempDir scratch;
  for (const auto& [name, data] : entries) {
    std::string path = scratch / name;
    std::replace(path.begin(), path.end(), '/', '\\');
    WriteFile(path, data);
  }
  files::TZipBaseArchiver zip;
  zip.FileName = archive;
  zip.BaseDir = scratch.Path();
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

uint32_t Crc(const Bytes& data) {
  return crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
}

}  // namespace ztest
