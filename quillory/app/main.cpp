#include "audio/qlfmod.h"
#include "core/event_pump.h"
#include "core/new_recordings.h"
#include "core/qlmod.h"
#include "windows/qlmain.h"
#include "windows/qlplay.h"
#include "windows/qlplay2.h"
#include "windows/qlrecord.h"
#include "windows/qt_prompter.h"
#include "windows/test.h"
#include "windows/test_results.h"
#include "windows/window_openers.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(ql::kProgramTitle);

    // Every path of the data tree hangs off the folder the program was started in.
    ql::Qlmod m;
    m.working_folder = QDir::currentPath() + u'/';
    ql::QtPrompter prompter;
    m.prompter = &prompter;
    m.pump = &ql::qt_event_pump();
    ql::Qlfmod audio;
    m.audio = &audio;
    ql::attach_new_recording_player(m);

    ql::WindowOpeners openers;
    openers.large_flash_cards = [&m](bool main_stays_visible) { ql::QlPlay::open(m, main_stays_visible); };
    openers.small_flash_card = [&m] { ql::QlPlay2::open(m); };
    openers.record_and_edit = [&m] { (new ql::QlRecord(m))->load(); };
    openers.student_test = [&m] { ql::TestWindow::open(m); };
    openers.test_results = [&m] { ql::TestResultsWindow::open(m); };

    ql::QlMain main_window(m, openers);
    main_window.show();
    main_window.start_up();
    return app.exec();
}
