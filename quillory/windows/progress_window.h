#pragma once
#include "core/progress_data.h"
#include "core/language_session.h"
#include "core/services.h"
#include "core/workspace.h"

#include <QDate>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QChart;
class QChartView;
class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace ql {

// The student's progress drawn as charts: test scores over time, known words per list of the chosen
// language, and the reviews due over the coming days. It only reads; nothing here writes a student file.
class ProgressWindow : public QWidget {
    Q_OBJECT
public:
    // Reads the language chosen in the main window whenever it is read again; the services, the
    // workspace and the language session must outlive the window.
    ProgressWindow(const Services& services, const Workspace& workspace, const LanguageSession& language,
                   QWidget* parent = nullptr);

    // Shows the window for the main window (the one already open, read again), deleted when it closes.
    static ProgressWindow* open(const Services& services, const Workspace& workspace, const LanguageSession& language);

    enum class Page { Scores = 0, KnownWords = 1, Reviews = 2 };

    // Due dates of the student's known words in one language (the student's language folder, ending
    // in '/'); std::nullopt when there is no schedule to read. The review schedule by default;
    // tests stand in dates of their own.
    using ReviewDueDates = std::function<std::optional<std::vector<QDate>>(const QString& language_folder, const QDate& today)>;
    static ReviewDueDates& review_due_dates();
    static std::optional<std::vector<QDate>> schedule_due_dates(const QString& language_folder, const QDate& today);

    // The day the reviews are counted from and the saved image is named after: the review
    // schedule's day. Set reload() after changing it.
    QDate today;
    // Asks where to save the image, starting from the suggested path; an empty answer cancels.
    std::function<QString(const QString& suggested_path)> ask_image_path;

    // Reads the files again and redraws every page.
    void reload();
    void show_page(Page page);
    Page shown_page() const;
    // The chart on the shown page, or nullptr when the page says there is nothing to show.
    QChart* shown_chart() const;
    QString sentence(Page page) const;  // the page's text when it has no chart; empty otherwise

    QString default_image_name() const;
    // Writes the shown chart as PNG at the window's size. A relative name lies in the working
    // folder. Refused names and failed writes are reported through the prompter; returns success.
    bool save_image(const QString& path);

    // ---- handlers ----
    void on_save_image();
    void on_only_language_toggled();

private:
    struct PageWidgets {
        QStackedWidget* stack = nullptr;
        QChartView* view = nullptr;
        QLabel* sentence = nullptr;
    };
    PageWidgets make_page(QWidget* holder, const char* name);
    void set_page_chart(Page page, QChart* chart, const QString& empty_sentence);
    QChart* build_scores_chart(QString* empty_sentence);
    QChart* build_known_words_chart(QString* empty_sentence) const;
    QChart* build_reviews_chart(QString* empty_sentence) const;
    QChart* build_chart(Page page, QString* empty_sentence);
    void show_test_detail(int test);
    void reset_test_detail();
    void update_save_button();

    const Services& services_;
    const Workspace& workspace_;
    const LanguageSession& language_;
    bool delete_on_close_ = false;
    ScoreHistory history_;
    QTabWidget* tabs_ = nullptr;
    PageWidgets pages_[3];
    QCheckBox* only_language_ = nullptr;
    QLabel* unreadable_label_ = nullptr;
    QLabel* detail_label_ = nullptr;
    QPushButton* save_image_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace ql
