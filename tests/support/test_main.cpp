#include <gtest/gtest.h>

#include "app/host.h"
#include "support/fake_host.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    SetHost(&FakeHost());
    return RUN_ALL_TESTS();
}
