// The end of the road: one error box, then the process exits with -1.
#pragma once

#include <cstddef>
#include <string_view>

namespace island {

[[noreturn]] void FatalError(std::string_view message);

// For a block of memory that could not be obtained. Builds its message
// without asking for more memory.
[[noreturn]] void FatalAllocation(size_t bytes);

}  // namespace island
