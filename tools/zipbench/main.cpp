// zipbench: speed of the zip component against raw zlib on the same bytes, in the same process.
//   zipbench [MiB of the large file, default 200; 0: none]
// For a 3 MiB and a 24 MiB BMP-like texture and a large file (half compressible, half random): MB/s of
// add and extract; the same for raw deflate at level 1 and raw inflate streamed in the component's
// buffer size, into memory and into a file flushed to the disk; the ratios; and the process's peak
// working set after the component's runs. (zipbench --warm MiB is its own helper: see WarmMemory.)
#include <windows.h>
#include <psapi.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "common/Clock.h"
#include "core/Utf8.h"
#include "files/Crc32.h"
#include "files/FileHandle.h"
#include "files/ZipArchiver.h"
#include "files/ZipRules.h"
#include "setup/Survey.h"

namespace {

constexpr size_t kBuffer = 0x80000;  // the component's buffer at its default mode

void WriteChunks(const std::wstring& path, uint64_t size, const std::function<void(std::vector<uint8_t>&, uint64_t)>& fill) {
  files::FileHandle out = files::FileHandle::Open(path, GENERIC_WRITE, 0, CREATE_ALWAYS);
  std::vector<uint8_t> chunk;
  for (uint64_t at = 0; at < size; at += chunk.size()) {
    chunk.assign(static_cast<size_t>(std::min<uint64_t>(1 << 20, size - at)), 0);
    fill(chunk, at);
    out.WriteAll(chunk.data(), chunk.size());
  }
}

// A 24-bit bitmap like a grass texture: smooth colour with some per-pixel noise. 4096 x 2048 is the
// size of the largest original texture a simulator brings (24 MiB).
void MakeBmp(const std::wstring& path, int w, int h) {
  std::vector<uint8_t> file(54 + static_cast<size_t>(w) * h * 3);
  auto put32 = [&](size_t at, uint32_t v) { for (int i = 0; i < 4; ++i) file[at + i] = static_cast<uint8_t>(v >> (8 * i)); };
  file[0] = 'B', file[1] = 'M';
  put32(2, static_cast<uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  file[26] = 1, file[28] = 24;
  std::mt19937 rng(7);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* p = &file[54 + (static_cast<size_t>(y) * w + x) * 3];
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
  double deflateSeconds = 1e9, inflateSeconds = 1e9;
  // The same with the output written to a file and flushed to the disk: what a durable copy costs.
  double durableDeflateSeconds = 1e9, durableInflateSeconds = 1e9;
};

// The raw runs' input and output buffers, made in the timed span, as the component makes its own.
struct RawBuffers {
  std::unique_ptr<uint8_t[]> in{new uint8_t[kBuffer]}, out{new uint8_t[kBuffer]};
};

// Raw deflate level 1 of the file read in buffers; the output is dropped, or written to a file that
// is flushed at the end. Timed from the opening of the input, as the component's runs are.
double RawDeflate(const std::wstring& path, const std::wstring& outPath) {
  const double start = bench::NowSeconds();
  const RawBuffers b;
  files::FileHandle file = files::FileHandle::Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  files::FileHandle sink;
  if (!outPath.empty()) sink = files::FileHandle::Open(outPath, GENERIC_WRITE, 0, CREATE_ALWAYS);
  z_stream s{};
  deflateInit2(&s, 1, Z_DEFLATED, -15, 8, Z_DEFAULT_STRATEGY);
  for (bool last = false; !last;) {
    size_t got = 0;
    file.Read(b.in.get(), kBuffer, got);
    last = got < kBuffer;
    s.next_in = b.in.get();
    s.avail_in = static_cast<uInt>(got);
    int rc;
    do {
      s.next_out = b.out.get();
      s.avail_out = static_cast<uInt>(kBuffer);
      rc = deflate(&s, last ? Z_FINISH : Z_NO_FLUSH);
      const size_t produced = kBuffer - s.avail_out;
      if (sink.Valid()) sink.WriteAll(b.out.get(), produced);
    } while (s.avail_out == 0 || (last && rc != Z_STREAM_END));
  }
  deflateEnd(&s);
  if (sink.Valid()) {
    sink.Flush();
    sink.Close();
  }
  return bench::NowSeconds() - start;
}

// Raw inflate of a stream read from a file in buffers, as the component reads its archive; the output
// is dropped, or written to a file that is flushed at the end. Timed from the opening of the input.
double RawInflate(const std::wstring& streamPath, const std::wstring& outPath) {
  const double start = bench::NowSeconds();
  const RawBuffers b;
  files::FileHandle stream = files::FileHandle::Open(streamPath, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  files::FileHandle sink;
  if (!outPath.empty()) sink = files::FileHandle::Open(outPath, GENERIC_WRITE, 0, CREATE_ALWAYS);
  z_stream t{};
  inflateInit2(&t, -15);
  for (bool done = false; !done;) {
    size_t got = 0;
    stream.Read(b.in.get(), kBuffer, got);
    done = got < kBuffer;
    t.next_in = b.in.get();
    t.avail_in = static_cast<uInt>(got);
    do {
      t.next_out = b.out.get();
      t.avail_out = static_cast<uInt>(kBuffer);
      inflate(&t, Z_NO_FLUSH);
      if (sink.Valid()) sink.WriteAll(b.out.get(), kBuffer - t.avail_out);
    } while (t.avail_out == 0);
  }
  inflateEnd(&t);
  if (sink.Valid()) {
    sink.Flush();
    sink.Close();
  }
  return bench::NowSeconds() - start;
}

// The file's raw deflate stream, written once to a file of its own for the inflate runs. The raw runs
// leave their output where the component's runs leave theirs: the durable deflate writes a new file
// each round, as each add makes a new archive, and the durable inflate replaces what the previous
// round wrote, as each extraction replaces the file extracted before.
struct RawStream {
  std::wstring streamPath, packedPath, outPath;
  double crcSeconds = 0;  // the component's CRC-32 of the compressed stream, to show what the check costs
  size_t crcBytes = 0;
};

// Kept in a file, not in memory, so that the working set measured stays the component's.
RawStream PrepareRawStream(const std::wstring& path) {
  RawStream r{path + L".deflated", path + L".packed", path + L".out"};
  RawDeflate(path, r.streamPath);
  files::FileHandle stream = files::FileHandle::Open(r.streamPath, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
  std::vector<uint8_t> chunk(kBuffer);
  uint32_t crc = 0;
  for (size_t got = kBuffer; got == kBuffer;) {
    stream.Read(chunk.data(), chunk.size(), got);
    const double start = bench::NowSeconds();
    crc = files::Crc32(crc, chunk.data(), got);
    r.crcSeconds += bench::NowSeconds() - start;
    r.crcBytes += got;
  }
  r.crcSeconds += crc == 1 ? 1e-9 : 0.0;  // the result is used, so the calls cannot be left out
  return r;
}

void RemoveRawStream(const RawStream& r) {
  for (const std::wstring* file : {&r.streamPath, &r.packedPath, &r.outPath}) DeleteFileW(file->c_str());
}

// The fastest of `repeats` raw inflates of the file's stream into memory.
double RawInflateSeconds(const std::wstring& path, int repeats) {
  const RawStream r = PrepareRawStream(path);
  double best = 1e9;
  for (int i = 0; i < repeats; ++i) best = std::min(best, RawInflate(r.streamPath, {}));
  RemoveRawStream(r);
  return best;
}

double PeakMiB() {
  PROCESS_MEMORY_COUNTERS pmc{sizeof pmc};
  GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
  return static_cast<double>(pmc.PeakWorkingSetSize) / (1 << 20);
}

struct Run {
  double addSeconds = 1e9, extractSeconds = 1e9, testSeconds = 1e9;
};

double Timed(const std::string& archive, const std::string& baseDir, const std::string& name,
             files::TZAProcessOperation operation) {
  const double start = bench::NowSeconds();
  files::TZipBaseArchiver zip;
  zip.FileName = archive;
  zip.BaseDir = baseDir;
  zip.OpenZip();
  if (operation == files::TZAProcessOperation::poAdd) zip.AddMatching(name);
  if (operation == files::TZAProcessOperation::poExtract) zip.ExtractMatching(name);
  if (operation == files::TZAProcessOperation::poTest) zip.TestMatching(name);
  return bench::NowSeconds() - start;
}

// A virtual machine may give its memory back to the host while it lies free; the first touch of such
// a page then costs about a millisecond per MiB. A run writing a new file while the old one still
// holds its pages (the component's temporary) meets that cost, one rewriting its own file does not.
// A child process touches and frees `mib` MiB before each timed run, so that both sides find the
// free memory at hand, and the peak working set measured stays the component's.
void WarmMemory(uint64_t mib) {
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring command = L"\"" + std::wstring(self) + L"\" --warm " + std::to_wstring(mib);
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

int TouchMemory(uint64_t mib) {
  const size_t size = static_cast<size_t>(mib) << 20;
  auto* p = static_cast<volatile uint8_t*>(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  if (!p) return 1;
  for (size_t at = 0; at < size; at += 4096) p[at] = 1;
  VirtualFree(const_cast<uint8_t*>(p), 0, MEM_RELEASE);
  return 0;
}

// Writes and flushes a byte, which commits the file system's journal: what earlier runs left pending
// (the freeing of a replaced file's blocks) is not counted in the next one.
void Settle(const std::string& folder) {
  files::FileHandle f = files::FileHandle::Open(core::Widen(folder + "\\settle"), GENERIC_WRITE, 0, CREATE_ALWAYS);
  f.WriteAll("s", 1);
  f.Flush();
}

// One round: each of the component's runs right before the raw runs it is compared with, so that a
// slower spell of the machine weighs on both sides of a ratio alike, each run on a settled disk.
// Each time is kept when it is the fastest so far.
void Round(const std::string& folder, const std::string& name, uint64_t warmMiB, const RawStream& raw, Run& best,
           Baseline& base) {
  const std::string archive = folder + "\\bench.zip";
  const std::wstring source = core::Widen(folder + "\\src\\" + name);
  auto fastest = [&](double& kept, auto run) {
    WarmMemory(warmMiB);
    Settle(folder);
    kept = std::min(kept, run());
  };
  DeleteFileW(core::Widen(archive).c_str());
  DeleteFileW(raw.packedPath.c_str());
  fastest(best.addSeconds, [&] { return Timed(archive, folder + "\\src", name, files::TZAProcessOperation::poAdd); });
  fastest(base.durableDeflateSeconds, [&] { return RawDeflate(source, raw.packedPath); });
  fastest(base.deflateSeconds, [&] { return RawDeflate(source, {}); });
  fastest(best.extractSeconds, [&] { return Timed(archive, folder + "\\out", name, files::TZAProcessOperation::poExtract); });
  fastest(base.durableInflateSeconds, [&] { return RawInflate(raw.streamPath, raw.outPath); });
  fastest(base.inflateSeconds, [&] { return RawInflate(raw.streamPath, {}); });
  fastest(best.testSeconds, [&] { return Timed(archive, {}, name, files::TZAProcessOperation::poTest); });
}

void AddAs(const std::string& archive, const std::string& folder, const std::string& name) {
  files::TZipBaseArchiver zip;
  zip.FileName = archive;
  zip.BaseDir = folder;
  zip.OpenZip();
  zip.AddMatching(name);
}

// The survey the summary page makes of a main folder whose backup holds the 24 MiB original, with
// the 3 MiB texture in place: the fastest of five, in seconds.
double SurveySeconds(const std::string& folder) {
  const std::string main = folder + "\\main\\", saved = folder + "\\saved\\";
  for (const std::string& sub : {main, main + "Scenery\\", main + "Scenery\\World\\", main + "Scenery\\World\\Texture\\", saved})
    CreateDirectoryW(core::Widen(sub).c_str(), nullptr);
  files::FileHandle::Open(core::Widen(main + "FSX.exe"), GENERIC_WRITE, 0, CREATE_ALWAYS);
  CopyFileW(core::Widen(folder + "\\src\\original.bmp").c_str(), core::Widen(saved + "detail1.bmp").c_str(), FALSE);
  AddAs(main + "Pratilo_Original_Tex.zip", saved, "detail1.bmp");
  CopyFileW(core::Widen(folder + "\\src\\texture.bmp").c_str(),
            core::Widen(main + "Scenery\\World\\Texture\\detail1.bmp").c_str(), FALSE);
  AddAs(folder + "\\payload.zip", folder + "\\src", "texture.bmp");
  const setup::SimulatorFiles files{main, folder + "\\payload.zip"};
  double best = 1e9;
  for (int i = 0; i < 5; ++i) {
    const double start = bench::NowSeconds();
    const setup::Survey survey = setup::SurveyFolder(files, setup::Simulator::FSX);
    best = std::min(best, bench::NowSeconds() - start + (survey.saved ? 0.0 : 1e9));
  }
  for (const std::string& file : {main + "FSX.exe", main + "Pratilo_Original_Tex.zip", saved + "detail1.bmp",
                                  main + "Scenery\\World\\Texture\\detail1.bmp", folder + "\\payload.zip"})
    DeleteFileW(core::Widen(file).c_str());
  for (const std::string& sub : {main + "Scenery\\World\\Texture\\", main + "Scenery\\World\\", main + "Scenery\\", main, saved})
    RemoveDirectoryW(core::Widen(sub).c_str());
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "--warm") return TouchMemory(std::strtoull(argv[2], nullptr, 10));
  uint64_t largeMiB = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 200;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::string folder = core::Narrow(std::wstring(temp) + L"zipbench-" + std::to_wstring(GetCurrentProcessId()));
  std::wstring wfolder = core::Widen(folder);
  CreateDirectoryW(wfolder.c_str(), nullptr);
  CreateDirectoryW((wfolder + L"\\src").c_str(), nullptr);
  MakeBmp(wfolder + L"\\src\\texture.bmp", 1024, 1024);
  MakeBmp(wfolder + L"\\src\\original.bmp", 4096, 2048);
  if (largeMiB > 0) MakeMixed(wfolder + L"\\src\\mixed.bin", largeMiB << 20);

  struct Case {
    const char* label;
    std::string name;
    int repeats;
  };
  std::vector<Case> cases{{"3 MiB texture", "texture.bmp", 30}, {"24 MiB original", "original.bmp", 8}};
  if (largeMiB > 0) cases.push_back({"large mixed", "mixed.bin", 5});
  std::printf("MB/s of the component's runs and of raw zlib on the same bytes; \"durable\": output written and flushed\n");
  std::printf("%-16s %6s | %8s %8s %6s %8s %6s | %8s %8s %6s %8s %6s\n", "file", "MiB", "add", "deflate1", "ratio",
              "durable", "ratio", "extract", "inflate", "ratio", "durable", "ratio");
  double peakAfterComponent = 0;
  for (const auto& c : cases) {
    std::wstring path = wfolder + L"\\src\\" + core::Widen(c.name);
    WIN32_FILE_ATTRIBUTE_DATA d;
    GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &d);
    double mb = static_cast<double>(uint64_t(d.nFileSizeHigh) << 32 | d.nFileSizeLow) / 1e6;
    Run best;
    Baseline base;
    const RawStream stream = PrepareRawStream(path);
    // A dozen times the file: more than one round's runs write, so that none of them runs short.
    const uint64_t warmMiB = std::max<uint64_t>(64, static_cast<uint64_t>(mb * 12));
    // A first round, not counted, leaves each output in place: every counted extraction and durable
    // inflate then replaces a file, as extracting over the old texture does. Counted, the first
    // round's cheaper writes into empty places would be the fastest of either side by chance.
    Run uncounted;
    Baseline uncountedBase;
    Round(folder, c.name, warmMiB, stream, uncounted, uncountedBase);
    for (int i = 0; i < c.repeats; ++i) {
      Round(folder, c.name, warmMiB, stream, best, base);
      peakAfterComponent = std::max(peakAfterComponent, PeakMiB());
    }
    RemoveRawStream(stream);
    const double add = mb / best.addSeconds, ext = mb / best.extractSeconds;
    const double def = mb / base.deflateSeconds, inf = mb / base.inflateSeconds;
    const double durDef = mb / base.durableDeflateSeconds, durInf = mb / base.durableInflateSeconds;
    std::printf("%-16s %6.1f | %8.1f %8.1f %6.2f %8.1f %6.2f | %8.1f %8.1f %6.2f %8.1f %6.2f\n", c.label, mb / 1.048576,
                add, def, add / def, durDef, add / durDef, ext, inf, ext / inf, durInf, ext / durInf);
    std::printf("%-16s test (inflate and check, no output) %.1f MB/s, ratio %.2f; crc32 alone %.0f MB/s\n", "",
                mb / best.testSeconds, mb / best.testSeconds / inf, static_cast<double>(stream.crcBytes) / 1e6 / stream.crcSeconds);
  }
  std::printf("peak working set after the component's runs: %.1f MiB\n", peakAfterComponent);
  const double survey = SurveySeconds(folder);
  const double originalInflate = RawInflateSeconds(wfolder + L"\\src\\original.bmp", 3);
  std::printf("survey of a main folder (24 MiB original saved, 3 MiB texture in place): %.0f ms, "
              "%.2f x the inflate of the original into memory\n",
              survey * 1000, survey / originalInflate);
  for (const auto& c : cases)
    for (const wchar_t* sub : {L"\\src\\", L"\\out\\"}) DeleteFileW((wfolder + sub + core::Widen(c.name)).c_str());
  DeleteFileW((wfolder + L"\\bench.zip").c_str());
  DeleteFileW((wfolder + L"\\settle").c_str());
  RemoveDirectoryW((wfolder + L"\\src").c_str());
  RemoveDirectoryW((wfolder + L"\\out").c_str());
  RemoveDirectoryW(wfolder.c_str());
  return 0;
}
