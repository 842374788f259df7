#pragma once

// Base64 (the standard alphabet, padded with '='), for binary data inside text documents.

#include <string>
#include <string_view>

namespace kp {

std::string base64(std::string_view bytes);

} // namespace kp
