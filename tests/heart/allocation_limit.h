// Real allocation failures for tests: while a limit is in force, every request of operator new
// for at least that many bytes fails with std::bad_alloc, as it would with memory exhausted.
#pragma once

#include <cstddef>

namespace kestrune::testing {

class AllocationLimit {
 public:
  explicit AllocationLimit(std::size_t failFromBytes);
  ~AllocationLimit();
  AllocationLimit(const AllocationLimit&) = delete;
  AllocationLimit& operator=(const AllocationLimit&) = delete;
};

}  // namespace kestrune::testing
