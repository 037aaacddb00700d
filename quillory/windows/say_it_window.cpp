#include "say_it_window.h"

#include "core/audio_engine.h"
#include "core/prompter.h"
#include "core/recording.h"
#include "core/say_it/practice.h"
#include "core/services.h"
#include "core/spoken_words.h"
#include "core/workspace.h"
#include "widget_builders.h"
#include "core/ui_text.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace ql {

using namespace say_it;

namespace {

// A label or button that shows text gives that text to screen readers as its name.
void show_text(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

QLabel* make_label(QWidget* parent, const char* name, int point_size, bool bold, const QString& purpose) {
    QLabel* l = build::label(parent, name, QString());
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    build::set_font(l, point_size > 0 ? point_size : l->font().pointSizeF(), bold);
    l->setAccessibleDescription(purpose);
    return l;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, const QString& key) {
    QPushButton* b = build::button(parent, name, caption);
    b->setAccessibleName(caption);
    b->setAccessibleDescription(Quillory::tr("Key %1").arg(key));
    b->setAutoDefault(false);
    return b;
}

// The frame of an utterance that holds time t (seconds from its start).
int frame_at(const Utterance& u, double t) {
    if (u.pitch_hz.empty() || u.hop_seconds <= 0) return -1;
    const int k = int(std::lround((t + 0.0125) / u.hop_seconds - 1.0));
    return k < 0 || k >= int(u.pitch_hz.size()) ? -1 : k;
}

constexpr double kLowestDrawnHz = 60.0, kHighestDrawnHz = 400.0;

}  // namespace

// ---------------------------------------------------------------- waves

SayItWaves::SayItWaves(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("waves"));
    setAccessibleName(Quillory::tr("The recording and your take"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    describe();
}

void SayItWaves::show_reference(const std::vector<int16_t>* pcm, const Utterance* u) {
    ref_ = pcm;
    ref_u_ = u;
    take_ = nullptr;
    take_u_ = nullptr;
    map_ = nullptr;
    describe();
    update();
}

void SayItWaves::show_take(const std::vector<int16_t>* pcm, const Utterance* u, const TimeMap* map) {
    take_ = pcm;
    take_u_ = u;
    map_ = map;
    describe();
    update();
}

void SayItWaves::describe() {
    auto spoken = [](const Utterance* u) {
        return u && u->has_speech() ? Quillory::tr("%1 s").arg(u->speech_end_seconds() - u->speech_start_seconds(), 0, 'f', 2)
                                    : Quillory::tr("no speech");
    };
    QString d = ref_ ? Quillory::tr("Recording: %1 spoken.").arg(spoken(ref_u_)) : Quillory::tr("No recording.");
    d += take_ ? Quillory::tr(" Your take: %1 spoken, drawn on the recording's time scale.").arg(spoken(take_u_))
               : Quillory::tr(" No take yet.");
    setAccessibleDescription(d);
}

namespace {

// Where the recording's seconds [t0, t1] are drawn: `w` columns from x = 1, two lanes above an axis.
struct WaveFrame {
    double t0 = 0, t1 = 0;
    int w = 0, lane_h = 0;
    int x_of(double t) const { return 1 + int((t - t0) / (t1 - t0) * w); }
    double seconds_at(int x) const { return t0 + double(x) / w * (t1 - t0); }
};

struct Lane {
    const std::vector<int16_t>* pcm;
    const Utterance* u;
    const TimeMap* map;  // null: drawn on its own time scale
    QString name;
    QColor colour;
};

// The wave of a lane, each column from its lowest to its highest sample, scaled to its own peak.
void draw_wave(QPainter& p, const WaveFrame& f, const Lane& lane, int mid, int half) {
    auto seconds_at = [&](int x) { return lane.map ? lane.map->take_seconds(f.seconds_at(x)) : f.seconds_at(x); };
    const long n = long(lane.pcm->size());
    auto each_column = [&](auto&& take) {
        for (int x = 0; x < f.w; ++x) {
            const long a = std::lround(seconds_at(x) * kTakeRate), b = std::lround(seconds_at(x + 1) * kTakeRate);
            int lo = 0, hi = 0;
            for (long i = std::max(0L, a); i < std::min(n, std::max(b, a + 1)); ++i) {
                lo = std::min(lo, int((*lane.pcm)[size_t(i)]));
                hi = std::max(hi, int((*lane.pcm)[size_t(i)]));
            }
            take(x, lo, hi);
        }
    };
    int peak = 1;
    each_column([&](int, int lo, int hi) { peak = std::max({peak, -lo, hi}); });
    p.setPen(lane.colour);
    each_column([&](int x, int lo, int hi) {
        if (hi > lo) p.drawLine(1 + x, mid - hi * half / peak, 1 + x, mid - lo * half / peak);
    });
}

// The pitch contour over the wave, on a log scale from 60 to 400 Hz.
void draw_pitch(QPainter& p, const WaveFrame& f, const Lane& lane, int top) {
    auto seconds_at = [&](int x) { return lane.map ? lane.map->take_seconds(f.seconds_at(x)) : f.seconds_at(x); };
    QPen pen(QColor(215, 100, 0));
    pen.setWidth(2);
    p.setPen(pen);
    QPainterPath path;
    bool drawing = false;
    for (int x = 0; x < f.w; x += 2) {
        const int k = frame_at(*lane.u, seconds_at(x));
        const double hz = k >= 0 ? lane.u->pitch_hz[size_t(k)] : 0.0;
        if (hz <= 0) {
            drawing = false;
            continue;
        }
        const double at = (std::log(hz) - std::log(kLowestDrawnHz)) / (std::log(kHighestDrawnHz) - std::log(kLowestDrawnHz));
        const QPointF pt(1 + x, top + f.lane_h - 3 - std::clamp(at, 0.0, 1.0) * (f.lane_h - 6));
        if (drawing)
            path.lineTo(pt);
        else
            path.moveTo(pt);
        drawing = true;
    }
    p.drawPath(path);
}

// The time axis: the recording's seconds.
void draw_axis(QPainter& p, const WaveFrame& f, const QFontMetrics& fm, int axis_top) {
    p.drawLine(1, axis_top, f.w, axis_top);
    const double step = (f.t1 - f.t0) > 1.5 ? 0.5 : 0.1;
    for (double t = std::ceil(f.t0 / step) * step; t <= f.t1 + 1e-9; t += step) {
        const int x = f.x_of(t);
        p.drawLine(x, axis_top, x, axis_top + 4);
        const QString label = QString::number(t, 'f', 1) + QStringLiteral(" s");
        const int half_width = fm.horizontalAdvance(label) / 2;
        if (x + half_width < f.w && x - half_width > 0) p.drawText(x - half_width, axis_top + 4 + fm.ascent(), label);
    }
}

}  // namespace

void SayItWaves::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().mid().color());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!ref_ || ref_->empty() || !ref_u_) return;

    // The recording's spoken stretch with a little room either side, or all of it.
    WaveFrame f;
    const double duration = double(ref_->size()) / kTakeRate;
    f.t1 = duration;
    if (ref_u_->has_speech()) {
        f.t0 = std::max(0.0, ref_u_->speech_start_seconds() - 0.15);
        f.t1 = std::min(duration, ref_u_->speech_end_seconds() + 0.15);
    }
    if (f.t1 <= f.t0) return;
    const QFontMetrics fm = fontMetrics();
    f.w = width() - 2;
    f.lane_h = (height() - fm.height() - 6) / 2;
    if (f.w < 10 || f.lane_h < 20) return;

    const Lane lanes[] = {{ref_, ref_u_, nullptr, Quillory::tr("Recording"), QColor(60, 90, 160)},
                          {take_, take_u_, map_, Quillory::tr("Your take"), QColor(30, 125, 65)}};
    for (int lane = 0; lane < 2; ++lane) {
        const Lane& L = lanes[lane];
        const int top = 1 + lane * f.lane_h, mid = top + f.lane_h / 2;
        p.setPen(palette().midlight().color());
        p.drawLine(1, mid, f.w, mid);
        if (lane == 1) {
            p.setPen(palette().mid().color());
            p.drawLine(1, top, f.w, top);
        }
        if (!L.pcm || L.pcm->empty()) continue;
        draw_wave(p, f, L, mid, f.lane_h / 2 - 3);
        if (L.u) draw_pitch(p, f, L, top);
    }
    // Lane names last, on their own ground, so that a loud wave never hides them.
    for (int lane = 0; lane < 2; ++lane) {
        const QRect box(3, 3 + lane * f.lane_h, fm.horizontalAdvance(lanes[lane].name) + 8, fm.height() + 2);
        p.fillRect(box, palette().base());
        p.setPen(palette().text().color());
        p.drawText(box, Qt::AlignCenter, lanes[lane].name);
    }
    p.setPen(palette().text().color());
    draw_axis(p, f, fm, 1 + 2 * f.lane_h);
}

// ---------------------------------------------------------------- panel

SayItWindow::Running::Running(SayItWindow* w) : w(w) { ++w->running_; }
SayItWindow::Running::~Running() {
    if (--w->running_ == 0 && w->closed_) w->deleteLater();
}

SayItWindow::SayItWindow(AudioEngine& audio, Clock& clock, Prompter* prompter)
    : QWidget(nullptr), audio_(audio), clock_(clock), prompter_(prompter) {
    setObjectName(QStringLiteral("say_it_window"));
    setWindowTitle(Quillory::tr("Say It"));
    setWindowFlag(Qt::Window);
    // The window under the panel waits for it: its drill is paused and its keys must not start another.
    setWindowModality(Qt::ApplicationModal);
    build_controls();
}

void SayItWindow::build_controls() {
    word_label_ = make_label(this, "say_word", 22, true, Quillory::tr("Word to say"));
    countdown_ = make_label(this, "countdown", 14, true, Quillory::tr("Countdown"));
    waves_ = new SayItWaves(this);
    auto* legend = make_label(this, "legend", 0, false, Quillory::tr("What the drawing shows"));
    show_text(legend, Quillory::tr("Orange: pitch. The score compares your take with one recording of one speaker; "
                                     "it is not a judgement of your pronunciation."));
    score_ = make_label(this, "score", 28, true, Quillory::tr("Score out of 100"));
    verdict_ = make_label(this, "verdict", 16, true, Quillory::tr("How close your take is"));
    kept_ = make_label(this, "kept_take", 0, false, Quillory::tr("Where your take was kept"));
    score_->setMinimumWidth(score_->fontMetrics().horizontalAdvance(QStringLiteral("100")) + 12);

    hear_reference_ = make_button(this, "hear_reference", Quillory::tr("Hear the recording"), QStringLiteral("R"));
    hear_take_ = make_button(this, "hear_take", Quillory::tr("Hear my take"), QStringLiteral("T"));
    hear_both_ = make_button(this, "hear_both", Quillory::tr("Hear both"), QStringLiteral("B"));
    say_again_ = make_button(this, "say_again", Quillory::tr("Say it again"), QStringLiteral("S"));
    keep_take_ = make_button(this, "keep_take", Quillory::tr("Keep my take"), QStringLiteral("K"));
    close_ = make_button(this, "close_say_it", Quillory::tr("Close"), Quillory::tr("Escape"));
    connect(hear_reference_, &QPushButton::clicked, this, &SayItWindow::on_hear_reference);
    connect(hear_take_, &QPushButton::clicked, this, &SayItWindow::on_hear_take);
    connect(hear_both_, &QPushButton::clicked, this, &SayItWindow::on_hear_both);
    connect(say_again_, &QPushButton::clicked, this, &SayItWindow::on_say_again);
    connect(keep_take_, &QPushButton::clicked, this, &SayItWindow::on_keep_take);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* root = new QVBoxLayout(this);
    build::add_widgets(root, {word_label_, countdown_});
    root->addWidget(waves_, 1);
    root->addWidget(legend);
    auto* result = new QHBoxLayout;
    result->addWidget(score_, 1);
    result->addWidget(verdict_, 3);
    root->addLayout(result);
    auto* hear = new QHBoxLayout;
    build::add_widgets(hear, {hear_reference_, hear_take_, hear_both_});
    root->addLayout(hear);
    auto* act = new QHBoxLayout;
    build::add_widgets(act, {say_again_, keep_take_});
    act->addStretch(1);
    act->addWidget(close_);
    root->addLayout(act);
    root->addWidget(kept_);
    resize(660, 520);
}

SayItWindow* SayItWindow::open(const Services& s, const Workspace& w, const QString& language, const QString& word,
                               const QString& sound_number, const VoiceSamples& voice, QWidget* over) {
    if (!s.audio || !s.clock) return nullptr;
    QString error;
    std::optional<PracticeWord> practised = practice_word(w, language, word, sound_number, voice, &error);
    if (!practised) {
        if (!error.isEmpty() && s.prompter) s.prompter->message(error);
        return nullptr;
    }
    auto* panel = new SayItWindow(*s.audio, *s.clock, s.prompter);
    if (over && over->window()->windowHandle()) {
        // Placed over the window it was opened from, as a dialog is, without being its child.
        panel->createWinId();
        panel->windowHandle()->setTransientParent(over->window()->windowHandle());
    }
    panel->practise(std::move(*practised));
    return panel;
}

SayItWindow* SayItWindow::open(Player& player, WordsOnShow words, const QString& word, const QString& sound_number,
                               QWidget* over) {
    const QString language = words.language.current_language;
    auto voice = [&player, words, sound_number, language] { return spoken_samples(player, words, sound_number, language); };
    return open(player.services, player.workspace, language, word, sound_number, voice, over);
}

QString SayItWindow::unavailable_reason(const Player& player, const LanguageSession& language, const QString& sound_number) {
    return say_it::unavailable_reason(player.workspace, language.current_language, sound_number, voice_wanted(player));
}

void SayItWindow::practise(PracticeWord word) {
    word_ = std::move(word);
    reference_ = analyse(word_.reference, kTakeRate);
    show_text(word_label_, word_.word);
    show();
    raise();
    activateWindow();
    take_try();
}

void SayItWindow::on_say_again() {
    if (listening_ || playing_ || closed_) return;
    take_try();
}

void SayItWindow::set_buttons(bool idle) {
    if (closed_) return;
    const bool have_take = idle && !take_.empty();
    hear_reference_->setEnabled(idle);
    hear_take_->setEnabled(have_take);
    hear_both_->setEnabled(have_take);
    say_again_->setEnabled(idle);
    keep_take_->setEnabled(have_take && comparison_ && comparison_->score.has_value());
    close_->setEnabled(true);
}

QCoro::Task<> SayItWindow::take_try() {
    const Running running(this);
    listening_ = true;
    take_.clear();
    take_u_ = Utterance{};
    comparison_.reset();
    show_text(score_, QString());
    show_text(verdict_, QString());
    show_text(kept_, QString());
    waves_->show_reference(&word_.reference, &reference_);
    set_buttons(false);

    show_text(countdown_, Quillory::tr("Get ready"));
    co_await sleep_for(clock_, 0.6, &token_, WaitEnds::OnStop);
    if (closed_) co_return;
    const double seconds = take_seconds_for(word_.reference, kTakeRate);
    auto shown_tenths = std::make_shared<int>(-1);
    // The task is made before it is awaited: GCC 12 mishandles a lambda turned into a std::function
    // inside a co_await expression (its captures are released wrongly and the heap is corrupted), so
    // no argument of an awaited call here is such a temporary.
    QCoro::Task<Capture> capturing = capture_take(audio_, clock_, token_, seconds, [this, shown_tenths](double left) {
        const int tenths = int(std::ceil(left * 10.0));
        if (tenths == *shown_tenths || closed_) return;
        *shown_tenths = tenths;
        show_text(countdown_, Quillory::tr("Speak: %1 s").arg(tenths / 10.0, 0, 'f', 1));
    });
    const Capture c = co_await capturing;
    listening_ = false;
    if (closed_) co_return;
    show_text(countdown_, QString());

    switch (c.status) {
    case Capture::Status::NoMicrophone:
    case Capture::Status::Failed:
        show_problem(c.message);
        break;
    case Capture::Status::TooShort:
        show_problem(Quillory::tr("Nothing was heard. Say the word when \"Speak\" shows."));
        break;
    case Capture::Status::Recorded: {
        take_ = trimmed_samples(c.take);
        const QString problem = take_problem(c.take, kTakeRate);
        take_u_ = analyse(take_, kTakeRate);
        if (!problem.isEmpty()) {
            // No alignment for a take that is not compared: the spoken stretches are laid start to start.
            unaligned_ = TimeMap::from(Alignment{}, reference_, take_u_);
            waves_->show_take(&take_, &take_u_, &unaligned_);
            show_problem(problem);
            break;
        }
        comparison_ = compare(reference_, take_u_);
        waves_->show_take(&take_, &take_u_, &comparison_->time_map);
        show_score(*comparison_);
        break;
    }
    }
    set_buttons(true);
    say_again_->setFocus();
}

void SayItWindow::show_problem(const QString& text) {
    show_text(score_, QString());
    score_->hide();
    // A sentence, not a verdict: the body's size, across the panel.
    QFont f = font();
    f.setBold(true);
    verdict_->setFont(f);
    verdict_->setPalette(palette());
    show_text(verdict_, text);
}

void SayItWindow::show_score(const Comparison& c) {
    if (!c.score) {
        show_problem(c.no_score == NoScore::ReferenceSilent
                         ? Quillory::tr("The recording of this word is silent, so there is nothing to compare with.")
                         : Quillory::tr("Nothing was heard. Say the word when \"Speak\" shows."));
        return;
    }
    show_text(score_, QString::number(*c.score));
    score_->show();
    QFont f = font();
    f.setPointSize(16);
    f.setBold(true);
    verdict_->setFont(f);
    show_text(verdict_, c.verdict);
    QPalette pal = verdict_->palette();
    pal.setColor(QPalette::WindowText, *c.score >= kCloseScore ? QColor(0, 110, 40) : QColor(170, 60, 0));
    verdict_->setPalette(pal);
}

QCoro::Task<bool> SayItWindow::play(std::vector<int16_t> pcm) {
    QCoro::Task<QString> playing = play_to_end(audio_, clock_, token_, std::move(pcm));
    const QString error = co_await playing;
    if (!error.isEmpty()) {
        if (prompter_ && !closed_) prompter_->message(error);
        co_return false;
    }
    co_return !closed_;
}

QCoro::Task<> SayItWindow::hear(bool reference, bool take) {
    const Running running(this);
    playing_ = true;
    set_buttons(false);
    bool go_on = true;
    if (reference) {
        QCoro::Task<bool> playing = play(word_.reference);
        go_on = co_await playing;
    }
    if (go_on && reference && take) {
        co_await sleep_for(clock_, 0.4, &token_, WaitEnds::OnStop);
        go_on = !closed_;
    }
    if (go_on && take) {
        QCoro::Task<bool> playing = play(take_);
        co_await playing;
    }
    playing_ = false;
    set_buttons(true);
}

void SayItWindow::on_hear_reference() {
    if (listening_ || playing_ || closed_) return;
    hear(true, false);
}

void SayItWindow::on_hear_take() {
    if (listening_ || playing_ || closed_ || take_.empty()) return;
    hear(false, true);
}

void SayItWindow::on_hear_both() {
    if (listening_ || playing_ || closed_ || take_.empty()) return;
    hear(true, true);
}

void SayItWindow::on_keep_take() {
    if (listening_ || playing_ || closed_ || take_.empty()) return;
    QString error;
    if (!keep_take(word_.user_folder, word_.language, word_.sound_number, take_, &error)) {
        if (prompter_)
            prompter_->message(error);
        else
            show_text(kept_, error);
        return;
    }
    show_text(kept_, Quillory::tr("Your take was kept as %1").arg(practice_take_path(word_.user_folder, word_.language, word_.sound_number)));
}

void SayItWindow::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() & ~Qt::KeypadModifier) return QWidget::keyPressEvent(event);
    switch (event->key()) {
    case Qt::Key_S:
        if (say_again_->isEnabled()) on_say_again();
        return;
    case Qt::Key_R:
        if (hear_reference_->isEnabled()) on_hear_reference();
        return;
    case Qt::Key_T:
        if (hear_take_->isEnabled()) on_hear_take();
        return;
    case Qt::Key_B:
        if (hear_both_->isEnabled()) on_hear_both();
        return;
    case Qt::Key_K:
        if (keep_take_->isEnabled()) on_keep_take();
        return;
    case Qt::Key_Escape:
        close();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SayItWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!closed_) {
        closed_ = true;
        token_.set_playback(Playback::Stop);
        emit closed();
    }
    if (running_ == 0) deleteLater();
}

}  // namespace ql
