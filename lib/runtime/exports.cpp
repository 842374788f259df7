// The exported functions of the runtime subsystem: library frame, arrays and blocks, helpers.

#include <string_view>

#include "lib/kelvolib.h"
#include "lib/runtime/arrays.h"
#include "lib/runtime/blocks.h"
#include "lib/runtime/debug_report.h"
#include "lib/runtime/error_state.h"
#include "lib/runtime/guarded_call.h"
#include "lib/runtime/math_helpers.h"
#include "lib/runtime/short_string.h"
#include "lib/runtime/string_helpers.h"
#include "lib/runtime/timer.h"

using namespace kelvo;

namespace {
constexpr int32_t library_version = 202;
// The reserve figure stays at 8192 bytes, below the low-memory threshold.
constexpr int32_t memory_reserve = 8192;
constexpr int32_t low_memory_threshold = 1'000'000;
} // namespace

extern "C" {

int32_t TkGetVersion(void)
{
    return guarded_call(failed_result<int32_t>(), [&] { return library_version; });
}

uint8_t TkLowMemory(void)
{
    return guarded_call(failed_result<uint8_t>(), [&] { return memory_reserve > low_memory_threshold ? 1 : 0; });
}

void Debug(const unsigned char* message)
{
    guarded_call([&] { debug_report(read_short_string(message)); });
}

void SetDebugMode(uint8_t on)
{
    guarded_call([&] { set_debug_mode(on != 0); });
}

int32_t TkGetErrorCode(void)
{
    return guarded_call(failed_result<int32_t>(), [&] { return error_state().code; });
}

int32_t TkGetErrorMessage(char* buffer, int32_t size)
{
    return guarded_call(failed_result<int32_t>(), [&] { return copy_text(error_state().message, buffer, size); });
}

void TkClearError(void)
{
    guarded_call([&] { clear_error(); });
}

void TkSetError(int32_t code, const char* message)
{
    guarded_call([&] {
        if (code == 0)
            clear_error();
        else
            set_error(code, message == nullptr ? std::string_view{} : std::string_view{message});
    });
}

TkArray TkNewArray1(int32_t n1)
{
    return guarded_call(TkArray{0}, [&] { return new_array(1, n1, 1, 1); });
}

TkArray TkNewArray2(int32_t n1, int32_t n2)
{
    return guarded_call(TkArray{0}, [&] { return new_array(2, n1, n2, 1); });
}

TkArray TkNewArray3(int32_t n1, int32_t n2, int32_t n3)
{
    return guarded_call(TkArray{0}, [&] { return new_array(3, n1, n2, n3); });
}

void TkDisposeArray(TkArray array)
{
    guarded_call([&] { dispose_array(array); });
}

double TkGetArray1(TkArray array, int32_t i)
{
    return guarded_call(failed_result<double>(), [&] { return get_array_element(array, i, 1, 1); });
}

double TkGetArray2(TkArray array, int32_t i, int32_t j)
{
    return guarded_call(failed_result<double>(), [&] { return get_array_element(array, i, j, 1); });
}

double TkGetArray3(TkArray array, int32_t i, int32_t j, int32_t k)
{
    return guarded_call(failed_result<double>(), [&] { return get_array_element(array, i, j, k); });
}

void TkGetArray1byVar(TkArray array, int32_t i, double* value)
{
    guarded_call([&] {
        if (value != nullptr && find_array(array) != nullptr)
            *value = get_array_element(array, i, 1, 1);
    });
}

void TkGetArray2byVar(TkArray array, int32_t i, int32_t j, double* value)
{
    guarded_call([&] {
        if (value != nullptr && find_array(array) != nullptr)
            *value = get_array_element(array, i, j, 1);
    });
}

void TkGetArray3byVar(TkArray array, int32_t i, int32_t j, int32_t k, double* value)
{
    guarded_call([&] {
        if (value != nullptr && find_array(array) != nullptr)
            *value = get_array_element(array, i, j, k);
    });
}

void TkSetArray1(TkArray array, int32_t i, double value)
{
    guarded_call([&] { set_array_element(array, i, 1, 1, value); });
}

void TkSetArray2(TkArray array, int32_t i, int32_t j, double value)
{
    guarded_call([&] { set_array_element(array, i, j, 1, value); });
}

void TkSetArray3(TkArray array, int32_t i, int32_t j, int32_t k, double value)
{
    guarded_call([&] { set_array_element(array, i, j, k, value); });
}

double* TkGetArrayAddress(TkArray array)
{
    return guarded_call(failed_result<double*>(), [&]() -> double* {
        LibraryArray* found = find_array(array);
        return found == nullptr ? nullptr : found->data.get();
    });
}

void* TkNewBlock(uint16_t size)
{
    return guarded_call(static_cast<void*>(nullptr), [&] { return new_block(size); });
}

void TkDisposeBlock(void* block, uint16_t /*size: the library knows each block's size*/)
{
    guarded_call([&] { dispose_block(block); });
}

double RaisePower(double x, double y)
{
    return guarded_call(failed_result<double>(), [&] { return raise_power(x, y); });
}

int32_t Sgn(double x)
{
    return guarded_call(failed_result<int32_t>(), [&] { return sign_of(x); });
}

double Tan(double x)
{
    return guarded_call(failed_result<double>(), [&] { return tangent(x); });
}

double Arccos(double x)
{
    return guarded_call(failed_result<double>(), [&] { return arc_cosine(x); });
}

double Arcsin(double x)
{
    return guarded_call(failed_result<double>(), [&] { return arc_sine(x); });
}

int32_t Timer(void)
{
    return guarded_call(failed_result<int32_t>(), [&] { return centiseconds_since_midnight(); });
}

char* MakePChar(unsigned char* text)
{
    return guarded_call(failed_result<char*>(), [&]() -> char* {
        return make_pchar(text);
    });
}

int32_t Trim(const char* text, char* result, int32_t size)
{
    return guarded_call(failed_result<int32_t>(), [&]() -> int32_t {
        if (text == nullptr)
            return 0;
        return copy_text(trim_text(text), result, size);
    });
}

} // extern "C"
