#pragma once

// Scope guards for graphics objects and context state, so that every path out of a drawing
// routine gives back what it took.

#include <cstdint>
#include <utility>

#include "platform/graphics/device_context.h"
#include "platform/graphics/graphics_objects.h"

namespace kp {

// Owns a graphics object and deletes it at the end of the scope. Declare it before any
// ScopedSelection of the same object, so that the object is deselected first.
class OwnedObject {
public:
    explicit OwnedObject(uint32_t handle = 0) : handle_(handle) {}
    ~OwnedObject() { reset(); }
    OwnedObject(OwnedObject&& other) noexcept : handle_(other.release()) {}
    OwnedObject& operator=(OwnedObject&& other) noexcept
    {
        if (this != &other) {
            reset();
            handle_ = other.release();
        }
        return *this;
    }
    OwnedObject(OwnedObject const&) = delete;
    OwnedObject& operator=(OwnedObject const&) = delete;

    uint32_t get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }
    uint32_t release() { return std::exchange(handle_, 0); }
    void reset()
    {
        if (handle_ != 0)
            delete_object(std::exchange(handle_, 0));
    }

private:
    uint32_t handle_;
};

// Selects an object for the scope and selects the one it replaced back at the end.
class ScopedSelection {
public:
    ScopedSelection(DeviceContext& context, uint32_t handle) : context_(context), previous_(context.select_object(handle)) {}
    ~ScopedSelection()
    {
        if (previous_ != 0)
            context_.select_object(previous_);
    }
    ScopedSelection(ScopedSelection const&) = delete;
    ScopedSelection& operator=(ScopedSelection const&) = delete;

    // False when the selection was refused and nothing changed.
    bool selected() const { return previous_ != 0; }

private:
    DeviceContext& context_;
    uint32_t previous_;
};

// Sets the raster operation for the scope.
class ScopedRasterOp {
public:
    ScopedRasterOp(DeviceContext& context, RasterOp op) : context_(context), previous_(context.set_raster_op(op)) {}
    ~ScopedRasterOp() { context_.set_raster_op(previous_); }
    ScopedRasterOp(ScopedRasterOp const&) = delete;
    ScopedRasterOp& operator=(ScopedRasterOp const&) = delete;

private:
    DeviceContext& context_;
    RasterOp previous_;
};

// Sets the background mode for the scope.
class ScopedBackgroundMode {
public:
    ScopedBackgroundMode(DeviceContext& context, BackgroundMode mode)
        : context_(context)
        , previous_(context.set_background_mode(mode))
    {
    }
    ~ScopedBackgroundMode() { context_.set_background_mode(previous_); }
    ScopedBackgroundMode(ScopedBackgroundMode const&) = delete;
    ScopedBackgroundMode& operator=(ScopedBackgroundMode const&) = delete;

private:
    DeviceContext& context_;
    BackgroundMode previous_;
};

} // namespace kp
