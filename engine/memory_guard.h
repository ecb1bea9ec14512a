#pragma once

#include <new>

namespace tiebreak {

// Runs body, which returns a code, and turns memory exhaustion inside it into noMemoryCode. The one
// place where the engine catches std::bad_alloc: the vectors of a failed operation release
// themselves on the way out.
template <typename Body>
[[nodiscard]] int guardMemory(int noMemoryCode, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return noMemoryCode;
    }
}

}  // namespace tiebreak
