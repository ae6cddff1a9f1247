// ziptool: the zip component from the command line, for scripts, tests and benchmarks.
//   ziptool add ARCHIVE BASEDIR MASK | extract ARCHIVE DESTDIR MASK | list ARCHIVE | test ARCHIVE
// Exit 0 on success, 1 on a failure of the component (its message on stderr), 2 on a usage error.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/Utf8.h"
#include "files/ZipArchiver.h"

namespace {

constexpr char kUsage[] =
    "usage: ziptool add ARCHIVE BASEDIR MASK\n"
    "       ziptool extract ARCHIVE DESTDIR MASK\n"
    "       ziptool list ARCHIVE\n"
    "       ziptool test ARCHIVE\n";

struct Run {
  files::TZipBaseArchiver zip;
  bool fileFailed = false;
  int lastPercent = -1;

  explicit Run(const std::string& archive, const std::string& baseDir) {
    zip.FileName = archive;
    zip.BaseDir = baseDir;
    zip.OnOverallProgress = [this](files::TZipBaseArchiver&, double progress, files::TZAProcessOperation,
                                   files::TZAProgressPhase, bool&) {
      int percent = static_cast<int>(progress + 0.5);
      if (percent != lastPercent) std::fprintf(stderr, " %d %%\n", percent);
      lastPercent = percent;
    };
    // No dialog from a command line: report the file and end the request.
    zip.OnProcessFileFailure = [this](files::TZipBaseArchiver&, const std::string& name,
                                      files::TZAProcessOperation, const files::EZAException& failure) {
      std::fprintf(stderr, "%s: %s\n", name.c_str(), failure.what());
      fileFailed = true;
      return files::TZAAction::fxaAbort;
    };
  }
};

void List(const files::TZipBaseArchiver& zip) {
  std::printf("name\tsize\tcompressed\tmethod\tcrc\tattributes\ttime\n");
  for (const auto& item : zip.Items()) {
    const auto& h = item.header;
    std::printf("%s\t%u\t%u\t%u\t%08x\t%08x\t%04d-%02d-%02d %02d:%02d:%02d\n", item.name.c_str(), h.size,
                h.compressedSize, h.method, h.crc, h.externalAttributes, 1980 + (h.date >> 9), (h.date >> 5) & 15,
                h.date & 31, h.time >> 11, (h.time >> 5) & 63, (h.time & 31) * 2);
  }
}

int Main(const std::vector<std::string>& args) {
  if (args.size() < 2) return std::fputs(kUsage, stderr), 2;
  const std::string& command = args[0];
  bool threeArgs = command == "add" || command == "extract";
  bool oneArg = command == "list" || command == "test";
  if (!(threeArgs && args.size() == 4) && !(oneArg && args.size() == 2)) return std::fputs(kUsage, stderr), 2;

  Run run(args[1], threeArgs ? args[2] : std::string());
  try {
    if (command != "add" && GetFileAttributesW(core::Widen(args[1]).c_str()) == INVALID_FILE_ATTRIBUTES)
      throw files::EZAException(files::zerr::FileNotFound, {}, args[1]);
    run.zip.OpenZip();
    if (command == "add") run.zip.AddMatching(args[3]);
    else if (command == "extract") run.zip.ExtractMatching(args[3]);
    else if (command == "test") run.zip.TestMatching("*");
    else List(run.zip);
    run.zip.CloseZip();
  } catch (const files::EZAException& failure) {
    std::fprintf(stderr, "%s\n", failure.what());
    return 1;
  }
  return run.fileFailed ? 1 : 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(core::Narrow(argv[i]));
  return Main(args);
}
