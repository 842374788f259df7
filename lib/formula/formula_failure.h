#pragma once

// The first failure of a compilation or an evaluation. The scanner, the parser and the
// evaluator each keep one as their own failure flag while they run, and the call that ran
// them reports it to the library's error state once, when it ends.

#include <cstdint>

#include "lib/formula/formula_errors.h"

namespace kelvo {

class FormulaFailure {
public:
    bool failed() const { return code_ != 0; }
    // 0 when nothing failed.
    int32_t code() const { return code_; }

    // Keeps the first failure only: whatever fails after it is a consequence of it.
    void record(FormulaError error)
    {
        if (code_ == 0)
            code_ = code_of(error);
    }
    // A failure outside the formula error table: the name clash, or the nesting limit,
    // which is refused like a request beyond the heap limit.
    void record_code(int32_t code)
    {
        if (code_ == 0)
            code_ = code;
    }

    // Sets the error state to the failure, with the table's message; the name clash has no
    // row and keeps the message the error state had. Nothing happens when nothing failed.
    void report() const;

private:
    int32_t code_ = 0;
};

} // namespace kelvo
