#pragma once
#include <QString>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace ql {

struct RunContext;
struct Services;
struct Workspace;
struct LanguageSession;

// "Edit Word List": a word-list file of the current language as raw text, for contributors who
// would rather edit the lines directly. Opened over the record-and-edit window, which stays open.
class ListEditorWindow : public QWidget {
    Q_OBJECT
public:
    explicit ListEditorWindow(const RunContext& run, QWidget* parent = nullptr);

    // Loads the current list (or binds the empty box to "temporary" when none is chosen) and shows
    // the window. False, with the window not shown, when the list cannot be read.
    bool load();

    // The file a save writes to.
    QString edit_target_file;

    QLabel* instructions_label = nullptr;
    QLabel* file_label = nullptr;
    QPlainTextEdit* text_box = nullptr;
    QPushButton *save_and_exit = nullptr, *exit_without_save = nullptr, *start_new_list = nullptr,
                *save_and_exit_unicode = nullptr;

public slots:
    void on_save_and_exit();
    void on_exit_without_save();
    void on_start_new_list();
    void on_save_and_exit_unicode();

private:
    void save(bool byte_order_mark);
    void show_target();
    const Services& services_;
    const Workspace& workspace_;
    // The chosen list: a blank form names it "temporary", so the windows after it work on that list.
    LanguageSession& lang_;
};

// The text a save writes for the editor's text: every line ended by CR LF and one more CR LF at the
// end.
QString editor_file_text(const QString& text);

}  // namespace ql
