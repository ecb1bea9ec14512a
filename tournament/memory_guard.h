#pragma once

#include <new>
#include <type_traits>

namespace tiebreak {

// Runs body and gives what it returns, or noMemory when memory runs out inside it: the one place
// where the program turns std::bad_alloc into a result (the pool's pieces only carry it to the
// calling thread). Whatever a failed body made releases itself on the way out.
template <typename Body>
[[nodiscard]] std::invoke_result_t<Body&> guardMemory(
    std::type_identity_t<std::invoke_result_t<Body&>> noMemory, Body&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return noMemory;
    }
}

}  // namespace tiebreak
