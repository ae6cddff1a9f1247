// artgen: writes the wizard's pictures, glyphs and payload textures into the given folder.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "Artwork.h"
#include "OutputPath.h"

namespace {

bool WriteBytes(const std::filesystem::path& path, const artgen::Bytes& data) {
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
  out.close();
  return out.good();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: artgen OUTPUT_FOLDER\n", stderr);
    return 2;
  }
  const std::filesystem::path folder(artgen::ToWindowsPath(argv[1]));
  try {
    const auto files = artgen::MakeArtwork();
    for (const auto& file : files) {
      std::filesystem::path target = folder / std::filesystem::path(file.name).make_preferred();
      if (!WriteBytes(target, file.data)) {
        std::fprintf(stderr, "artgen: cannot write %ls\n", target.c_str());
        return 1;
      }
    }
    std::printf("artgen: %zu files written\n", files.size());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artgen: %s\n", e.what());
    return 1;
  }
  return 0;
}
