#include "files/Crc32.h"

#include <cpuid.h>
#include <immintrin.h>
#include <zlib.h>

namespace files {
namespace {

bool HasCarryLessMultiply() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d)) return false;
  return (c & bit_PCLMUL) && (c & bit_SSE4_1);
}

// The 512-bit form of the instruction, and a system that keeps the 512-bit registers across switches.
bool HasWideCarryLessMultiply() {
  unsigned a = 0, b = 0, c = 0, d = 0;
  if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & bit_OSXSAVE)) return false;
  unsigned low = 0, high = 0;
  __asm__("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  constexpr unsigned kZmmState = 0xE6;  // SSE, AVX, opmask and both halves of the upper registers
  if ((low & kZmmState) != kZmmState) return false;
  if (!__get_cpuid_count(7, 0, &a, &b, &c, &d)) return false;
  return (b & bit_AVX512F) && (c & bit_VPCLMULQDQ);
}

__attribute__((target("pclmul,sse4.1"))) inline __m128i load(const uint8_t* at) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

// The lane x carried 128 bits further by the constant pair k, and the next 16 bytes added.
__attribute__((target("pclmul,sse4.1"))) inline __m128i fold(__m128i x, __m128i k, __m128i next) {
  return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x11), _mm_clmulepi64_si128(x, k, 0x00)), next);
}

// Constant pairs {x^(d+32), x^(d-32)} mod P, bit-reflected and shifted by one, that carry a lane d
// bits further, for the reflected polynomial 0xEDB88320.
alignas(16) constexpr uint64_t k1k2[] = {0x0154442bd4, 0x01c6e41596};  // d = 512
alignas(16) constexpr uint64_t k3k4[] = {0x01751997d0, 0x00ccaa009e};  // d = 128
alignas(16) constexpr uint64_t kWide[] = {0x011542778a, 0x01322d1430};  // d = 2048

// Each 128-bit part of x carried by its constant pair, and the next 64 bytes added.
__attribute__((target("avx512f,vpclmulqdq"))) inline __m512i fold512(__m512i x, __m512i k, __m512i next) {
  return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(x, k, 0x11), _mm512_clmulepi64_epi128(x, k, 0x00), next,
                                   0x96);  // a ^ b ^ c
}

// The first 256-byte blocks folded four 64-byte lanes at a time, then into one lane: the state of
// four 128-bit lanes the narrow folding goes on from. Gives the number of bytes used; n >= 256.
__attribute__((target("avx512f,vpclmulqdq"))) size_t WideFold(uint32_t crc, const uint8_t* p, size_t n, __m128i lanes[4]) {
  const __m512i k4 = _mm512_broadcast_i32x4(_mm_load_si128(reinterpret_cast<const __m128i*>(kWide)));
  const __m512i k1 = _mm512_broadcast_i32x4(_mm_load_si128(reinterpret_cast<const __m128i*>(k1k2)));
  const __m512i first = _mm512_set_epi32(0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, static_cast<int>(crc));
  __m512i a = _mm512_xor_si512(_mm512_loadu_si512(p), first);
  __m512i b = _mm512_loadu_si512(p + 64), c = _mm512_loadu_si512(p + 128), d = _mm512_loadu_si512(p + 192);
  size_t used = 256;
  for (; n - used >= 256; used += 256) {
    a = fold512(a, k4, _mm512_loadu_si512(p + used));
    b = fold512(b, k4, _mm512_loadu_si512(p + used + 64));
    c = fold512(c, k4, _mm512_loadu_si512(p + used + 128));
    d = fold512(d, k4, _mm512_loadu_si512(p + used + 192));
  }
  a = fold512(fold512(fold512(a, k1, b), k1, c), k1, d);
  _mm512_storeu_si512(lanes, a);
  return used;
}

// Folds 64 bytes at a time into four 128-bit lanes (after the wide folding, where the processor has
// it), then into one, then reduces it to 32 bits (Barrett). Takes and gives the CRC inverted, as the
// register holds it; n is a multiple of 16, at least 64.
__attribute__((target("pclmul,sse4.1"))) uint32_t FoldedCrc(uint32_t crc, const uint8_t* p, size_t n, bool wide) {
  alignas(16) static const uint64_t k5k0[] = {0x0163cd6124, 0x0000000000};
  alignas(16) static const uint64_t poly[] = {0x01db710641, 0x01f7011641};

  __m128i lanes[4];
  if (wide && n >= 256) {
    const size_t used = WideFold(crc, p, n, lanes);
    p += used;
    n -= used;
  } else {
    lanes[0] = _mm_xor_si128(load(p), _mm_cvtsi32_si128(static_cast<int>(crc)));
    for (int i = 1; i < 4; ++i) lanes[i] = load(p + 16 * i);
    p += 64;
    n -= 64;
  }
  __m128i x1 = lanes[0], x2 = lanes[1], x3 = lanes[2], x4 = lanes[3];
  __m128i k = _mm_load_si128(reinterpret_cast<const __m128i*>(k1k2));
  for (; n >= 64; p += 64, n -= 64) {
    x1 = fold(x1, k, load(p));
    x2 = fold(x2, k, load(p + 16));
    x3 = fold(x3, k, load(p + 32));
    x4 = fold(x4, k, load(p + 48));
  }
  k = _mm_load_si128(reinterpret_cast<const __m128i*>(k3k4));
  x1 = fold(x1, k, x2);
  x1 = fold(x1, k, x3);
  x1 = fold(x1, k, x4);
  for (; n >= 16; p += 16, n -= 16) x1 = fold(x1, k, load(p));

  // 128 bits to 64.
  const __m128i low32 = _mm_setr_epi32(~0, 0, ~0, 0);
  __m128i x = _mm_xor_si128(_mm_srli_si128(x1, 8), _mm_clmulepi64_si128(x1, k, 0x10));
  // 64 to 32.
  k = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(k5k0));
  x = _mm_xor_si128(_mm_clmulepi64_si128(_mm_and_si128(x, low32), k, 0x00), _mm_srli_si128(x, 4));
  // Barrett reduction.
  k = _mm_load_si128(reinterpret_cast<const __m128i*>(poly));
  __m128i t = _mm_clmulepi64_si128(_mm_and_si128(x, low32), k, 0x10);
  t = _mm_clmulepi64_si128(_mm_and_si128(t, low32), k, 0x00);
  return static_cast<uint32_t>(_mm_extract_epi32(_mm_xor_si128(x, t), 1));
}

}  // namespace

uint32_t Crc32(uint32_t crc, const uint8_t* data, size_t n) {
  static const bool folded = HasCarryLessMultiply();
  static const bool wide = folded && HasWideCarryLessMultiply();
  if (folded && n >= 64) {
    const size_t whole = n & ~size_t{15};
    crc = ~FoldedCrc(~crc, data, whole, wide);
    data += whole;
    n -= whole;
  }
  // What is left (under 16 bytes), and everything on processors without the instruction.
  return n == 0 ? crc : static_cast<uint32_t>(crc32_z(crc, data, n));
}

}  // namespace files
