// SPDX-License-Identifier: MIT
#include "bench/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<uint64_t> allocations{0};

}  // namespace

// The array forms call these two; aligned allocations (which the receive
// path never makes) go around them uncounted.
void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* memory = std::malloc(size == 0 ? 1 : size)) return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

namespace vx::bench {

uint64_t allocationsSoFar() { return allocations.load(std::memory_order_relaxed); }

}  // namespace vx::bench
