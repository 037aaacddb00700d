// The drill as a coroutine on the fake clock: when each sound starts, and that a Pause, Skip or
// close at any moment is obeyed at the very next check.
#include "drill_fixture.h"
#include "support/run_session.h"

#include <QFileInfo>

using namespace ql;
using namespace ql::testing;

namespace {

class DrillSession : public DrillTest {
protected:
    DrillSession() {
        audio.duration_of = [this](const QString& path) {
            const QString base = QFileInfo(path).completeBaseName();
            const int n = base.toInt();
            heard.push_back({pump.now() - 1000.0, n >= 2000 ? QStringLiteral("T%1").arg(n - 2000)
                                                            : QStringLiteral("W%1").arg(n - 1000)});
            return sound_seconds;
        };
    }
    // Runs a drill to its end; returns the clock (from 0) at which it ended.
    double run_drill(const std::shared_ptr<Drill>& d) {
        double ended = -1;
        run_session(m.clock, [](std::shared_ptr<Drill> d, FakeClock& c, double& at) -> QCoro::Task<> {
            co_await d->playwords();
            at = c.now() - 1000.0;
        }(d, pump, ended));
        return ended;
    }

    struct Heard {
        double at;
        QString sound;
    };
    std::vector<Heard> heard;
    double sound_seconds = 1.0;
};

}  // namespace

TEST_F(DrillSession, EverySoundStartsAtItsDeadline) {
    load_list(1 + 1);  // two entries: the draw cannot stop the run
    m.repeat_count = 2;
    m.pause_seconds = 0.8f;
    m.bottom_mode = BottomMode::TranslationFirst;
    stop_at_draw(2);
    const double ended = run_drill(drill());
    ASSERT_EQ(drawn.size(), 2u);
    const QString i = QString::number(drawn[0]);
    // Translation after 0.01 s; each play costs 0.8 s plus the 0.8 s pause; each word play follows
    // a 0.001 s wait.
    const std::vector<std::pair<double, QString>> expected = {
        {0.01, "T" + i}, {1.611, "W" + i}, {3.212, "W" + i}};
    ASSERT_EQ(heard.size(), expected.size());
    for (size_t k = 0; k < expected.size(); ++k) {
        EXPECT_NEAR(heard[k].at, expected[k].first, 1e-6) << k;
        EXPECT_EQ(heard[k].sound, expected[k].second) << k;
    }
    EXPECT_NEAR(ended, 4.812, 1e-6);
}

TEST_F(DrillSession, LongPausesWaitForTheSoundsEnd) {
    load_list(2);
    m.repeat_count = 2;
    m.pause_seconds = 2.0f;
    m.bottom_mode = BottomMode::WordOnly;
    sound_seconds = 1.25;
    stop_at_draw(2);
    const double ended = run_drill(drill());
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_NEAR(heard[0].at, 0.001, 1e-6);
    EXPECT_NEAR(heard[1].at, 0.001 + 1.25 + 2.0 + 0.001, 1e-6);
    EXPECT_NEAR(ended, 2 * (0.001 + 1.25 + 2.0), 1e-6);
}

TEST_F(DrillSession, PauseAtAnyMomentEndsTheRunThereWithNoFurtherSound) {
    for (const float pause : {0.8f, 2.0f}) {
        for (double at = 0.0005; at < 7.0; at += 0.25) {
            heard.clear();
            load_list(3);
            m.repeat_count = 3;
            m.pause_seconds = pause;
            m.bottom_mode = BottomMode::Interlace;
            m.interlace_every = 2;
            auto d = drill();
            pump.after(at, [&] { d->pause(); });
            const double start = pump.now() - 1000.0;
            const double ended = run_drill(d) - start;
            EXPECT_NEAR(ended, at, 1e-6) << pause << " " << at;
            for (const Heard& h : heard) EXPECT_LE(h.at - start, at) << pause << " " << at;
            EXPECT_FALSE(d->running());
            EXPECT_FALSE(pump.waiting()) << "a wait outlived the run";
        }
    }
}

TEST_F(DrillSession, SkipDuringALongPauseHearsTheSoundOutThenDrawsAtOnce) {
    load_list(12);
    m.repeat_count = 3;
    m.pause_seconds = 2.0f;
    m.bottom_mode = BottomMode::WordOnly;
    sound_seconds = 1.0;
    auto d = drill();
    pump.after(0.5, [&] { d->next_word(); });  // during the first play
    stop_at_draw(2);
    run_drill(d);
    ASSERT_EQ(drawn.size(), 2u);
    ASSERT_EQ(heard.size(), 1u);
    // The sound was heard to its end (1.001 s), the pause skipped, and the next word drawn then.
    EXPECT_EQ(view.draws, 2);
    EXPECT_NEAR(pump.now() - 1000.0, 0.001 + 1.0, 0.011);
}

TEST_F(DrillSession, ClosingTheWindowMidWaitEndsTheRunAtOnce) {
    load_list(3);
    m.pause_seconds = 0.8f;
    auto d = drill();
    pump.after(0.4, [&] {
        d->window_closed();
        d->detach_view();
    });
    const double ended = run_drill(d);
    EXPECT_NEAR(ended, 0.4, 1e-9);
    EXPECT_EQ(heard.size(), 1u);
}

TEST_F(DrillSession, ResumeWhileTheStoppedRunUnwindsStartsNothingTwice) {
    load_list(3);
    m.pause_seconds = 0.8f;
    auto d = drill();
    bool second_started = true;
    pump.after(0.4, [&] {
        d->pause();
        d->resume();  // the first run has not left its wait yet
        second_started = d->running() && m.cancel.playback() == Playback::Running;
    });
    run_drill(d);
    EXPECT_FALSE(second_started);
    EXPECT_FALSE(d->running());
    EXPECT_EQ(heard.size(), 1u);
}
