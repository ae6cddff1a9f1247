#pragma once
// The two simulators the texture is made for.

namespace setup {

enum class Simulator { None, FS9, FSX };

}  // namespace setup
