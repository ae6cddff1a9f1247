#include "app/wizard/Artwork.h"

#include <windows.h>

#include <fstream>
#include <sstream>

#include "core/FolderNames.h"
#include "core/Utf8.h"
#include "ui/base/DpiPictures.h"

namespace app {

std::string ResourceNameFor(std::string_view fileName) {
  std::string name;
  for (char c : fileName) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    name += (c == '.' || c == '/' || c == '\\') ? '_' : c;
  }
  return name;
}

ArtworkSource ArtworkFromResources(HMODULE module) {
  return [module](std::string_view fileName) -> std::optional<std::string> {
    std::wstring name = core::Widen(ResourceNameFor(fileName));
    HRSRC found = FindResourceW(module, name.c_str(), RT_RCDATA);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return std::nullopt;
    return std::string(static_cast<const char*>(data), SizeofResource(module, found));
  };
}

ArtworkSource ArtworkFromFolder(std::string folder) {
  folder = core::AddBackslash(folder);
  return [folder](std::string_view fileName) -> std::optional<std::string> {
    std::ifstream in(core::Widen(folder + std::string(fileName)).c_str(), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  };
}

ui::Image LoadPicture(const ArtworkSource& source, std::string_view fileName) {
  std::optional<std::string> bytes = source ? source(fileName) : std::nullopt;
  if (!bytes) return {};
  bool jpeg = fileName.size() >= 4 && fileName.substr(fileName.size() - 4) == ".jpg";
  std::optional<ui::Image> image = jpeg ? ui::DecodeJpeg(*bytes) : ui::DecodeBmp(*bytes);
  return image ? std::move(*image) : ui::Image{};
}

ui::Image LoadPictureFor(const ArtworkSource& source, std::string_view fileName, int dpi) {
  return ui::PictureForDpi(
      [&](int scale) { return LoadPicture(source, scale == 2 ? ui::DoubleSizeName(fileName) : std::string(fileName)); },
      dpi);
}

}  // namespace app
