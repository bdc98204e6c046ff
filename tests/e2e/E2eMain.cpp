// The end-to-end tests start the built editor on a private X display and
// drive it with real input events; they need no Qt application of their own.
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
