#include "support/Wizard.h"

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "ArtworkFiles.h"
#include "app/wizard/Credits.h"
#include "core/Environment.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "support/Bitmaps.h"
#include "support/Gui.h"
#include "support/RegistryFixture.h"
#include "ui/base/Image.h"

namespace testing_support {

namespace {

ui::Image Filled(int width, int height, uint8_t shade) {
  ui::Image image{width, height, std::vector<uint8_t>(static_cast<size_t>(width) * height * 4)};
  for (size_t i = 0; i < image.bgra.size(); i += 4) {
    image.bgra[i] = shade;
    image.bgra[i + 1] = static_cast<uint8_t>(255 - shade);
    image.bgra[i + 2] = static_cast<uint8_t>((i / 4) % width);
    image.bgra[i + 3] = 255;
  }
  return image;
}

const bool environmentReady = (InitTestEnvironment(), true);

}  // namespace

void WriteStandInArtwork(const std::string& folder) {
  uint8_t shade = 40;
  for (const auto& file : artwork_files::kFiles) {
    if (!file.embedded) continue;
    const ui::Image picture = Filled(file.width, file.height, shade += 40);
    const std::string name = file.name;
    WriteFileBytes(folder + name, name.ends_with(".jpg") ? ui::EncodeJpeg(picture, 90) : EncodeBmp(picture));
  }
}



WizardTest::WizardTest() : WizardTest([](app::TfMain::Options&) {}) {}

WizardTest::WizardTest(const std::function<void(app::TfMain::Options&)>& adjust) {
  ClearSettings();
  CreateDirectoryW(core::Widen(temp_.path() + "art").c_str(), nullptr);
  WriteStandInArtwork(temp_.path() + "art\\");
  window_ = std::make_unique<app::TfMain>();
  app::TfMain::Options options{.artwork = app::ArtworkFromFolder(temp_.path() + "art")};
  adjust(options);
  EXPECT_TRUE(window_->Create(options));
  window_->Show();
}

WizardTest::~WizardTest() {
  window_.reset();
  ClearSettings();
}

void WizardTest::MakeEveryPage() {
  for (ui::Page* page : {&w().ts0, &w().ts1, &w().ts2, &w().ts4, &w().ts6, &w().ts7}) w().MakePage(*page);
}

void WizardTest::ChangeDpi(int dpi) {
  RECT suggested{10, 10, 20, 20};
  SendMessageW(w().Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  Pump();
}

std::string WizardTest::MakeFolder(const std::string& name, std::initializer_list<const char*> files) const {
  std::string folder = temp_.path() + name + "\\";
  CreateDirectoryW(core::Widen(folder).c_str(), nullptr);
  for (const char* file : files) WriteFileBytes(temp_ / (name + "\\" + file), "x");
  return folder;
}

void WizardTest::Click(HWND control) {
  SendMessageW(control, BM_CLICK, 0, 0);
  Pump();
}

int WizardTest::MailAddressAt(const ui::RichText& text) {
  std::wstring shown = core::Widen(text.PlainText());
  for (size_t at; (at = shown.find(L"\r\n")) != std::wstring::npos;) shown.erase(at, 1);  // a break counts once
  const size_t at = shown.find(core::Widen(app::kContactAddress));
  return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

void WizardTest::WalkToSummary(ui::RadioButton& simulator, int variant, int resolution) {
  Click(simulator.Handle());
  Click(w().s0.Handle());
  if (w().cb1.Visible()) Click(w().cb1.Handle());
  Click(w().s1.Handle());
  w().rg2v.SetSelectedIndex(variant);
  w().Clic(w().rg2v);
  Click(w().s2.Handle());
  if (w().pc.ActivePage() == &w().ts4) {
    w().rg4q.SetSelectedIndex(resolution);
    w().Clic(w().rg4q);
    Click(w().s4.Handle());
  }
  ASSERT_EQ(w().pc.ActivePage(), &w().ts6);
  ASSERT_TRUE(w().s6.Enabled());
}

}  // namespace testing_support
