#include "progress_window.h"

#include "core/prompter.h"
#include "core/review_schedule.h"
#include "core/test_session.h"
#include "core/text_file.h"
#include "core/ui_text.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTimeAxis>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHorizontalStackedBarSeries>
#include <QImage>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolTip>
#include <QValueAxis>
#include <QVBoxLayout>
#include <cmath>

namespace ql {

namespace {

constexpr int kReviewDays = 30;
constexpr size_t kMostMarkedTests = 200;
QString detail_hint() { return Quillory::tr("Point at a test to see its list, kind, questions and score."); }

QString us_date(const QDateTime& t) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(t, QStringLiteral("M/d/yyyy h:mm AP"));
}

QChart* new_chart(const QString& title) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->legend()->setAlignment(Qt::AlignBottom);
    // Redrawing a chart of ten thousand tests with animations would make the window lag.
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

// A label's shown text is what a screen reader should say.
void show_text(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
}

// Smoothed edges cost most on a line of thousands of tests, where they are least seen.
bool draw_smooth(QChart* chart) {
    qsizetype points = 0;
    for (QAbstractSeries* s : chart->series())
        if (auto* xy = qobject_cast<QXYSeries*>(s)) points += xy->count();
    return points <= qsizetype(kMostMarkedTests) * 4;
}

// Ticks of the date axis at noon on whole days, a whole number of days apart, from the day before the
// first test to the day after the last: each day is labelled once, and a test lies within half a day
// of its own day's tick. An axis with a fixed tick count would put ticks at odd hours, labelling a day
// twice or a test's day beside the next one.
void set_day_ticks(QDateTimeAxis* x, qint64 first_ms, qint64 last_ms) {
    constexpr qint64 kMostSteps = 10;
    const QDate first = QDateTime::fromMSecsSinceEpoch(first_ms).date().addDays(-1);
    const qint64 days = first.daysTo(QDateTime::fromMSecsSinceEpoch(last_ms).date().addDays(1));
    const qint64 step = (days + kMostSteps - 1) / kMostSteps;
    const qint64 steps = (days + step - 1) / step;
    x->setTickCount(int(steps) + 1);
    x->setRange(QDateTime(first, QTime(12, 0)), QDateTime(first.addDays(steps * step), QTime(12, 0)));
}

}  // namespace

std::optional<std::vector<QDate>> ProgressWindow::schedule_due_dates(const QString& language_folder, const QDate& today) {
    // In step with the known files, as the review window would find it, but only read: looking at
    // progress writes nothing.
    const ReviewSchedule schedule = ReviewSchedule::open(language_folder, today, true);
    std::vector<QDate> dates;
    dates.reserve(schedule.items().size());
    for (const ReviewItem& item : schedule.items()) dates.push_back(item.due);
    return dates;
}

ProgressWindow::ReviewDueDates& ProgressWindow::review_due_dates() {
    static ReviewDueDates reader = &ProgressWindow::schedule_due_dates;
    return reader;
}

ProgressWindow::ProgressWindow(const Services& services, const Workspace& workspace, const LanguageSession& language,
                               QWidget* parent)
    : QWidget(parent), services_(services), workspace_(workspace), language_(language) {
    today = review_today(services_.date_clock);
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(Quillory::tr("Progress"));
    ask_image_path = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(this, Quillory::tr("Save as Image"), suggested,
                                            Quillory::tr("PNG images (*.png)"));
    };

    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("progress_pages"));
    tabs_->setAccessibleName(Quillory::tr("Progress charts"));

    auto* scores = new QWidget;
    only_language_ = new QCheckBox(scores);
    only_language_->setObjectName(QStringLiteral("only_language"));
    only_language_->setAccessibleDescription(Quillory::tr("Shows only the tests in the language chosen in the main window"));
    unreadable_label_ = new QLabel(scores);
    unreadable_label_->setObjectName(QStringLiteral("unreadable_lines"));
    detail_label_ = new QLabel(scores);
    detail_label_->setObjectName(QStringLiteral("test_detail"));
    detail_label_->setAccessibleDescription(Quillory::tr("The test under the mouse pointer"));
    auto* score_bar = new QHBoxLayout;
    score_bar->addWidget(only_language_);
    score_bar->addStretch(1);
    score_bar->addWidget(unreadable_label_);
    auto* score_layout = new QVBoxLayout(scores);
    score_layout->addLayout(score_bar);
    pages_[0] = make_page(scores, "scores");
    score_layout->addWidget(pages_[0].stack, 1);
    score_layout->addWidget(detail_label_);
    tabs_->addTab(scores, Quillory::tr("&Test Scores"));

    auto* known = new QWidget;
    auto* known_layout = new QVBoxLayout(known);
    pages_[1] = make_page(known, "known_words");
    known_layout->addWidget(pages_[1].stack, 1);
    tabs_->addTab(known, Quillory::tr("&Known Words"));

    auto* reviews = new QWidget;
    auto* reviews_layout = new QVBoxLayout(reviews);
    pages_[2] = make_page(reviews, "reviews_ahead");
    reviews_layout->addWidget(pages_[2].stack, 1);
    tabs_->addTab(reviews, Quillory::tr("&Reviews Ahead"));

    save_image_ = new QPushButton(Quillory::tr("Save as Image..."), this);
    save_image_->setObjectName(QStringLiteral("save_image"));
    close_ = new QPushButton(Quillory::tr("Close"), this);
    close_->setObjectName(QStringLiteral("close_progress"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(save_image_);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(buttons);

    connect(save_image_, &QPushButton::clicked, this, [this] { on_save_image(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(only_language_, &QCheckBox::toggled, this, [this] { on_only_language_toggled(); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this] { update_save_button(); });

    reload();
    resize(960, 640);
}

ProgressWindow* ProgressWindow::open(const Services& services, const Workspace& workspace,
                                     const LanguageSession& language) {
    // One window is enough: asked again, it shows the files as they are now.
    static QPointer<ProgressWindow> open_window;
    if (open_window) {
        open_window->reload();
    } else {
        open_window = new ProgressWindow(services, workspace, language);
        open_window->setAttribute(Qt::WA_DeleteOnClose);
    }
    open_window->show();
    open_window->raise();
    open_window->activateWindow();
    return open_window;
}

ProgressWindow::PageWidgets ProgressWindow::make_page(QWidget* holder, const char* name) {
    PageWidgets p;
    p.stack = new QStackedWidget(holder);
    p.view = new QChartView(p.stack);
    p.view->setObjectName(QString::fromLatin1(name) + QStringLiteral("_chart"));
    p.sentence = new QLabel(p.stack);
    p.sentence->setObjectName(QString::fromLatin1(name) + QStringLiteral("_empty"));
    p.sentence->setWordWrap(true);
    p.sentence->setAlignment(Qt::AlignCenter);
    p.stack->addWidget(p.view);
    p.stack->addWidget(p.sentence);
    return p;
}

void ProgressWindow::reload() {
    history_ = read_score_history(results_file_path(workspace_), workspace_.student_name);
    const bool has_language = !language_.current_language.isEmpty();
    only_language_->setText(has_language ? Quillory::tr("Only %1").arg(language_.current_language) : Quillory::tr("Only the chosen language"));
    only_language_->setEnabled(has_language);
    if (!has_language) only_language_->setChecked(false);
    const QString unreadable = unreadable_lines_text(history_.unreadable);
    show_text(unreadable_label_, unreadable);
    for (Page page : {Page::Scores, Page::KnownWords, Page::Reviews}) {
        QString empty;
        QChart* chart = build_chart(page, &empty);
        set_page_chart(page, chart, empty);
    }
    reset_test_detail();
    update_save_button();
}

void ProgressWindow::on_only_language_toggled() {
    QString empty;
    QChart* chart = build_scores_chart(&empty);
    set_page_chart(Page::Scores, chart, empty);
    reset_test_detail();
    update_save_button();
}

void ProgressWindow::reset_test_detail() {
    show_text(detail_label_, detail_hint());
    // With no tests drawn there is nothing to point at.
    const PageWidgets& p = pages_[int(Page::Scores)];
    detail_label_->setVisible(p.stack->currentWidget() == p.view);
}

void ProgressWindow::set_page_chart(Page page, QChart* chart, const QString& empty_sentence) {
    PageWidgets& p = pages_[int(page)];
    QChart* old = p.view->chart();
    if (chart) {
        p.view->setChart(chart);
        p.view->setRenderHint(QPainter::Antialiasing, draw_smooth(chart));
        p.stack->setCurrentWidget(p.view);
        p.sentence->clear();
    } else {
        // The view keeps a chart of its own; an empty one stands in for the old.
        p.view->setChart(new QChart);
        show_text(p.sentence, empty_sentence);
        p.stack->setCurrentWidget(p.sentence);
    }
    delete old;
}

QChart* ProgressWindow::build_chart(Page page, QString* empty_sentence) {
    switch (page) {
    case Page::Scores: return build_scores_chart(empty_sentence);
    case Page::KnownWords: return build_known_words_chart(empty_sentence);
    case Page::Reviews: return build_reviews_chart(empty_sentence);
    }
    return nullptr;
}

QChart* ProgressWindow::build_scores_chart(QString* empty_sentence) {
    const bool only = only_language_->isChecked() && !language_.current_language.isEmpty();
    const auto series = score_series(history_, only ? language_.current_language : QString());
    if (series.empty()) {
        *empty_sentence = only ? Quillory::tr("There are no test results in %1 yet. Finish a test and its score "
                                                "will show here.")
                                     .arg(language_.current_language)
                               : Quillory::tr("There are no test results yet. Finish a test and its score will "
                                                "show here.");
        return nullptr;
    }
    QChart* chart = new_chart(Quillory::tr("Test scores"));
    auto* x = new QDateTimeAxis;
    x->setFormat(QStringLiteral("M/d/yyyy"));
    x->setTitleText(Quillory::tr("Date"));
    auto* y = new QValueAxis;
    y->setRange(0, 100);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTitleText(Quillory::tr("Score (%)"));
    y->setTickCount(6);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    qint64 first = std::numeric_limits<qint64>::max(), last = std::numeric_limits<qint64>::min();
    for (const ScoreSeries& s : series) {
        auto* line = new QLineSeries(chart);
        line->setName(s.language.isEmpty() ? Quillory::tr("(no language)") : s.language);
        // Markers on thousands of tests would hide the line and slow every redraw.
        line->setPointsVisible(s.tests.size() <= kMostMarkedTests);
        QList<QPointF> points;
        points.reserve(qsizetype(s.tests.size()));
        for (int i : s.tests) {
            const TestRecord& t = history_.tests[size_t(i)];
            const qint64 ms = t.started.toMSecsSinceEpoch();
            first = std::min(first, ms);
            last = std::max(last, ms);
            points.append(QPointF(double(ms), t.percent));
        }
        line->replace(points);
        chart->addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
        connect(line, &QLineSeries::hovered, this, [this, chart, line, tests = s.tests](const QPointF& at, bool entered) {
            if (!entered) return;
            // The hovered place lies on the line between two tests; the nearest one on screen is meant.
            const QPointF here = chart->mapToPosition(at, line);
            int best = -1;
            double best_distance = 0;
            const QList<QPointF> points = line->points();
            for (int k = 0; k < points.size(); ++k) {
                const QPointF d = chart->mapToPosition(points[k], line) - here;
                const double distance = d.x() * d.x() + d.y() * d.y();
                if (best < 0 || distance < best_distance) best = k, best_distance = distance;
            }
            if (best >= 0) show_test_detail(tests[size_t(best)]);
        });
    }
    set_day_ticks(x, first, last);
    return chart;
}

void ProgressWindow::show_test_detail(int test) {
    if (test < 0 || test >= int(history_.tests.size())) return;
    const TestRecord& t = history_.tests[size_t(test)];
    QStringList parts{t.word_source};
    if (!t.kind.isEmpty()) parts << t.kind;
    parts << (t.questions == 1 ? Quillory::tr("%n question", nullptr, t.questions) : Quillory::tr("%n questions", nullptr, t.questions));
    parts << QString::number(t.percent) + u'%';
    const QString text = parts.join(QStringLiteral(", ")) + QStringLiteral("  (") + t.language + QStringLiteral(", ") +
                         us_date(t.started) + u')';
    show_text(detail_label_, text);
    QToolTip::showText(QCursor::pos(), text, pages_[0].view);
}

QChart* ProgressWindow::build_known_words_chart(QString* empty_sentence) const {
    if (language_.current_language.isEmpty()) {
        *empty_sentence = Quillory::tr("Choose a language in the main window to see the known words of its lists.");
        return nullptr;
    }
    const auto lists = known_words_by_list(workspace_.user_folder + language_.current_language + u'/');
    if (lists.empty()) {
        *empty_sentence = Quillory::tr("There are no word lists of yours in %1 yet. Click a list in the main "
                                         "window and double-click the words you know.")
                              .arg(language_.current_language);
        return nullptr;
    }
    QChart* chart = new_chart(Quillory::tr("Known words in %1").arg(language_.current_language));
    auto* known = new QBarSet(Quillory::tr("Known"));
    auto* unknown = new QBarSet(Quillory::tr("Unknown"));
    known->setColor(QColor(0, 0, 192));
    unknown->setColor(QColor(200, 200, 215));
    QStringList names;
    int most = 0;
    // Listed top down in name order: a horizontal bar axis counts from the bottom.
    for (auto it = lists.rbegin(); it != lists.rend(); ++it) {
        names << it->list;
        *known << it->known;
        *unknown << it->unknown;
        most = std::max(most, it->known + it->unknown);
    }
    auto* series = new QHorizontalStackedBarSeries(chart);
    series->append(known);
    series->append(unknown);
    chart->addSeries(series);
    auto* lists_axis = new QBarCategoryAxis;
    lists_axis->append(names);
    auto* counts = new QValueAxis;
    counts->setRange(0, most);
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->setTitleText(Quillory::tr("Words"));
    counts->applyNiceNumbers();
    chart->addAxis(lists_axis, Qt::AlignLeft);
    chart->addAxis(counts, Qt::AlignBottom);
    series->attachAxis(lists_axis);
    series->attachAxis(counts);
    return chart;
}

QChart* ProgressWindow::build_reviews_chart(QString* empty_sentence) const {
    const ReviewDueDates& reader = review_due_dates();
    if (language_.current_language.isEmpty()) {
        *empty_sentence = Quillory::tr("Choose a language in the main window to see the reviews ahead in it.");
        return nullptr;
    }
    const auto dates = reader ? reader(workspace_.user_folder + language_.current_language + u'/', today) : std::nullopt;
    if (!dates) {
        *empty_sentence = Quillory::tr("There is no review schedule to show yet.");
        return nullptr;
    }
    const auto days = due_per_day(*dates, today, kReviewDays);
    int most = 0;
    for (int n : days) most = std::max(most, n);
    if (most == 0) {
        *empty_sentence = Quillory::tr("No reviews are due in %1 over the next %2 days.").arg(language_.current_language).arg(kReviewDays);
        return nullptr;
    }
    QChart* chart = new_chart(Quillory::tr("Reviews ahead in %1").arg(language_.current_language));
    auto* due = new QBarSet(Quillory::tr("Words due"));
    due->setColor(QColor(0, 0, 192));
    for (int d = 0; d < kReviewDays; ++d) *due << days[size_t(d)];
    auto* series = new QBarSeries(chart);
    series->append(due);
    series->setBarWidth(0.7);
    chart->addSeries(series);
    // Days counted from today rather than dates as categories: thirty dates do not fit under the
    // bars, and day-of-month labels repeat when a month is shorter than the span.
    auto* day_axis = new QValueAxis;
    day_axis->setRange(-0.5, kReviewDays - 0.5);
    day_axis->setTickType(QValueAxis::TicksDynamic);
    day_axis->setTickAnchor(0);
    day_axis->setTickInterval(5);
    day_axis->setLabelFormat(QStringLiteral("%d"));
    day_axis->setTitleText(Quillory::tr("Days from today, %1 (words overdue count today)")
                               .arg(today.toString(QStringLiteral("M/d/yyyy"))));
    auto* counts = new QValueAxis;
    counts->setRange(0, most);
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->setTitleText(Quillory::tr("Words"));
    counts->applyNiceNumbers();
    chart->addAxis(day_axis, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    series->attachAxis(day_axis);
    series->attachAxis(counts);
    chart->legend()->hide();
    return chart;
}

void ProgressWindow::show_page(Page page) { tabs_->setCurrentIndex(int(page)); }

ProgressWindow::Page ProgressWindow::shown_page() const { return Page(tabs_->currentIndex()); }

QChart* ProgressWindow::shown_chart() const {
    const PageWidgets& p = pages_[tabs_->currentIndex()];
    return p.stack->currentWidget() == p.view ? p.view->chart() : nullptr;
}

QString ProgressWindow::sentence(Page page) const {
    const PageWidgets& p = pages_[int(page)];
    return p.stack->currentWidget() == p.sentence ? p.sentence->text() : QString();
}

void ProgressWindow::update_save_button() { save_image_->setEnabled(shown_chart() != nullptr); }

QString ProgressWindow::default_image_name() const {
    const QString date = today.toString(Qt::ISODate);
    return workspace_.student_name.isEmpty() ? QStringLiteral("progress_%1.png").arg(date)
                                     : QStringLiteral("progress_%1_%2.png").arg(workspace_.student_name, date);
}

void ProgressWindow::on_save_image() {
    if (!shown_chart()) return;
    const QString path = ask_image_path ? ask_image_path(workspace_.working_folder + default_image_name()) : QString();
    if (path.isEmpty()) return;
    save_image(path);
}

bool ProgressWindow::save_image(const QString& chosen) {
    const auto refuse = [this](const QString& text) {
        if (services_.prompter) services_.prompter->message(text);
        return false;
    };
    // A typed name is a name in the working folder; a path from the dialog was chosen folder by folder,
    // but a ".." in it still leaves the folder it names.
    const bool absolute = QFileInfo(chosen).isAbsolute();
    const QStringList parts = chosen.split(u'/');
    if (parts.contains(QStringLiteral("..")) || parts.contains(QStringLiteral(".")) || (!absolute && parts.size() > 1))
        return refuse(unsafe_name_message(Quillory::tr("file name")));
    QString name = parts.last();
    if (!name.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) name += QStringLiteral(".png");
    if (const QString refusal = path_name_refusal(name, Quillory::tr("file name")); !refusal.isEmpty())
        return refuse(refusal);
    const QString folder = absolute ? chosen.left(chosen.size() - parts.last().size()) : workspace_.working_folder;
    const QString path = folder + name;

    // Drawn afresh at the window's size, so the picture does not depend on how the page is laid out.
    QString empty;
    QChart* chart = build_chart(shown_page(), &empty);
    if (!chart) return refuse(Quillory::tr("There is no chart to save on this page yet."));
    QChartView view;
    view.setChart(chart);
    view.setRenderHint(QPainter::Antialiasing, draw_smooth(chart));
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(size());
    view.show();  // lays the chart out at its size without putting it on the screen
    QImage image(size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    static_cast<QWidget&>(view).render(&image);  // the widget as shown, not the scene
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) return refuse(Quillory::tr("The image of the chart could not be made."));
    QString error;
    if (!write_bytes(path, png, &error)) return refuse(error);
    return true;
}

}  // namespace ql
