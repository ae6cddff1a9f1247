#pragma once
// The text of an error raised anywhere, for a message box or a log.
#include <exception>
#include <string>

namespace core {

// The error's own message; for something that is no std::exception, a bilingual "unknown error".
std::string ErrorText(std::exception_ptr error);

// The system's message for a Windows error code, without its line end; the code itself when the
// system has none.
std::string SystemErrorText(unsigned long code);

}  // namespace core
