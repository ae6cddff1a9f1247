// zipbench: speed of the zip component against raw zlib on the same bytes, in the same process.
//   zipbench [MiB of the large file, default 200]
// For a 3 MiB BMP-like texture and a large file (half compressible, half random): MB/s of add and
// extract, the same for raw deflate at level 1 and raw inflate streamed in the component's buffer
// size, their ratio, and the process's peak working set after the component's runs.
#include <windows.h>
#include <psapi.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/Utf8.h"
#include "files/FileHandle.h"
#include "files/ZipArchiver.h"
#include "files/ZipRules.h"

namespace {

constexpr size_t kBuffer = 0x80000;  // the component's buffer at its default mode

double Now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return static_cast<double>(t.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void WriteChunks(const std::wstring& path, uint64_t size, const std::function<void(std::vector<uint8_t>&, uint64_t)>& fill) {
  files::FileHandle out = files::FileHandle::Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  std::vector<uint8_t> chunk;
  for (uint64_t at = 0; at < size; at += chunk.size()) {
    chunk.assign(static_cast<size_t>(std::min<uint64_t>(1 << 20, size - at)), 0);
    fill(chunk, at);
    out.WriteAll(chunk.data(), chunk.size());
  }
}

// A 24-bit bitmap like a grass texture: smooth colour with some per-pixel noise.
void MakeBmp(const std::wstring& path) {
  const int w = 1024, h = 1024;
  std::vector<uint8_t> file(54 + w * h * 3);
  auto put32 = [&](size_t at, uint32_t v) { for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i)); };
  file[0] = 'B', file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  file[26] = 1, file[28] = 24;
  std::mt19937 rng(7);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = &file[54 + (y * w + x) * 3];
      int n = static_cast<int>(rng() % 24);
      p[0] = static_cast<uint8_t>(30 + (x + y) % 40 + n);
      p[1] = static_cast<uint8_t>(90 + (x * 3 + y) % 60 + n);
      p[2] = static_cast<uint8_t>(40 + y % 30 + n / 2);
    }
  files::FileHandle out = files::FileHandle::Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  out.WriteAll(file.data(), file.size());
}

// Alternating 1 MiB blocks of text-like and random bytes.
void MakeMixed(const std::wstring& path, uint64_t size) {
  std::mt19937 rng(11);
  static const char* kWords[] = {"herbe ", "texture ", "detail1 ", "piste ", "FS9 ", "FSX ", "\r\n", "sol "};
  WriteChunks(path, size, [&](std::vector<uint8_t>& chunk, uint64_t at) {
    if ((at >> 20) % 2 == 0) {
      for (size_t i = 0; i < chunk.size();)
        for (const char* w = kWords[rng() % 8]; *w && i < chunk.size(); ++w) chunk[i++] = static_cast<uint8_t>(*w);
    } else {
      for (auto& b : chunk) b = static_cast<uint8_t>(rng());
    }
  });
}

struct Baseline {
  double deflateSeconds = 0, inflateSeconds = 0;
  double crcSeconds = 0;  // CRC-32 of the compressed stream, to show what the check itself costs
  size_t crcBytes = 0;
};

// Raw deflate level 1 of the file read in buffers, then raw inflate of that stream in buffers.
Baseline RawZlib(const std::wstring& path) {
  Baseline b;
  std::vector<uint8_t> in(kBuffer), out(kBuffer);
  std::vector<uint8_t> compressed;  // kept in memory for the inflate run; not part of the timing
  files::FileHandle file = files::FileHandle::Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  double start = Now();
  z_stream s{};
  deflateInit2(&s, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  for (bool last = false; !last;) {
    size_t got = 0;
    file.Read(in.data(), in.size(), got);
    last = got < in.size();
    s.next_in = in.data();
    s.avail_in = static_cast<uInt>(got);
    int rc;
    do {
      s.next_out = out.data();
      s.avail_out = static_cast<uInt>(out.size());
      rc = deflate(&s, last ? Z_FINISH : Z_NO_FLUSH);
      compressed.insert(compressed.end(), out.data(), out.data() + (out.size() - s.avail_out));
    } while (s.avail_out == 0 || (last && rc != Z_STREAM_END));
  }
  deflateEnd(&s);
  b.deflateSeconds = Now() - start;

  // The inflate run reads the stream from a file, as the component reads its archive.
  std::wstring streamPath = path + L".deflated";
  {
    files::FileHandle f = files::FileHandle::Open(streamPath, GENERIC_WRITE, 0, CREATE_ALWAYS);
    f.WriteAll(compressed.data(), compressed.size());
  }
  files::FileHandle stream = files::FileHandle::Open(streamPath, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  start = Now();
  z_stream t{};
  inflateInit2(&t, -15);
  for (bool done = false; !done;) {
    size_t got = 0;
    stream.Read(in.data(), in.size(), got);
    done = got < in.size();
    t.next_in = in.data();
    t.avail_in = static_cast<uInt>(got);
    do {
      t.next_out = out.data();
      t.avail_out = static_cast<uInt>(out.size());
      inflate(&t, Z_NO_FLUSH);
    } while (t.avail_out == 0);
  }
  inflateEnd(&t);
  b.inflateSeconds = Now() - start;
  stream.Close();
  DeleteFileW(streamPath.c_str());
  b.crcSeconds = Now();
  uint32_t crc = crc32(0, nullptr, 0);
  for (size_t at = 0; at < compressed.size(); at += kBuffer)
    crc = crc32(crc, compressed.data() + at, static_cast<uInt>(std::min(kBuffer, compressed.size() - at)));
  b.crcSeconds = Now() - b.crcSeconds + (crc == 1 ? 1e-9 : 0.0);
  b.crcBytes = compressed.size();
  return b;
}

double PeakMiB() {
  PROCESS_MEMORY_COUNTERS pmc{sizeof pmc};
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return static_cast<double>(pmc.PeakWorkingSetSize) / (1 << 20);
}

struct Run {
  double addSeconds, extractSeconds, testSeconds;
};

Run Component(const std::string& folder, const std::string& name) {
  std::string archive = folder + "\\bench.zip";
  DeleteFileW(core::Widen(archive).c_str());
  Run r{};
  double start = Now();
  {
    files::TZipBaseArchiver zip;
    zip.FileName = archive;
    zip.BaseDir = folder + "\\src";
    zip.OpenZip();
    zip.AddMatching(name);
  }
  r.addSeconds = Now() - start;
  start = Now();
  {
    files::TZipBaseArchiver zip;
    zip.FileName = archive;
    zip.BaseDir = folder + "\\out";
    zip.OpenZip();
    zip.ExtractMatching(name);
  }
  r.extractSeconds = Now() - start;
  start = Now();
  {
    files::TZipBaseArchiver zip;
    zip.FileName = archive;
    zip.OpenZip();
    zip.TestMatching(name);
  }
  r.testSeconds = Now() - start;
  return r;
}

}  // namespace

int main(int argc, char** argv) {
  uint64_t largeMiB = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::string folder = core::Narrow(std::wstring(temp) + L"zipbench-" + std::to_wstring(GetCurrentProcessId()));
  std::wstring wfolder = core::Widen(folder);
  CreateDirectoryW(wfolder.c_str(), nullptr);
  CreateDirectoryW((wfolder + L"\\src").c_str(), nullptr);
  MakeBmp(wfolder + L"\\src\\texture.bmp");
  MakeMixed(wfolder + L"\\src\\mixed.bin", largeMiB << 20);

  struct Case {
    const char* label;
    std::string name;
    int repeats;
  };
  const Case cases[] = {{"3 MiB BMP-like", "texture.bmp", 10}, {"large mixed", "mixed.bin", 1}};
  std::printf("%-16s %10s %12s %12s %10s %12s %12s %10s\n", "file", "MiB", "add MB/s", "deflate1", "ratio",
              "extract MB/s", "inflate", "ratio");
  double peakAfterComponent = 0;
  for (const auto& c : cases) {
    std::wstring path = wfolder + L"\\src\\" + core::Widen(c.name);
    WIN32_FILE_ATTRIBUTE_DATA d;
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &d);
    double mb = static_cast<double>(uint64_t(d.nFileSizeHigh) << 32 | d.nFileSizeLow) / 1e6;
    Run best{1e9, 1e9, 1e9};
    for (int i = 0; i < c.repeats; ++i) {
      Run r = Component(folder, c.name);
      best.addSeconds = std::min(best.addSeconds, r.addSeconds);
      best.extractSeconds = std::min(best.extractSeconds, r.extractSeconds);
      best.testSeconds = std::min(best.testSeconds, r.testSeconds);
    }
    peakAfterComponent = PeakMiB();
    Baseline base{1e9, 1e9};
    for (int i = 0; i < c.repeats; ++i) {
      Baseline b = RawZlib(path);
      base.deflateSeconds = std::min(base.deflateSeconds, b.deflateSeconds);
      base.inflateSeconds = std::min(base.inflateSeconds, b.inflateSeconds);
      base.crcSeconds = b.crcSeconds;
      base.crcBytes = b.crcBytes;
    }
    double add = mb / best.addSeconds, ext = mb / best.extractSeconds;
    double def = mb / base.deflateSeconds, inf = mb / base.inflateSeconds;
    std::printf("%-16s %10.1f %12.1f %12.1f %10.2f %12.1f %12.1f %10.2f\n", c.label, mb / 1.048576, add, def, add / def,
                ext, inf, ext / inf);
    std::printf("%-16s test (inflate and check, no output) %.1f MB/s, ratio %.2f; crc32 alone %.0f MB/s\n", "",
                mb / best.testSeconds, mb / best.testSeconds / inf, static_cast<double>(base.crcBytes) / 1e6 / base.crcSeconds);
  }
  std::printf("peak working set after the component's runs: %.1f MiB\n", peakAfterComponent);
  for (const wchar_t* f : {L"\\src\\texture.bmp", L"\\src\\mixed.bin", L"\\out\\texture.bmp", L"\\out\\mixed.bin", L"\\bench.zip"})
    DeleteFileW((wfolder + f).c_str());
  RemoveDirectoryW((wfolder + L"\\src").c_str());
  RemoveDirectoryW((wfolder + L"\\out").c_str());
  RemoveDirectoryW(wfolder.c_str());
  return 0;
}
