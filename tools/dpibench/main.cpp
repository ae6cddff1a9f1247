// dpibench: how long the wizard takes to follow a change of DPI (the window moving to a monitor of
// another scale), step by step 96 -> 144 -> 192 -> 96, until it is painted again; beside the same
// steps for the wizard without its pictures, which is the time of laying out the controls alone.
//   dpibench [rounds, default 5]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/wizard/TfMain.h"
#include "common/Clock.h"
#include "core/Environment.h"
#include "ui/dialogs/Application.h"

namespace {

constexpr int kSteps[] = {144, 192, 96};

// Milliseconds of one change of DPI, from the system's message to the last paint it caused.
double ChangeDpi(app::TfMain& wizard, int dpi) {
  RECT now;
  GetWindowRect(wizard.Handle(), &now);
  const int from = wizard.form.Dpi();
  RECT suggested{now.left, now.top, now.left + MulDiv(now.right - now.left, dpi, from),
                 now.top + MulDiv(now.bottom - now.top, dpi, from)};
  const double start = bench::NowMs();
  SendMessageW(wizard.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  RedrawWindow(wizard.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  ui::App().ProcessMessages();
  return bench::NowMs() - start;
}

// The fastest of the rounds for each step: what the program itself costs, without the machine's noise.
std::vector<double> BestSteps(const app::ArtworkSource& artwork, int rounds) {
  app::TfMain wizard;
  if (!wizard.Create({.artwork = artwork})) {
    std::fprintf(stderr, "dpibench: the wizard window could not be made\n");
    std::exit(1);
  }
  wizard.Show();
  ui::App().ProcessMessages();
  std::vector<double> best(std::size(kSteps), 1e9);
  for (int round = 0; round < rounds; ++round)
    for (size_t i = 0; i < std::size(kSteps); ++i) best[i] = std::min(best[i], ChangeDpi(wizard, kSteps[i]));
  return best;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 5;
  core::InitEnvironment();
  ui::App().Initialize();
  const std::vector<double> wizard = BestSteps(app::ArtworkFromResources(), rounds);
  const std::vector<double> bare = BestSteps(nullptr, rounds);
  std::printf("change of DPI until painted, best of %d rounds (ms)\n", rounds);
  std::printf("%-10s %10s %16s %8s\n", "step", "wizard", "without pictures", "ratio");
  int from = 96;
  for (size_t i = 0; i < std::size(kSteps); ++i) {
    std::printf("%3d -> %-3d %10.1f %16.1f %8.2f\n", from, kSteps[i], wizard[i], bare[i], wizard[i] / bare[i]);
    from = kSteps[i];
  }
  core::DoneEnvironment();
  return 0;
}
