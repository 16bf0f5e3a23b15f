#include <gtest/gtest.h>

#include "app/host.h"
#include "flow/arrange_params.h"
#include "support/fake_host.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    SetHost(&FakeHost());
    BuildArrangeParams();  // as start-up does
    return RUN_ALL_TESTS();
}
