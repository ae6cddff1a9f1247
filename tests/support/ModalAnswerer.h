#pragma once
// Answers the next modal box of this process from a background thread, as a user would:
// it waits for the box, records its caption and text, and presses the chosen button.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>

namespace testing_support {

class ModalAnswerer {
 public:
  // buttonId: IDOK, IDYES, IDABORT, ... (the control id of the button to press)
  explicit ModalAnswerer(int buttonId, DWORD timeoutMs = 10000);
  ~ModalAnswerer();
  ModalAnswerer(const ModalAnswerer&) = delete;
  ModalAnswerer& operator=(const ModalAnswerer&) = delete;

  // Waits for the answering thread; true when a box was found and answered.
  bool Wait();
  std::wstring caption() const { return caption_; }
  std::wstring text() const { return text_; }  // the box's static text
  std::wstring buttons() const { return buttons_; }  // captions of its buttons, in window order, '|'-separated
  bool hadQuestionIcon() const { return questionIcon_; }

 private:
  void Run(int buttonId, DWORD timeoutMs);
  std::thread thread_;
  std::atomic<bool> answered_{false};
  std::wstring caption_, text_, buttons_;
  bool questionIcon_ = false;
  DWORD processId_ = GetCurrentProcessId();
};

}  // namespace testing_support
