#include "e2e/support/Figures.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <mutex>
#include <utility>
#include <vector>

#include "support/Text.h"
#include "support/Build.h"

namespace e2e {

using testing_support::BuildPath;

namespace {

std::mutex lock;
std::vector<std::pair<std::string, std::string>>& Figures() {
  static std::vector<std::pair<std::string, std::string>> figures;
  return figures;
}

std::string ProgramStem() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::string name = testing_support::Narrow(path);
  name = name.substr(name.find_last_of('\\') + 1);
  return name.substr(0, name.find_last_of('.'));
}

class PrintFigures : public ::testing::Environment {
 public:
  void TearDown() override {
    std::lock_guard guard(lock);
    if (Figures().empty()) return;
    std::string text;
    for (const auto& [name, value] : Figures()) text += name + ": " + value + "\n";
    std::printf("\nFigures of this run (measured, not checked):\n%s", text.c_str());
    std::ofstream(BuildPath("e2e-figures-" + ProgramStem() + ".txt")) << text;
  }
};

[[maybe_unused]] ::testing::Environment* const registered = ::testing::AddGlobalTestEnvironment(new PrintFigures);

}  // namespace

void RecordFigure(const std::string& name, const std::string& value) {
  std::lock_guard guard(lock);
  Figures().emplace_back(name, value);
}

void RecordMilliseconds(const std::string& name, double milliseconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%.0f ms", milliseconds);
  RecordFigure(name, text);
}

}  // namespace e2e
