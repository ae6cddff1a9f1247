#pragma once
// Answers message boxes of this process from a background thread, as a user would: it finds each box
// with the given title, records what it shows and presses one of its buttons.
#include <windows.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

// Watches (from its own thread) for dialogs titled `title` owned by this process and records what
// each one shows. The n-th box is answered by pressing the n-th button id of `answers`; once the
// queue is used up its last answer is given again, so a box is never left waiting.
class DialogAnswerer {
 public:
  DialogAnswerer(std::wstring title, int buttonId);
  DialogAnswerer(std::wstring title, std::vector<int> answers);
  // Runs `beforeAnswer` (on the watching thread) with the number of the box, from 0, just before
  // pressing its button: what a user does while a box is open, such as closing another program.
  DialogAnswerer(std::wstring title, std::vector<int> answers, std::function<void(size_t box)> beforeAnswer);
  ~DialogAnswerer();
  DialogAnswerer(const DialogAnswerer&) = delete;
  DialogAnswerer& operator=(const DialogAnswerer&) = delete;

  struct Seen {
    std::string text;                  // the message, UTF-8
    std::vector<std::string> buttons;  // captions from left to right
    bool hasIcon = false;
    bool questionIcon = false;
    HICON icon = nullptr;              // the system icon shown, by its shared handle
    int pressed = 0;                   // the button id given as the answer
  };
  // Stops watching and gives what was seen.
  std::vector<Seen> Finish();

 private:
  void Watch();
  std::wstring title_;
  std::vector<int> answers_;
  std::function<void(size_t)> beforeAnswer_;
  std::atomic<bool> stop_{false};
  std::vector<Seen> seen_;
  std::thread thread_;
};

}  // namespace testing_support
