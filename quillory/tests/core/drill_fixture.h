#pragma once
#include "core/drill.h"
#include "core/main_view.h"
#include "support/run_pieces.h"
#include "support/fake_main_view.h"
#include "support/data_tree.h"
#include "support/drill_list.h"
#include "support/fake_audio.h"
#include "support/fake_prompter.h"
#include "support/fake_clock.h"
#include "support/run_session.h"

#include <QFileInfo>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// Readable failures for texts.
[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace ql::testing {

// Records what a drill shows, and lets a test act at each draw.
struct RecordingView : DrillView {
    QString top, bottom, num, repeat, speed, mp3;
    int points = 0;
    bool top_visible = true, bottom_visible = true;
    int draws = 0;
    int progress_done = -1, progress_total = -1;
    std::vector<std::pair<int, int>> progress_calls;
    std::function<void(int draw)> on_draw;
    std::function<void(int done)> on_progress;

    void set_top_text(const QString& t) override { top = t; }
    void set_bottom_text(const QString& t) override { bottom = t; }
    void set_word_point_size(int p) override { points = p; }
    void set_top_visible(bool v) override { top_visible = v; }
    void set_bottom_visible(bool v) override { bottom_visible = v; }
    void set_num_text(const QString& t) override {
        num = t;
        ++draws;
        if (on_draw) on_draw(draws);
    }
    void set_repeat_text(const QString& t) override { repeat = t; }
    void set_speed_text(const QString& t) override { speed = t; }
    void set_mp3_text(const QString& t) override { mp3 = t; }
    void set_progress(int d, int t) override {
        progress_done = d;
        progress_total = t;
        progress_calls.emplace_back(d, t);
        if (on_progress) on_progress(d);
    }
};

// A drill over the list DrillList lays (see support/drill_list.h), on the fake clock and fake audio.
class DrillTest : public ::testing::Test, protected DrillList {
protected:
    DrillTest() : audio(&pump) {
        choose(tree, m);
        m.clock = &pump;
        m.audio = &audio;
        m.prompter = &prompter;
        m.main_view = &main_view;
    }

    void load_list(int n, bool recordings = true) { load(tree, m, n, recordings); }

    std::shared_ptr<Drill> drill(DrillKind kind = DrillKind::Large) { return std::make_shared<Drill>(m, m, m, m, kind, &view); }

    // Stops the drill when it draws word number `draw` (before anything of that word is played).
    void stop_at_draw(int draw) {
        view.on_draw = [this, draw](int d) {
            drawn.push_back(m.current_index);
            if (d == draw) m.cancel.set_playback(Playback::Stop);
        };
    }

    // Played sounds as "W3" (word 3) or "T3" (its translation).
    QStringList plays() const {
        QStringList out;
        for (const QString& p : audio.played) {
            const QString base = QFileInfo(p).completeBaseName();
            const int n = base.toInt();
            out << (n >= 2000 ? QStringLiteral("T%1").arg(n - 2000) : QStringLiteral("W%1").arg(n - 1000));
        }
        return out;
    }

    DataTree tree;
    RunPieces m;
    FakeClock pump;
    FakeAudio audio;
    FakePrompter prompter;
    FakeMainView main_view;
    RecordingView view;
    std::vector<int> drawn;  // entry indexes drawn, in order (with stop_at_draw)
};

}  // namespace ql::testing
