// Start-up to the main window shown with the first language chosen, on the sample word lists,
// against showing an empty main window measured in the same run (offscreen).
#include "bench_stats.h"
#include "core/clock.h"
#include "core/prompter.h"
#include "support/run_pieces.h"
#include "windows/main_window.h"
#include "windows/window_openers.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QMainWindow>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

using ql::testing::RunPieces;

namespace {

class NamePrompter : public ql::Prompter {
public:
    void message(const QString& text, const QString&) override { std::printf("message: %s\n", qPrintable(text)); }
    bool ok_cancel(const QString&, const QString&) override { return true; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return QStringLiteral("bench");
    }
};

void copy_tree(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + QDir(from).relativeFilePath(src);
        QDir().mkpath(QFileInfo(dst).absolutePath());
        QFile::copy(src, dst);
    }
}

template <class F>
double median_ms(int runs, F&& f) {
    std::vector<double> t;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        f();
        t.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(t.begin(), t.end());
    return t[t.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    const QString root = dir.path() + u'/';
    copy_tree(QStringLiteral(QL_SAMPLE_DIR "/languages"), root + QStringLiteral("languages/"));

    ql::testing::RunPieces m;
    m.working_folder = root;
    NamePrompter prompter;
    m.prompter = &prompter;
    m.clock = &ql::qt_clock();
    ql::WindowOpeners openers;

    const int runs = 20;
    int lists_shown = 0;
    const double startup_ms = median_ms(runs, [&] {
        auto w = std::make_unique<ql::MainWindow>(m, openers);
        w->show();
        w->start_up();
        deliver_pending_events();  // first paint
        lists_shown = w->findChild<QListWidget*>(QStringLiteral("lists_list"))->count();
    });
    // References: the toolkit's cost of showing a window at all, and of showing this window's
    // controls without the start-up's work (audio, name, folders, languages, first language).
    const double empty_ms = median_ms(runs, [&] {
        auto w = std::make_unique<QMainWindow>();
        w->setCentralWidget(new QListWidget);
        w->resize(900, 600);
        w->show();
        deliver_pending_events();
    });
    const double controls_ms = median_ms(runs, [&] {
        auto w = std::make_unique<ql::MainWindow>(m, openers);
        w->show();
        deliver_pending_events();
    });

    std::printf("start-up to the main window shown, median of %d (offscreen, sample lists)\n", runs);
    std::printf("  reference: an empty main window shown        %8.2f ms\n", empty_ms);
    std::printf("  reference: the main window's controls shown  %8.2f ms\n", controls_ms);
    std::printf("  start-up, first language chosen, shown       %8.2f ms   %.2fx the controls alone, %.1fx the empty window\n",
                startup_ms, startup_ms / controls_ms, startup_ms / empty_ms);
    if (lists_shown == 0) {
        std::printf("ERROR: no word list was listed\n");
        return 1;
    }
    return 0;
}
