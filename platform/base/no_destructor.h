#pragma once

// Platform-wide state (the window registry, the graphics-object table, the font engine,
// the class and cursor tables, the box handlers) is made on first use and never destroyed.
//
// Why: at process exit, static destructors of different tables run in an order nobody
// chose, and each table's teardown reaches into the others (a window's device context lets
// go of the graphics objects selected into it, a graph closed by the library's unload
// destroys its window). With nothing destroyed, every table stays valid for as long as any
// code can run, including other libraries' exit handlers. The memory stays reachable from
// static storage, so leak checkers do not report it; the operating system takes it back.
//
// Use it as a function-local static:
//     WindowRegistry& window_registry()
//     {
//         static NoDestructor<WindowRegistry> registry;
//         return *registry;
//     }

#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace kp {

template <typename T>
class NoDestructor {
public:
    template <typename... Args>
    explicit NoDestructor(Args&&... args)
    {
        std::construct_at(reinterpret_cast<T*>(storage_), std::forward<Args>(args)...);
    }
    // Trivial on purpose: no exit-time destructor is registered for a NoDestructor static.
    ~NoDestructor() = default;

    NoDestructor(NoDestructor const&) = delete;
    NoDestructor& operator=(NoDestructor const&) = delete;

    T& get() { return *std::launder(reinterpret_cast<T*>(storage_)); }
    T const& get() const { return *std::launder(reinterpret_cast<T const*>(storage_)); }
    T& operator*() { return get(); }
    T const& operator*() const { return get(); }
    T* operator->() { return &get(); }
    T const* operator->() const { return &get(); }

private:
    alignas(T) unsigned char storage_[sizeof(T)];
};

static_assert(std::is_trivially_destructible_v<NoDestructor<std::unique_ptr<int>>>);

} // namespace kp
