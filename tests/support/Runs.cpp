#include "support/Runs.h"

namespace testing_support {

RunTest::RunTest()
    : WizardTest([this](app::TfMain::Options& options) {
        options.halt = [this] { ++halts_; };
        options.payloadArchive = MakePayload(Temp().path());
      }) {}

RunTest::~RunTest() = default;

std::string RunTest::MakeSimulator(const std::string& name, const char* marker) const {
  return MakeSimulatorFolder(Temp().path(), name, marker);
}

}  // namespace testing_support
