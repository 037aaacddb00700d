// The shared window-test fixture itself: what a test leaves open does not reach the next test.
#include "support/window_test.h"

#include <QPointer>
#include <gtest/gtest.h>

using namespace ql::testing;

namespace {

struct Probe : WindowTest {
    void TestBody() override {}
};

}  // namespace

TEST(WindowTestFixture, WindowsLeftOpenOrClosedGoWithTheTestButNotBefore) {
    QPointer<QWidget> open, closed, dialog;
    {
        Probe test;
        open = new QWidget;
        open->show();
        dialog = new QWidget(open, Qt::Dialog);
        dialog->show();
        closed = new QWidget;
        closed->setAttribute(Qt::WA_DeleteOnClose);
        closed->show();
        closed->close();  // its deletion is only posted
        EXPECT_TRUE(closed);
    }
    EXPECT_TRUE(open.isNull());
    EXPECT_TRUE(dialog.isNull());
    EXPECT_TRUE(closed.isNull());
}
