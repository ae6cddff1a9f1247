#pragma once
// Answers message boxes of this process from a background thread, as a user would: it finds each box
// with the given title, records what it shows and presses one of its buttons.
#include <windows.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// Watches (from its own thread) for a dialog titled `title` owned by this process; answers every
// one that appears by pressing the button with the given id, and records what it saw.
class DialogAnswerer {
 public:
  DialogAnswerer(std::wstring title, int buttonId);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  struct Seen {
    std::string text;                  // the message, UTF-8
    std::vector<std::string> buttons;  // captions from left to right
    bool hasIcon = false;
    bool questionIcon = false;
  };
  // Stops watching and gives what was seen.
  std::vector<Seen> Finish();

 private:
  void Watch();
  std::wstring title_;
  int buttonId_;
  std::atomic<bool> stop_{false};
  std::vector<Seen> seen_;
  std::thread thread_;
};

}  // namespace testing_support
