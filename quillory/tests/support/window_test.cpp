#include "window_test.h"

#include "windows/main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTest>

namespace ql::testing {

WindowTest::WindowTest() { build_state(pump); }

// The one place the run state is put together for window tests.
void WindowTest::build_state(Clock& clock) {
    m.working_folder = t.root();
    m.prompter = &prompter;
    m.clock = &clock;
    m.audio = &audio;
    m.main_view = &main_view;
}

std::unique_ptr<ql::MainWindow> WindowTest::start_main_window(const QString& student) {
    auto w = std::make_unique<ql::MainWindow>(m, openers);
    w->show();
    prompter.answer_input(student);
    w->start_up();
    return w;
}

void WindowTest::use_program_clock() {
    audio = FakeAudio(nullptr);
    build_state(qt_clock());
}

WindowTest::~WindowTest() {
    delete_closed_windows();
    // Only windows without a parent: a dialog or menu goes with the window that owns it.
    QList<QPointer<QWidget>> left;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (!top->parentWidget()) left << top;
    for (const QPointer<QWidget>& w : left) delete w.data();
    delete_closed_windows();
}

void WindowTest::delete_closed_windows() {
    // A deletion may post further ones.
    for (int i = 0; i < 3; ++i) QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowTest::click(const QObject* parent, const char* button) {
    if (auto* b = child<QAbstractButton>(parent, button)) QTest::mouseClick(b, Qt::LeftButton);
}

void WindowTest::click_row(QListWidget* list, int row) {
    ASSERT_NE(list, nullptr);
    ASSERT_GE(row, 0);
    ASSERT_LT(row, list->count()) << list->objectName().toStdString();
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

QStringList WindowTest::rows(const QListWidget* list) {
    QStringList out;
    for (int i = 0; list && i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

QWidget* WindowTest::visible_window(const char* name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String(name) && top->isVisible()) return top;
    return nullptr;
}

}  // namespace ql::testing
