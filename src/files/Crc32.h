#pragma once
// The zip format's CRC-32, as zlib's crc32() computes it, with carry-less multiplication on processors
// that have it (512 bits at a time where they can): the check of every byte extracted or added then
// costs a fraction of zlib's own loop.
#include <cstddef>
#include <cstdint>

namespace files {

// Continues `crc` (0 to start) over n bytes.
uint32_t Crc32(uint32_t crc, const uint8_t* data, size_t n);

}  // namespace files
