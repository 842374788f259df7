#pragma once

// The function argument of the root finders, the minimiser and Romberg integration: a
// caller's function or a compiled formula's evaluation callback.

namespace kelvo {

using RealFunction = double (*)(double);

} // namespace kelvo
