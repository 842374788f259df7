// What an exported call leaves in the error state when its work throws: every exception is
// recorded, so that a fault of the library never passes unseen.

#include "lib/runtime/guarded_call.h"

#include <cmath>
#include <new>
#include <stdexcept>
#include <string>

#include <gtest/gtest.h>

#include "lib/kelvolib.h"

namespace {

using namespace kelvo;

double throws_runtime_error(double)
{
    throw std::runtime_error("the sampler broke");
}

double throws_an_int(double)
{
    throw 42;
}

double runs_out_of_memory(double)
{
    throw std::bad_alloc();
}

class GuardedCall : public ::testing::Test {
protected:
    void SetUp() override { reset_error_state(); }
};

// Used to end in an empty catch: the call returned NaN and the error state said nothing.
TEST_F(GuardedCall, AnExportedCallWhoseWorkThrowsLeavesTheInternalErrorAndWhatTheExceptionSaid)
{
    double err_est = 0;
    EXPECT_TRUE(std::isnan(Romb(3, &throws_runtime_error, &err_est, 0, 1)));
    EXPECT_EQ(error_state().flag, 1);
    EXPECT_EQ(error_state().code, internal_error_code);
    EXPECT_EQ(error_state().message, "Internal error: the sampler broke");

    reset_error_state();
    EXPECT_TRUE(std::isnan(Zeroin(&throws_an_int, 0, 1, 1e-9)));
    EXPECT_EQ(error_state().code, internal_error_code);
    EXPECT_EQ(error_state().message, "Internal error");

    reset_error_state();
    EXPECT_TRUE(std::isnan(Fmin(&runs_out_of_memory, 0, 1, 1e-9)));
    EXPECT_EQ(error_state().code, heap_error_code);
    EXPECT_EQ(error_state().message, heap_error_message);
}

TEST_F(GuardedCall, ACallThatReturnsACodeReturnsTheCodeOfWhatWasThrown)
{
    EXPECT_EQ(guarded_code([]() -> int32_t { throw std::logic_error("broken invariant"); }), internal_error_code);
    EXPECT_EQ(error_state().message, "Internal error: broken invariant");
    EXPECT_EQ(guarded_code([]() -> int32_t { throw std::bad_alloc(); }), heap_error_code);
    EXPECT_EQ(guarded_code([] { return int32_t{20802}; }), 20802) << "the work's own code";
}

TEST_F(GuardedCall, ALongReasonIsCutToTheMessageLimit)
{
    std::string const reason(400, 'x');
    guarded_call([&] { throw std::runtime_error(reason); });
    EXPECT_EQ(error_state().code, internal_error_code);
    EXPECT_EQ(error_state().message.size(), 255u);
    EXPECT_EQ(error_state().message.rfind("Internal error: xxx", 0), 0u);
}

} // namespace
