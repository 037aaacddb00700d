#include "say_it_window.h"

#include "core/app_state.h"
#include "core/audio_engine.h"
#include "core/prompter.h"
#include "core/recording.h"
#include "core/say_it/practice.h"
#include "core/spoken_words.h"
#include "core/text_file.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
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
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignCenter);
    l->setWordWrap(true);
    QFont f = l->font();
    if (point_size > 0) f.setPointSize(point_size);
    f.setBold(bold);
    l->setFont(f);
    l->setAccessibleDescription(purpose);
    return l;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& caption, const QString& key) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(caption);
    b->setAccessibleDescription(QStringLiteral("Key ") + key);
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
    setAccessibleName(QStringLiteral("The recording and your take"));
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
        return u && u->has_speech() ? QStringLiteral("%1 s").arg(u->speech_end_seconds() - u->speech_start_seconds(), 0, 'f', 2)
                                    : QStringLiteral("no speech");
    };
    QString d = ref_ ? QStringLiteral("Recording: %1 spoken.").arg(spoken(ref_u_)) : QStringLiteral("No recording.");
    d += take_ ? QStringLiteral(" Your take: %1 spoken, drawn on the recording's time scale.").arg(spoken(take_u_))
               : QStringLiteral(" No take yet.");
    setAccessibleDescription(d);
}

void SayItWaves::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().base());
    p.setPen(palette().mid().color());
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!ref_ || ref_->empty() || !ref_u_) return;

    const int rate = kTakeRate;
    const double duration = double(ref_->size()) / rate;
    double t0 = 0.0, t1 = duration;
    if (ref_u_->has_speech()) {
        t0 = std::max(0.0, ref_u_->speech_start_seconds() - 0.15);
        t1 = std::min(duration, ref_u_->speech_end_seconds() + 0.15);
    }
    if (t1 <= t0) return;
    const QFontMetrics fm = fontMetrics();
    const int axis_h = fm.height() + 6;
    const int w = width() - 2;
    const int lane_h = (height() - axis_h) / 2;
    if (w < 10 || lane_h < 20) return;
    auto x_of = [&](double t) { return 1 + int((t - t0) / (t1 - t0) * w); };

    struct Lane {
        const std::vector<int16_t>* pcm;
        const Utterance* u;
        const TimeMap* map;
        QString name;
        QColor colour;
    };
    const Lane lanes[] = {{ref_, ref_u_, nullptr, QStringLiteral("Recording"), QColor(60, 90, 160)},
                          {take_, take_u_, map_, QStringLiteral("Your take"), QColor(30, 125, 65)}};
    for (int lane = 0; lane < 2; ++lane) {
        const Lane& L = lanes[lane];
        const int top = 1 + lane * lane_h, mid = top + lane_h / 2, half = lane_h / 2 - 3;
        p.setPen(palette().midlight().color());
        p.drawLine(1, mid, w, mid);
        if (lane == 1) {
            p.setPen(palette().mid().color());
            p.drawLine(1, top, w, top);
        }
        if (!L.pcm || L.pcm->empty()) continue;
        // The seconds of this sound drawn at column x: the recording's own, or the take's through the map.
        auto seconds_at = [&](int x) {
            const double r = t0 + double(x) / w * (t1 - t0);
            return L.map ? L.map->take_seconds(r) : r;
        };
        const size_t n = L.pcm->size();
        int peak = 1;
        for (int x = 0; x < w; ++x) {
            const long a = std::lround(seconds_at(x) * rate), b = std::lround(seconds_at(x + 1) * rate);
            for (long i = std::max(0L, a); i < std::min(long(n), std::max(b, a + 1)); ++i)
                peak = std::max(peak, std::abs(int((*L.pcm)[size_t(i)])));
        }
        p.setPen(L.colour);
        for (int x = 0; x < w; ++x) {
            const long a = std::lround(seconds_at(x) * rate), b = std::lround(seconds_at(x + 1) * rate);
            int lo = 0, hi = 0;
            for (long i = std::max(0L, a); i < std::min(long(n), std::max(b, a + 1)); ++i) {
                lo = std::min(lo, int((*L.pcm)[size_t(i)]));
                hi = std::max(hi, int((*L.pcm)[size_t(i)]));
            }
            if (hi > lo) p.drawLine(1 + x, mid - hi * half / peak, 1 + x, mid - lo * half / peak);
        }
        // The pitch contour over the wave, on a log scale from 60 to 400 Hz.
        if (!L.u) continue;
        QPen pen(QColor(215, 100, 0));
        pen.setWidth(2);
        p.setPen(pen);
        QPainterPath path;
        bool drawing = false;
        for (int x = 0; x < w; x += 2) {
            const int k = frame_at(*L.u, seconds_at(x));
            const double hz = k >= 0 ? L.u->pitch_hz[size_t(k)] : 0.0;
            if (hz <= 0) {
                drawing = false;
                continue;
            }
            const double f = (std::log(hz) - std::log(kLowestDrawnHz)) / (std::log(kHighestDrawnHz) - std::log(kLowestDrawnHz));
            const QPointF pt(1 + x, top + lane_h - 3 - std::clamp(f, 0.0, 1.0) * (lane_h - 6));
            if (drawing)
                path.lineTo(pt);
            else
                path.moveTo(pt);
            drawing = true;
        }
        p.drawPath(path);
    }
    // Lane names last, on their own ground, so that a loud wave never hides them.
    for (int lane = 0; lane < 2; ++lane) {
        const QRect box(3, 3 + lane * lane_h, fm.horizontalAdvance(lanes[lane].name) + 8, fm.height() + 2);
        p.fillRect(box, palette().base());
        p.setPen(palette().text().color());
        p.drawText(box, Qt::AlignCenter, lanes[lane].name);
    }
    // The time axis: the recording's seconds.
    const int axis_top = 1 + 2 * lane_h;
    p.setPen(palette().text().color());
    p.drawLine(1, axis_top, w, axis_top);
    const double step = (t1 - t0) > 1.5 ? 0.5 : 0.1;
    for (double t = std::ceil(t0 / step) * step; t <= t1 + 1e-9; t += step) {
        const int x = x_of(t);
        p.drawLine(x, axis_top, x, axis_top + 4);
        const QString label = QString::number(t, 'f', step < 0.5 ? 1 : 1) + QStringLiteral(" s");
        if (x + fm.horizontalAdvance(label) / 2 < w && x - fm.horizontalAdvance(label) / 2 > 0)
            p.drawText(x - fm.horizontalAdvance(label) / 2, axis_top + 4 + fm.ascent(), label);
    }
}

// ---------------------------------------------------------------- panel

SayItWindow::Running::Running(SayItWindow* w) : w(w) { ++w->running_; }
SayItWindow::Running::~Running() {
    if (--w->running_ == 0 && w->closed_) w->deleteLater();
}

SayItWindow::SayItWindow(AudioEngine& audio, Clock& clock, Prompter* prompter, QWidget* parent)
    : QWidget(parent), audio_(audio), clock_(clock), prompter_(prompter) {
    setObjectName(QStringLiteral("say_it_window"));
    setWindowTitle(QStringLiteral("Say It"));
    setWindowFlag(Qt::Window);
    // The window under the panel waits for it: its drill is paused and its keys must not start another.
    setWindowModality(Qt::ApplicationModal);
    build_controls();
}

void SayItWindow::build_controls() {
    word_label_ = make_label(this, "say_word", 22, true, QStringLiteral("Word to say"));
    countdown_ = make_label(this, "countdown", 14, true, QStringLiteral("Countdown"));
    waves_ = new SayItWaves(this);
    score_ = make_label(this, "score", 28, true, QStringLiteral("Score out of 100"));
    verdict_ = make_label(this, "verdict", 16, true, QStringLiteral("How close your take is"));
    kept_ = make_label(this, "kept_take", 0, false, QStringLiteral("Where your take was kept"));
    score_->setMinimumWidth(score_->fontMetrics().horizontalAdvance(QStringLiteral("100")) + 12);
    auto* legend = make_label(this, "legend", 0, false, QStringLiteral("What the drawing shows"));
    show_text(legend, QStringLiteral("Orange: pitch. The score compares your take with one recording of one speaker; "
                                     "it is not a judgement of your pronunciation."));

    hear_reference_ = make_button(this, "hear_reference", QStringLiteral("Hear the recording"), QStringLiteral("R"));
    hear_take_ = make_button(this, "hear_take", QStringLiteral("Hear my take"), QStringLiteral("T"));
    hear_both_ = make_button(this, "hear_both", QStringLiteral("Hear both"), QStringLiteral("B"));
    say_again_ = make_button(this, "say_again", QStringLiteral("Say it again"), QStringLiteral("S"));
    keep_take_ = make_button(this, "keep_take", QStringLiteral("Keep my take"), QStringLiteral("K"));
    close_ = make_button(this, "close_say_it", QStringLiteral("Close"), QStringLiteral("Escape"));
    connect(hear_reference_, &QPushButton::clicked, this, &SayItWindow::on_hear_reference);
    connect(hear_take_, &QPushButton::clicked, this, &SayItWindow::on_hear_take);
    connect(hear_both_, &QPushButton::clicked, this, &SayItWindow::on_hear_both);
    connect(say_again_, &QPushButton::clicked, this, &SayItWindow::on_say_again);
    connect(keep_take_, &QPushButton::clicked, this, &SayItWindow::on_keep_take);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* root = new QVBoxLayout(this);
    root->addWidget(word_label_);
    root->addWidget(countdown_);
    root->addWidget(waves_, 1);
    root->addWidget(legend);
    auto* result = new QHBoxLayout;
    result->addWidget(score_, 1);
    result->addWidget(verdict_, 3);
    root->addLayout(result);
    auto* hear = new QHBoxLayout;
    for (QPushButton* b : {hear_reference_, hear_take_, hear_both_}) hear->addWidget(b);
    root->addLayout(hear);
    auto* act = new QHBoxLayout;
    act->addWidget(say_again_);
    act->addWidget(keep_take_);
    act->addStretch(1);
    act->addWidget(close_);
    root->addLayout(act);
    root->addWidget(kept_);
    resize(660, 520);
}

QString SayItWindow::unavailable_reason(const AppState& m, const QString& sound_number) {
    const bool recording = !sound_number.isEmpty() && file_exists(installed_sound_path(m, sound_number, m.current_language));
    return no_reference_reason(sound_number, recording, voice_wanted(m));
}

SayItWindow* SayItWindow::open(AppState& m, const QString& word, const QString& sound_number, QWidget* parent) {
    if (!m.audio || !m.clock || !unavailable_reason(m, sound_number).isEmpty()) return nullptr;
    SayItWord w{word, m.current_language, sound_number, m.user_folder, {}};
    const QString path = installed_sound_path(m, sound_number, m.current_language);
    if (file_exists(path)) {
        QString error;
        auto pcm = decode_recording(path, &error);
        if (!pcm) {
            if (m.prompter) m.prompter->message(error);
            return nullptr;
        }
        w.reference = std::move(*pcm);
    } else {
        auto pcm = spoken_samples(m, sound_number, m.current_language);
        if (!pcm) return nullptr;  // the voice's failure was told once already
        w.reference = std::move(*pcm);
    }
    auto* panel = new SayItWindow(*m.audio, *m.clock, m.prompter, parent);
    panel->practise(std::move(w));
    return panel;
}

void SayItWindow::practise(SayItWord word) {
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

    show_text(countdown_, QStringLiteral("Get ready"));
    co_await sleep_for(clock_, 0.6, &token_, WaitEnds::OnStop);
    if (closed_) co_return;
    const double seconds = take_seconds_for(word_.reference, kTakeRate);
    auto shown_tenths = std::make_shared<int>(-1);
    const Capture c = co_await capture_take(audio_, clock_, token_, seconds, [this, shown_tenths](double left) {
        const int tenths = int(std::ceil(left * 10.0));
        if (tenths == *shown_tenths || closed_) return;
        *shown_tenths = tenths;
        show_text(countdown_, QStringLiteral("Speak: %1 s").arg(tenths / 10.0, 0, 'f', 1));
    });
    listening_ = false;
    if (closed_) co_return;
    show_text(countdown_, QString());

    switch (c.status) {
    case Capture::Status::NoMicrophone:
    case Capture::Status::Failed:
        show_problem(c.message);
        break;
    case Capture::Status::TooShort:
        show_problem(QStringLiteral("Nothing was heard. Say the word when \"Speak\" shows."));
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
                         ? QStringLiteral("The recording of this word is silent, so there is nothing to compare with.")
                         : QStringLiteral("Nothing was heard. Say the word when \"Speak\" shows."));
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
    const QString error = co_await play_to_end(audio_, clock_, token_, std::move(pcm));
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
    if (reference) go_on = co_await play(word_.reference);
    if (go_on && reference && take) {
        co_await sleep_for(clock_, 0.4, &token_, WaitEnds::OnStop);
        go_on = !closed_;
    }
    if (go_on && take) co_await play(take_);
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
    show_text(kept_, QStringLiteral("Your take was kept as ") +
                         practice_take_path(word_.user_folder, word_.language, word_.sound_number));
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
