#pragma once
// The line no exception of ours may cross: the platform calls our window procedures, hook
// procedures and timer callbacks, and an exception that unwinds into it ends the process on
// Windows (the system's frames between two of ours cannot be unwound through; 64-bit Windows
// may also swallow it in some callbacks and leave the window half-updated). Every such entry
// point runs its body through Guarded, which answers with the fallback instead: typically the
// previous or default procedure's answer, so the window keeps working.
//
// The framework's own event handlers (a button's OnClick) still raise into the application's
// error box, as a program's handlers do; that happens inside the body. Guarded is for whatever
// would otherwise get out: a skin part that cannot allocate, a failing error box.
#include <exception>
#include <utility>

namespace quellar {

// How many bodies a boundary has stopped since the process began (read by tests and by
// diagnostics; never reset).
int BoundaryFailures();
void CountBoundaryFailure() noexcept;

// body()'s result, or fallback()'s when body throws anything. The fallback must not throw.
template <class Body, class Fallback>
auto Guarded(Body&& body, Fallback&& fallback) noexcept -> decltype(body()) {
    try {
        return std::forward<Body>(body)();
    } catch (...) {
        CountBoundaryFailure();
        return std::forward<Fallback>(fallback)();
    }
}

} // namespace quellar
