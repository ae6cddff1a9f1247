// The real Pratilo.exe worked with the keyboard alone, as a user without a mouse works it: every key
// goes to the control that has the keyboard, and each step waits for what the key does.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "e2e/support/Scene.h"
#include "e2e/support/Wizard.h"
#include "support/TempFolder.h"

namespace e2e {
namespace {

using testing_support::ReadFileBytes;

TEST(KeyboardEndToEnd, AnInstallationFromTheFirstPageToTheEndWithTheKeysAlone) {
  Scene scene;
  const SimulatorFolder& fsx = scene.Folder(Sim::FSX);
  const std::string entry = PayloadEntry("T3_256.bmp");
  ASSERT_FALSE(entry.empty());
  Wizard w;
  const Captions& t = w.Texts();
  ASSERT_TRUE(w.Start(scene.Exe()));
  ASSERT_TRUE(w.WaitForPage(Page::Presentation));
  HWND window = w.Window();
  auto press = [&](WPARAM key, HWND expectedFocus) {
    PressKey(window, key);
    return WaitUntil([&] { return FocusOf(window) == expectedFocus; }, 5000);
  };
  auto pressUntil = [&](WPARAM key, const std::function<bool()>& done) {
    PressKey(window, key);
    return WaitUntil(done, 5000);
  };

  // The first page opens on the simulator choice; the arrows and Space choose.
  HWND fs9 = w.Button(RadioCaption(Sim::FS9)), fsxButton = w.Button(RadioCaption(Sim::FSX));
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == fs9 || FocusOf(window) == fsxButton; }, 5000))
      << "the first page does not open on the simulator choice";
  if (FocusOf(window) != fsxButton) {
    ASSERT_TRUE(press(VK_RIGHT, fsxButton));
  }
  if (!IsChecked(fsxButton)) {
    ASSERT_TRUE(pressUntil(VK_SPACE, [&] { return IsChecked(fsxButton); }));
  }
  PressKey(window, VK_RETURN);
  ASSERT_TRUE(w.WaitForPage(Page::Licence));

  // The licence: its text first, then "I agree", ticked with Space; Enter is Next.
  HWND agree = w.Button(t.agree);
  ASSERT_NE(agree, nullptr) << w.Describe();
  ASSERT_TRUE(press(VK_TAB, agree)) << "Tab does not leave the licence text";
  ASSERT_TRUE(pressUntil(VK_SPACE, [&] { return IsChecked(agree); }));
  PressKey(window, VK_RETURN);
  ASSERT_TRUE(w.WaitForPage(Page::Variant));

  // Each choice: the page opens on the chosen item, the arrows choose another one.
  for (const auto& [page, items] : {std::pair{Page::Variant, std::vector<const char*>{t.variants[0], t.variants[1],
                                                                                      t.variants[2]}},
                                    {Page::Resolution, {kResolutions[0], kResolutions[1], kResolutions[2]}}}) {
    SCOPED_TRACE(PageName(page));
    ASSERT_TRUE(w.WaitForPage(page));
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == w.Button(items[0]); }, 5000)) << w.Describe();
    for (size_t i = 1; i < items.size(); ++i) ASSERT_TRUE(press(VK_RIGHT, w.Button(items[i])));
    EXPECT_TRUE(IsChecked(w.Button(items.back())));
    PressKey(window, VK_RETURN);
  }

  // The summary opens on the folder field; Install is three stops further, pressed with Space.
  ASSERT_TRUE(w.WaitForPage(Page::Summary));
  ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == w.FolderField(); }, 5000));
  for (int stop = 0; stop < 3; ++stop) {
    HWND before = FocusOf(window);
    ASSERT_TRUE(pressUntil(VK_TAB, [&] { return FocusOf(window) != before; }));
  }
  ASSERT_TRUE(WaitUntil([&] { return TextOf(FocusOf(window)) == t.install; }, 5000))
      << "three Tabs from the folder field reach " << TextOf(FocusOf(window));
  PressKey(window, VK_SPACE);
  ASSERT_TRUE(WaitUntil([&] { return w.Button(t.ok) != nullptr; }, 60000)) << w.Describe();

  // Enter is Ok: the program ends, with the chosen texture in place.
  PressKey(window, VK_RETURN);
  ASSERT_TRUE(WaitUntil([&] { return !w.Process().Running(); }, 10000)) << w.Describe();
  EXPECT_TRUE(ReadFileBytes(fsx.Texture()) == entry) << "detail1.bmp is not the payload's T3_256.bmp";
}

}  // namespace
}  // namespace e2e
