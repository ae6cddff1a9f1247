#include "files/ZipError.h"

#include <array>
#include <cstdio>

namespace files {
namespace {

struct ErrorRow {
  int code;
  std::string_view text;
};

// The one table of failure codes. Codes that share a text share it on purpose (callers tell them
// apart by code); texts are the component's own, typos included.
constexpr std::string_view kIndex = "Index out of bounds";
constexpr std::string_view kBlank = "File name is blank. Specify appropriate file name";
constexpr std::string_view kNotFound = "File \"%s\" not found";
constexpr std::string_view kNotOpen = "Archive is not open";
constexpr std::string_view kCreate = "Cannot create file \"%s\"";
constexpr std::string_view kNotStarted = "Internal error. Update is not started";
constexpr std::string_view kZip64 = "Cannot compress file '%s'. Zip64 mode is not enabled";
constexpr std::string_view kOpenArchive = "Cannot open archive file. Opening aborted or invalid file";

constexpr std::array kErrors = {
    ErrorRow{0, "Unknown error"},
    ErrorRow{1, kIndex}, ErrorRow{2, kIndex}, ErrorRow{3, kIndex}, ErrorRow{4, kIndex},
    ErrorRow{5, "Invalid compression mode. Mode must be in [0-9] range"},
    ErrorRow{6, "Unexpected nil pointer"},
    ErrorRow{7, kIndex},
    ErrorRow{8, "Invalid size or check sum of file or unsupported compression format"},
    ErrorRow{9, kBlank}, ErrorRow{10, kBlank},
    ErrorRow{11, kNotFound}, ErrorRow{12, kNotFound},
    ErrorRow{13, kNotOpen}, ErrorRow{14, kNotOpen},
    ErrorRow{15, kNotFound},
    ErrorRow{16, kIndex},
    ErrorRow{17, "SFXStub property is not specified"},
    ErrorRow{18, kNotFound},
    ErrorRow{19, kCreate},
    ErrorRow{20, "Cannot create directory \"%s\""},
    ErrorRow{21, kIndex},
    ErrorRow{22, kNotStarted},
    ErrorRow{23, kCreate},
    ErrorRow{24, kIndex},
    ErrorRow{25, kNotStarted},
    ErrorRow{26, "Cannot proceed when update is not ended. Preceding EndUpdate call is required."},
    ErrorRow{27, "Cannot delete file \"%s\""},
    ErrorRow{28, "In-memory archive can be created only"},
    ErrorRow{29, kBlank},
    ErrorRow{30, kNotFound}, ErrorRow{31, kNotFound},
    ErrorRow{32, "File is open in read-only mode"},
    ErrorRow{33, "Cannot open file \"%s\""},
    ErrorRow{34, "Invalid compressed size, rfs.size = %d, count = %d"},
    ErrorRow{35, "Invalid archive file."},
    ErrorRow{36, "Cannot create output file. Probably file is locked by another process. FileName = '%s'."},
    ErrorRow{37, "Archive is open. You should close it beore performing this operation."},
    ErrorRow{38, kNotFound},
    ErrorRow{39, "Unable to create directory"},
    ErrorRow{40, "Cannot find Zip64 directory end record"},
    ErrorRow{41, kZip64},
    ErrorRow{42, kNotFound},
    ErrorRow{43, kZip64},
    ErrorRow{44, kOpenArchive}, ErrorRow{45, kOpenArchive},
    ErrorRow{46, "Write to stream error"},
    ErrorRow{47, "Cannot place SFX stub on volume. Volume size limit is too small"},
    ErrorRow{48, "Archive is damaged. Open failed"},
    ErrorRow{49, "MakeSFX is not allowed for splitted or spanned archives. Set SFXStub before archive "
                 "creation instead of MakeSFX"},
    ErrorRow{50, "Archive already has SFX stub"},
    ErrorRow{51, "Multi-volume archive is not allowed for custom stream"},
    ErrorRow{52, "Multi-spanned archive is not allowed for modification. Use BeginUpdate/EndUpdate "
                 "methods to add files several times"},
    ErrorRow{53, kNotFound}, ErrorRow{54, kNotFound},
    ErrorRow{55, "Deflate64 compression method is not supported"},
};

// Fills "%s" and "%d" holes in order; a hole without an argument stays empty.
std::string FillHoles(std::string_view text, std::string_view arg1, std::string_view arg2) {
  std::string out;
  std::string_view args[] = {arg1, arg2};
  size_t next = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == 's' || text[i + 1] == 'd')) {
      if (next < 2) out += args[next++];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

std::string_view ZipErrorTemplate(int code) {
  for (const auto& row : kErrors)
    if (row.code == code) return row.text;
  return kErrors[0].text;
}

std::string FormatZipError(int code, std::string_view componentName, std::string_view arg1,
                           std::string_view arg2) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%05d", code);
  std::string text = FillHoles(ZipErrorTemplate(code), arg1, arg2) + " - Native error: " + digits;
  if (componentName.empty()) return text;
  return std::string(componentName) + ": " + text;
}

}  // namespace files
