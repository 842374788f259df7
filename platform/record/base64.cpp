#include "platform/record/base64.h"

#include <cstdint>

namespace kp {

std::string base64(std::string_view bytes)
{
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    // Three bytes make four characters of six bits each; a short last group is padded.
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::size_t const left = bytes.size() - i;
        uint32_t group = uint32_t{static_cast<uint8_t>(bytes[i])} << 16;
        if (left > 1)
            group |= uint32_t{static_cast<uint8_t>(bytes[i + 1])} << 8;
        if (left > 2)
            group |= static_cast<uint8_t>(bytes[i + 2]);
        out += alphabet[(group >> 18) & 0x3F];
        out += alphabet[(group >> 12) & 0x3F];
        out += left > 1 ? alphabet[(group >> 6) & 0x3F] : '=';
        out += left > 2 ? alphabet[group & 0x3F] : '=';
    }
    return out;
}

} // namespace kp
