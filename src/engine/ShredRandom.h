// The process-wide pseudorandom generator for pass data, random names and folder numbers.
#pragma once

#include <cstddef>
#include <cstdint>

// A 32-bit linear congruential generator, seeded once from the performance counter at
// start-up. Not cryptographic: it only has to make overwritten data look like noise.
namespace shredrandom {

// One draw in 0..n-1 (0 when n is 0).
uint32_t Draw(uint32_t n);
// One draw of range 256 per byte, in index order.
void FillBytes(uint8_t* data, size_t length);

uint32_t State();
// For tests: results become exact from a known state.
void SetState(uint32_t state);

}  // namespace shredrandom
