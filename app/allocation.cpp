// Every allocation in the program comes through here: a request the heap
// cannot meet ends the program with the error box that names its size,
// instead of an exception that could unwind through a window procedure.
#include <cstdlib>
#include <new>

#include "app/fatal.h"

namespace {

void* Allocate(std::size_t bytes) {
  if (void* p = std::malloc(bytes != 0 ? bytes : 1)) return p;
  island::FatalAllocation(bytes);
}

}  // namespace

void* operator new(std::size_t bytes) {
  return Allocate(bytes);
}
void* operator new[](std::size_t bytes) {
  return Allocate(bytes);
}
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept {
  return Allocate(bytes);
}
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept {
  return Allocate(bytes);
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete[](void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
  std::free(p);
}
