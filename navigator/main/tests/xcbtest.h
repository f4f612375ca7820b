// The window tests on an X display of their own: real keys and clicks through XTEST, and waiting
// on the event loop for what they bring about.
#pragma once

#include <QApplication>
#include <functional>

#include "windowtest.h"
#include "xinput.h"

namespace qm {

class XcbWindowTest : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(X.Open()) << "no X display";
        ASSERT_EQ(QApplication::platformName(), "xcb");
    }
    // Runs the event loop until Done holds, for at most Ms milliseconds; whether it held.
    static bool WaitFor(const std::function<bool()>& Done, int Ms = 3000) {
        for (int Waited = 0; Waited < Ms; Waited += 10) {
            if (Done()) return true;
            RunFor(10);
        }
        return Done();
    }

    TXInput X;
};

}  // namespace qm
