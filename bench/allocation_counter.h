// SPDX-License-Identifier: MIT
// Counts the heap allocations of the program it is linked into: it
// replaces the global operator new, so every allocation passes through it.
#pragma once

#include <cstdint>

namespace vx::bench {

// Allocations made through operator new since the program started.
uint64_t allocationsSoFar();

}  // namespace vx::bench
