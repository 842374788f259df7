#pragma once

// A table of objects named by 32-bit handles, for everything that crosses the C interface.
// Handles are issued in increasing order and never reused while the counter has not wrapped
// (four billion issues), so a handle that was closed or never issued is always recognised.

#include <cstdint>
#include <memory>
#include <unordered_map>
#include <utility>

namespace kp {

// Pointer is the owning pointer kept in the table: std::unique_ptr by default, std::shared_ptr
// for objects that must outlive their handle while someone still works on them.
template <typename T, typename Pointer = std::unique_ptr<T>>
class HandleTable {
public:
    // Different tables start at different numbers so that a handle of one kind passed
    // where another is expected is very unlikely to name a live object.
    explicit HandleTable(uint32_t first_handle = 1) : next_handle_(first_handle == 0 ? 1 : first_handle) {}

    uint32_t insert(Pointer object)
    {
        uint32_t handle = next_handle_;
        while (handle == 0 || objects_.contains(handle))
            ++handle;
        next_handle_ = handle + 1;
        objects_.emplace(handle, std::move(object));
        return handle;
    }

    T* find(uint32_t handle) const
    {
        if (handle == 0)
            return nullptr;
        auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : it->second.get();
    }

    // The owning pointer of a live handle, or null.
    Pointer const* pointer(uint32_t handle) const
    {
        auto it = objects_.find(handle);
        return it == objects_.end() ? nullptr : &it->second;
    }

    // Takes the object out of the table; the handle is dead from now on.
    Pointer remove(uint32_t handle)
    {
        auto it = objects_.find(handle);
        if (it == objects_.end())
            return nullptr;
        Pointer object = std::move(it->second);
        objects_.erase(it);
        return object;
    }

    bool contains(uint32_t handle) const { return find(handle) != nullptr; }
    std::size_t size() const { return objects_.size(); }

    template <typename Visit>
    void for_each(Visit&& visit) const
    {
        for (auto const& [handle, object] : objects_)
            visit(handle, *object);
    }

private:
    std::unordered_map<uint32_t, Pointer> objects_;
    uint32_t next_handle_;
};

} // namespace kp
