// SPDX-License-Identifier: GPL-3.0-or-later
// The number input control's test fixture: a box shown, active and focused on a running host
// in the Japanese locale, with its message boxes recorded.
#pragma once

#include <gtest/gtest.h>

#include <QTest>

#include "control_host.h"
#include "message_recorder.h"
#include "num_input_box.h"

namespace tavimor::testing {

class NumInputBoxTest : public ::testing::Test {
protected:
    NumInputBoxTest()
    {
        running.setLocaleID(1041);
        box.show();
        box.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        box.TextBox()->setFocus();
    }

    ControlHost running{ControlHost::Mode::Running};
    MessageRecorder boxes;
    NumInputBoxR box{&running};
};

}  // namespace tavimor::testing
