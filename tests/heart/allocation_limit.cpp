// The test program's own operator new and delete, over malloc and free, so that a test can make
// a large request fail where the program really allocates.
#include "tests/heart/allocation_limit.h"

#include <cstdlib>
#include <limits>
#include <new>

namespace kestrune::testing {
namespace {

std::size_t failFrom = std::numeric_limits<std::size_t>::max();

}  // namespace

AllocationLimit::AllocationLimit(std::size_t failFromBytes) { failFrom = failFromBytes; }

AllocationLimit::~AllocationLimit() { failFrom = std::numeric_limits<std::size_t>::max(); }

}  // namespace kestrune::testing

// Every ordinary form is replaced, so that each allocation is paired with its own release.
namespace {

void* Allocate(std::size_t bytes) {
  if (bytes >= kestrune::testing::failFrom) return nullptr;
  return std::malloc(bytes ? bytes : 1);
}

void* AllocateOrThrow(std::size_t bytes) {
  if (void* memory = Allocate(bytes)) return memory;
  throw std::bad_alloc();
}

}  // namespace

void* operator new(std::size_t bytes) { return AllocateOrThrow(bytes); }
void* operator new[](std::size_t bytes) { return AllocateOrThrow(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return Allocate(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return Allocate(bytes); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete(void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
void operator delete[](void* memory, const std::nothrow_t&) noexcept { std::free(memory); }
