#pragma once
// Failures of the zip component: one table of codes and messages, one exception class.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "files/ZipErrorTable.h"

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

// Failure codes by name.
namespace zerr {
#define PRATILO_ZIP_ENUM(name, code, text) name = code,
enum Code : int { PRATILO_ZIP_ERRORS(PRATILO_ZIP_ENUM) };
#undef PRATILO_ZIP_ENUM
}  // namespace zerr

}  // namespace files
