#pragma once
// The floating wait window "fWait" and its controller TWait. A long operation shows a bold title, a
// text line it updates as it goes and, when it can be interrupted, a Stop button; waits nest.
// Everything here runs on the user-interface thread.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/base/Gdi.h"
#include "ui/base/DpiPictures.h"
#include "ui/base/Image.h"
#include "ui/widgets/Button.h"
#include "ui/widgets/Form.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Panel.h"
#include "ui/widgets/Picture.h"

namespace ui {

inline constexpr COLORREF kSkyBlue = RGB(166, 202, 240);
inline constexpr int kWaitClientWidth = 520;
inline constexpr int kWaitClientHeight = 77;

class TfWait {
 public:
  TfWait() = default;
  ~TfWait() { form.Destroy(); }
  TfWait(const TfWait&) = delete;
  TfWait& operator=(const TfWait&) = delete;

  // Creates the window hidden and puts it where it was last left.
  bool Create(DrawingLoader hourglass);

  // True while a wait is shown, from the first Start to the last Finish.
  bool Shown() const { return shown_; }
  void SetShown(bool shown) { shown_ = shown; }
  // Whether Escape presses Stop.
  bool StopIsCancel() const { return stopIsCancel_; }
  void SetStopIsCancel(bool cancel);
  // The title, placed so that it stands vertically centred in its area.
  void SetTitle(std::string_view title);

  Form form;
  Panel Panneau;
  Picture Icone;
  Label Titre;
  Label Texte;
  Button BoutonStop;  // its tag is the stop flag: 1 once Stop was pressed

 private:
  void MDown(const MouseEvent& event, HWND control);
  void MMove(const MouseEvent& event);
  void MUp(HWND control);
  void Stop();
  void FormClose(CloseEvent& event);
  void ShowHourglass();

  DrawingLoader hourglass_;
  int DownX = 0, DownY = 0;  // where a drag started, in the pressed control's coordinates
  bool shown_ = false;
  bool stopIsCancel_ = false;
};

// One saved state of the wait window.
struct TWaitState {
  std::string Title;
  std::string Text;
  bool StopVisible = false;
  bool StopEnabled = false;
  int StopTag = 0;
};

// Drives the current wait form. From each Start until the next Finish the application's main window
// is disabled; Start, Finish, SetText and Stopped run pending messages, so the wait window can be
// dragged and Stop pressed meanwhile.
class TWait {
 public:
  // Creates a new wait form (the application keeps it) and makes it the current one.
  TWait();
  ~TWait() = default;
  TWait(const TWait&) = delete;
  TWait& operator=(const TWait&) = delete;

  // Shows "title\ttext" (see SplitWaitText); a wait already shown is saved and comes back at Finish.
  bool Start(std::string_view text, bool showStop);
  // Ends the innermost wait and gives whether Stop was pressed during it; false (with a beep) when
  // no wait is shown.
  bool Finish();
  void SetText(std::string_view text);
  // True once Stop was pressed during the current wait (a click is handled here).
  bool Stopped();
  bool Active() const;
  // True saves what the window shows; false puts the last saved state back.
  void Stack(bool push);

  // For operations that may run without a wait window: a null controller does nothing, gives false.
  static void SetText(TWait* wait, std::string_view text);
  static bool Stopped(TWait* wait);

  const std::vector<TWaitState>& Saved() const { return saved_; }

 private:
  std::vector<TWaitState> saved_;
};

// The program's controller, made on first use; it goes when its wait form is closed.
TWait* GetWait();
// The form every TWait operation acts on, or null before any was made.
TfWait* CurrentWaitForm();
// Makes a hidden wait form, kept by the application until the program ends, as the current one.
TfWait& CreateWaitForm();

// Where new wait forms take their hourglass from: by default the pictures embedded in the program as
// "HOURGLASS_BMP" and "HOURGLASS_2X_BMP"; programs without them (tests, tools) set another source.
void SetHourglassSource(DrawingLoader source);

}  // namespace ui
