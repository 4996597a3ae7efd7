// The process-wide pseudorandom generator.
#include "engine/ShredRandom.h"

#include <windows.h>

namespace shredrandom {

namespace {

uint32_t InitialSeed() {
  LARGE_INTEGER counter{};
  if (::QueryPerformanceCounter(&counter)) return static_cast<uint32_t>(counter.QuadPart);
  return ::GetTickCount();
}

uint32_t g_state = InitialSeed();

inline uint32_t Step() {
  g_state = g_state * 134775813u + 1u;
  return g_state;
}

}  // namespace

uint32_t Draw(uint32_t n) { return static_cast<uint32_t>((uint64_t{Step()} * n) >> 32); }

void FillBytes(uint8_t* data, size_t length) {
  uint32_t s = g_state;
  for (size_t i = 0; i < length; ++i) {
    s = s * 134775813u + 1u;
    data[i] = static_cast<uint8_t>(s >> 24);
  }
  g_state = s;
}

uint32_t State() { return g_state; }
void SetState(uint32_t state) { g_state = state; }

}  // namespace shredrandom
