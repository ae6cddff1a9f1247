#pragma once
// Failures of the zip component: one table of codes and messages, one exception class.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace files {

// Message of a failure code with its "%s" / "%d" holes still in place; code 0's text for unknown codes.
std::string_view ZipErrorTemplate(int code);

// The full text: the template filled with args, " - Native error: " and the code as five digits,
// and "<componentName>: " in front when the component has a name.
std::string FormatZipError(int code, std::string_view componentName = {}, std::string_view arg1 = {},
                           std::string_view arg2 = {});

class EZAException : public std::runtime_error {
 public:
  EZAException(int code, std::string_view componentName = {}, std::string_view arg1 = {},
               std::string_view arg2 = {})
      : std::runtime_error(FormatZipError(code, componentName, arg1, arg2)), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

// Codes used by name in the component's code.
namespace zerr {
inline constexpr int Unknown = 0, InvalidMode = 5, CorruptedEntry = 8, BlankFileName = 9, FileNotFound = 11,
                     NotOpen = 13, CannotCreateFile = 19, CannotCreateDir = 20, UpdateNotStarted = 22,
                     UpdateNotEnded = 26, InMemoryOnly = 28, ReadOnlyArchive = 32, CannotOpenFile = 33,
                     InvalidArchive = 35, CannotCreateOutput = 36, NoZip64End = 40, Zip64CompressedSize = 41,
                     Zip64FileSize = 43, CannotOpenArchive = 44, WriteError = 46, Damaged = 48,
                     MultiVolume = 51, Deflate64 = 55;
}

}  // namespace files
