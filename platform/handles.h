#pragma once
// 32-bit handles for the program's windows and pictures, as the shell's records carry them.
#include <cstdint>

namespace tw {

// The handle of an object; the same object always gets the same handle. 0 stands for none.
std::uint32_t HandleOf(const void* object);
// The object a handle stands for, or nullptr.
const void* ObjectOfHandle(std::uint32_t handle);

}  // namespace tw
