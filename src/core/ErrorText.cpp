#include "core/ErrorText.h"

namespace core {

std::string ErrorText(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Erreur inconnue / Unknown error";
  }
}

}  // namespace core
