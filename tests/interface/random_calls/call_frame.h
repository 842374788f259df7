#pragma once

// One call of an exported function with random arguments. The generated callers build each
// argument through the frame by its type; the frame owns every buffer and text it hands out
// (each allocated at its exact size, so that reading or writing past it is caught), keeps
// the call's description for the trace, and puts returned handles into their pools.
//
// A call's arguments are all plausible, or all hostile, or plausible but for one hostile
// parameter: one bad value among good ones reaches the paths that only good values open.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "tests/interface/random_calls/caller_contracts.h"
#include "tests/interface/random_calls/handle_pools.h"
#include "tests/interface/random_calls/misbehaving_callbacks.h"
#include "tests/interface/random_calls/session.h"
#include "tests/interface/random_calls/value_sources.h"

namespace kelvo::calls {

// Whether the call has buffers whose size a count argument might describe. The headers do
// not say which integer is a count, so in such calls no integer exceeds what every buffer
// holds: buffers hold buffer_bytes, at least 512 reals, and counts stay at or below
// largest_fitting_count (pairs of reals included).
enum class Counts { free, fit_buffers };

inline constexpr std::size_t buffer_bytes = 4096;
inline constexpr int64_t largest_fitting_count = 255;
// Fft: 2^(m+1) reals in a buffer of 512.
inline constexpr int64_t largest_fitting_exponent = 8;
// Romberg integration: at most 2^14 + 1 function values.
inline constexpr int64_t largest_work_exponent = 14;
// Hosts and graph windows: at most this many pixels, unless no memory could hold them.
inline constexpr int64_t largest_pixel_area = int64_t{1} << 22;
inline constexpr int64_t impossible_pixel_area = int64_t{1} << 31;

// Compares any integer type, char and the 64-bit unsigned ones included, with a limit.
template <typename T>
bool exceeds(T value, int64_t limit)
{
    if constexpr (std::is_signed_v<T>)
        return static_cast<int64_t>(value) > limit;
    else
        return static_cast<uint64_t>(value) > static_cast<uint64_t>(limit);
}

// The buffers a derivative routine works on, as the caller contracts name them.
struct DerivativeBuffers {
    double const* time = nullptr;
    double const* state = nullptr;
    std::vector<double*> outputs;
};

class CallFrame {
public:
    CallFrame(Session& session, char const* function, std::size_t parameter_count, Counts counts);
    ~CallFrame();
    CallFrame(CallFrame const&) = delete;
    CallFrame& operator=(CallFrame const&) = delete;

    template <typename T>
    T integer(std::size_t index);
    template <typename T>
    T real(std::size_t index);
    uint32_t handle(std::size_t index, HandleKind kind);
    uint32_t colour(std::size_t index);
    char const* text(std::size_t index);
    char* text_buffer(std::size_t index);
    // A length byte and at most 255 bytes; T is unsigned char, const or not.
    template <typename T>
    T* short_string(std::size_t index);
    template <typename T>
    T* array(std::size_t index);
    void* block(std::size_t index);
    template <typename T>
    T* record(std::size_t index);
    template <typename T>
    T callback(std::size_t index);

    // The arguments are ready: the call starts.
    void enter();
    void returned(HandleKind kind, uint32_t value);
    void returned_block(void* block);

    char const* function() const { return function_; }
    std::vector<std::pair<HandleKind, uint32_t>> const& handles() const { return handles_; }
    DerivativeBuffers const& derivative_buffers() const { return derivatives_; }

private:
    Hostility hostility(std::size_t index) const;
    // Hostile arguments may be null pointers, in this many cases out of a hundred.
    bool null_pointer(std::size_t index, int percent);
    // A height that keeps width (the previous integer) times height within the host area.
    int64_t within_pixel_area(int64_t height) const;
    int64_t within_buffer_rectangle(int64_t height) const;
    // A count that keeps the previous integer times the count within a buffer's reals.
    int64_t within_grid_area(int64_t count) const;
    // A zeroed buffer of exactly that many bytes, aligned for any scalar, owned by the frame.
    std::byte* new_buffer(std::size_t bytes);
    void fill_random(std::byte* bytes, std::size_t count);
    Contract contract(std::size_t index, std::initializer_list<Contract> allowed) const;
    void describe(std::string const& argument);

    Session& session_;
    char const* function_;
    Counts counts_;
    std::size_t hostile_parameter_; // every_parameter, no_parameter or one index
    int64_t previous_integer_ = 0;
    bool entered_ = false;
    std::string arguments_;
    std::vector<std::unique_ptr<std::byte[]>> buffers_;
    std::vector<std::pair<HandleKind, uint32_t>> handles_;
    DerivativeBuffers derivatives_;
};

template <typename T>
T CallFrame::integer(std::size_t index)
{
    Contract const rule =
        contract(index, {Contract::none, Contract::buffer_exponent, Contract::work_exponent, Contract::pixel_area,
                         Contract::buffer_rectangle, Contract::grid_area});
    Random& random = session_.random();
    T value{};
    if constexpr (std::is_same_v<T, bool>) {
        value = random.chance(50);
    } else {
        if (hostility(index) == Hostility::hostile && random.chance(5))
            value = random.chance(50) ? std::numeric_limits<T>::min() : std::numeric_limits<T>::max();
        else // wraps to the type, as C conversions do
            value = static_cast<T>(random_integer(random, hostility(index), session_.numbers()));
        int64_t const limit = rule == Contract::buffer_exponent ? largest_fitting_exponent
                              : rule == Contract::work_exponent ? largest_work_exponent
                              : counts_ == Counts::fit_buffers  ? largest_fitting_count
                                                                : -1;
        if (limit >= 0 && exceeds(value, limit))
            value = static_cast<T>(static_cast<uint64_t>(value) % static_cast<uint64_t>(limit + 1));
        if (rule == Contract::pixel_area)
            value = static_cast<T>(within_pixel_area(static_cast<int64_t>(value)));
        if (rule == Contract::buffer_rectangle)
            value = static_cast<T>(within_buffer_rectangle(static_cast<int64_t>(value)));
        if (rule == Contract::grid_area)
            value = static_cast<T>(within_grid_area(static_cast<int64_t>(value)));
        previous_integer_ = static_cast<int64_t>(value);
    }
    if constexpr (std::is_signed_v<T>)
        describe(std::to_string(static_cast<int64_t>(value)));
    else
        describe(std::to_string(static_cast<uint64_t>(value)));
    return value;
}

template <typename T>
T CallFrame::real(std::size_t index)
{
    contract(index, {Contract::none});
    double const drawn = random_real(session_.random(), hostility(index));
    T value = static_cast<T>(drawn);
    if constexpr (!std::is_same_v<T, double> && !std::is_same_v<T, long double>) {
        // A real too large for the narrower type becomes its infinity, as the hardware does.
        if (std::isfinite(drawn) && std::fabs(drawn) > std::numeric_limits<T>::max())
            value = std::copysign(std::numeric_limits<T>::infinity(), static_cast<T>(drawn > 0 ? 1 : -1));
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", static_cast<double>(value));
    describe(text);
    return value;
}

template <typename T>
T* CallFrame::short_string(std::size_t index)
{
    static_assert(std::is_same_v<std::remove_const_t<T>, unsigned char>);
    contract(index, {Contract::none});
    if (null_pointer(index, 10))
        return nullptr;
    Random& random = session_.random();
    std::byte* buffer = new_buffer(buffer_bytes);
    fill_random(buffer, buffer_bytes);
    std::string text = random_text(random, hostility(index));
    if (text.size() > 255)
        text.resize(255);
    // A hostile length byte may claim more or less than the text: it stays inside the buffer.
    bool const honest = hostility(index) == Hostility::plausible || random.chance(60);
    auto const length = static_cast<unsigned char>(honest ? text.size() : random.below(256));
    buffer[0] = static_cast<std::byte>(length);
    std::memcpy(buffer + 1, text.data(), text.size());
    describe("short string of " + std::to_string(length));
    return reinterpret_cast<T*>(buffer);
}

template <typename T>
T* CallFrame::array(std::size_t index)
{
    using Element = std::remove_const_t<T>;
    Contract const rule = contract(index, {Contract::none, Contract::derivatives_time, Contract::derivatives_state,
                                           Contract::derivatives_output});
    if (null_pointer(index, 12))
        return nullptr;
    Random& random = session_.random();
    Hostility const hostility_here = hostility(index);
    constexpr std::size_t count = buffer_bytes / sizeof(Element);
    auto* elements = reinterpret_cast<Element*>(new_buffer(count * sizeof(Element)));
    std::string pattern;
    if constexpr (std::is_floating_point_v<Element>) {
        // Element by element, one value throughout (most often: a pointer to one real gets
        // the value), or a smooth curve.
        int const ticket = static_cast<int>(random.below(6));
        int const roll = ticket < 2 ? 0 : ticket < 5 ? 1 : 2;
        double const same = random_real(random, hostility_here);
        double const scale = hostility_here == Hostility::plausible ? 1.0 : 1e6;
        for (std::size_t i = 0; i < count; ++i) {
            double const value = roll == 0   ? random_real(random, hostility_here)
                                 : roll == 1 ? same
                                             : std::sin(static_cast<double>(i) * 0.37) * scale;
            elements[i] = static_cast<Element>(value);
        }
        char same_text[32];
        std::snprintf(same_text, sizeof same_text, "all %.17g", same);
        pattern = roll == 0 ? "random" : roll == 1 ? same_text : "smooth";
        if constexpr (std::is_same_v<Element, double>) {
            if (rule == Contract::derivatives_time)
                derivatives_.time = elements;
            else if (rule == Contract::derivatives_state)
                derivatives_.state = elements;
            else if (rule == Contract::derivatives_output)
                derivatives_.outputs.push_back(elements);
        }
    } else {
        static_assert(std::is_integral_v<Element>, "arrays hold numbers");
        for (std::size_t i = 0; i < count; ++i)
            elements[i] = static_cast<Element>(random_integer(random, hostility_here, session_.numbers()));
        pattern = "random";
    }
    if (rule != Contract::none && !std::is_same_v<Element, double>)
        throw std::logic_error(std::string(function_) + ": derivative buffers hold doubles");
    describe("[" + std::to_string(count) + " " + pattern + "]");
    return elements;
}

template <typename T>
T* CallFrame::record(std::size_t index)
{
    using Record = std::remove_const_t<T>;
    static_assert(std::is_class_v<Record> || std::is_union_v<Record>,
                  "a pointer to this type has no argument rule: it is not a struct (add one to argument_rules.cpp)");
    static_assert(std::is_trivially_copyable_v<Record> && sizeof(Record) <= buffer_bytes &&
                  alignof(Record) <= __STDCPP_DEFAULT_NEW_ALIGNMENT__);
    contract(index, {Contract::none});
    if (null_pointer(index, 15))
        return nullptr;
    // A large buffer, for a record or an array of them: zeroed, small numbers in every 32-bit
    // word, or random bytes.
    std::byte* buffer = new_buffer(buffer_bytes);
    Random& random = session_.random();
    int const roll = static_cast<int>(random.below(3));
    if (roll == 1 || (roll == 2 && hostility(index) == Hostility::plausible)) {
        for (std::size_t i = 0; i + 4 <= buffer_bytes; i += 4) {
            auto const word = static_cast<int32_t>(random.between(0, 8));
            std::memcpy(buffer + i, &word, 4);
        }
        describe("{small numbers}");
    } else if (roll == 2) {
        fill_random(buffer, buffer_bytes);
        describe("{random bytes}");
    } else {
        describe("{zeroed}");
    }
    return reinterpret_cast<T*>(buffer);
}

template <typename T>
T CallFrame::callback(std::size_t index)
{
    if constexpr (!std::is_pointer_v<T> || !std::is_function_v<std::remove_pointer_t<T>>) {
        static_assert(std::is_pointer_v<T> && std::is_function_v<std::remove_pointer_t<T>>,
                      "this parameter type has no argument rule: a new handle, number or other typedef needs one "
                      "in argument_rules.cpp");
        return T{};
    } else {
        contract(index, {Contract::none});
        if (null_pointer(index, 10))
            return nullptr;
        NamedCallback<T> const chosen = random_callback<T>(session_.random(), hostility(index));
        describe(chosen.name);
        return chosen.function;
    }
}

} // namespace kelvo::calls
