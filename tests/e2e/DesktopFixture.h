#pragma once

#include "e2e/DesktopSession.h"

#include <gtest/gtest.h>

// A test that needs the private desktop: skipped, with the reason, when its
// display or its accessibility bus cannot be had.
class DesktopFixture : public ::testing::Test {
protected:
    void SetUp() override {
        const DesktopSession& session = DesktopSession::instance();
        if (!session.displayProblem().isEmpty()) {
            GTEST_SKIP() << "no X display for end-to-end tests: "
                         << session.displayProblem().toStdString();
        }
        if (!session.accessibilityProblem().isEmpty()) {
            GTEST_SKIP() << "widget texts cannot be read: "
                         << session.accessibilityProblem().toStdString();
        }
    }
};
