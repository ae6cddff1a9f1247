#include "support/Wizard.h"

#include <windows.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "ArtworkFiles.h"
#include "core/Environment.h"
#include "core/Settings.h"
#include "core/Utf8.h"
#include "support/Bitmaps.h"
#include "support/Gui.h"
#include "ui/Image.h"

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

bool environmentReady = [] {
  core::InitEnvironment();
  return true;
}();

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

void ClearSettings() { RegDeleteTreeW(HKEY_CURRENT_USER, core::Widen(core::SettingsKeyPath().substr(1)).c_str()); }

std::string StoredSetting(const char* name) {
  std::wstring key = core::Widen(core::SettingsKeyPath().substr(1));
  HKEY handle = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ | KEY_WOW64_32KEY, &handle) != ERROR_SUCCESS)
    return "<missing>";
  wchar_t data[512]{};
  DWORD size = sizeof data - sizeof(wchar_t);
  DWORD type = 0;
  LONG status = RegQueryValueExW(handle, core::Widen(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(handle);
  if (status != ERROR_SUCCESS || type != REG_SZ) return "<missing>";
  return core::Narrow(data);
}

WizardTest::WizardTest() {
  ClearSettings();
  CreateDirectoryW(core::Widen(temp_.path() + "art").c_str(), nullptr);
  WriteStandInArtwork(temp_.path() + "art\\");
  window_ = std::make_unique<app::TfMain>();
  EXPECT_TRUE(window_->Create({.artwork = app::ArtworkFromFolder(temp_.path() + "art")}));
  window_->Show();
}

WizardTest::~WizardTest() {
  window_.reset();
  ClearSettings();
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

}  // namespace testing_support
