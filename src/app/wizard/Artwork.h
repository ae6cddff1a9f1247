#pragma once
// Where the program's pictures come from: resources embedded in the program, or a folder of files
// (the generator's output, used by tests and tools).
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/base/Image.h"

namespace app {

// Gives the bytes of an artwork file by its file name ("banner.jpg"), or none.
using ArtworkSource = std::function<std::optional<std::string>(std::string_view fileName)>;

// Resource name of an embedded file: upper case, dots as underscores ("BANNER_JPG").
std::string ResourceNameFor(std::string_view fileName);

ArtworkSource ArtworkFromResources(HMODULE module = nullptr);
ArtworkSource ArtworkFromFolder(std::string folder);  // UTF-8, with or without trailing backslash

// Decodes a .jpg or .bmp by its name; an empty image when it is missing or unreadable.
ui::Image LoadPicture(const ArtworkSource& source, std::string_view fileName);
// The picture for a window's DPI, from the drawing at design size or the one at twice it.
ui::Image LoadPictureFor(const ArtworkSource& source, std::string_view fileName, int dpi);

}  // namespace app
