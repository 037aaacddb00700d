#pragma once
#include "support/run_pieces.h"
#include "support/data_tree.h"
#include "support/fake_audio.h"
#include "support/fake_clock.h"
#include "support/fake_main_view.h"
#include "support/fake_prompter.h"
#include "windows/window_openers.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace ql {
class MainWindow;
}

namespace ql::testing {

// What every window test starts from: a throw-away data folder, a scripted prompter, a fake clock
// (nothing waits in real time unless a test hands the windows the program's clock), fake audio
// playing on that clock, a stand-in for the main window, and the run state wired to them. When the
// test ends, every window it left open is deleted before the fakes go, so that no window (nor a
// session it runs) outlives its test and turns up in the next one.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    DataTree t;
    FakePrompter prompter;
    FakeClock pump;
    FakeAudio audio{&pump};
    FakeMainView main_view;
    // What the windows are handed; built from the fakes above by build_state() only.
    RunPieces m;
    // How the main window opens the others; a test fills in those it follows.
    WindowOpeners openers;

    // The main window as the program starts it: shown, then started up with `student` answering
    // the name prompt (which also sets the student's folders).
    std::unique_ptr<ql::MainWindow> start_main_window(const QString& student = QStringLiteral("ann"));

    // For a test on the real event loop: the program's clock, and sounds that end as they start.
    void use_program_clock();

    // Runs deferred deletions (a window closed with delete-on-close goes at the next turn).
    static void delete_closed_windows();

    // ---- finding and driving controls by their objectName ----
    // The named child; the test fails (and gets nullptr) when there is none of that type.
    template <class T = QWidget>
    static T* child(const QObject* parent, const char* name) {
        T* c = parent ? parent->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        EXPECT_NE(c, nullptr) << name;
        return c;
    }
    template <class T = QWidget>
    static T* child(const QObject& parent, const char* name) {
        return child<T>(&parent, name);
    }
    static QString text_of(const QObject* parent, const char* label) {
        const QLabel* l = child<QLabel>(parent, label);
        return l ? l->text() : QString();
    }
    static QString text_of(const QObject& parent, const char* label) { return text_of(&parent, label); }
    // A left click on the named button, as the mouse gives it.
    static void click(const QObject* parent, const char* button);
    // A click on a list row, scrolled into view first.
    static void click_row(QListWidget* list, int row);
    static QStringList rows(const QListWidget* list);
    // The visible window with this objectName, or nullptr.
    static QWidget* visible_window(const char* name);

private:
    void build_state(Clock& clock);
};

}  // namespace ql::testing
