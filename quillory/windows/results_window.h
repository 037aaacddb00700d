#pragma once
#include "core/services.h"
#include "core/workspace.h"

#include <QWidget>
#include <functional>

class QPlainTextEdit;
class QPushButton;

namespace ql {

// A plain text viewer for a text handed over (the saved test results or the printable word list),
// which the student may edit, print on the default printer or save to a file.
class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    // The services and the workspace must outlive the window.
    ResultsWindow(const Services& services, const Workspace& workspace, const QString& text, QWidget* parent = nullptr);

    // Creates the window for the main window's text views, deleted when it closes.
    static ResultsWindow* open(const Services& services, const Workspace& workspace, const QString& text);

    // The name last typed in the save prompt; remembered for the whole run.
    static QString& save_name();

    // When not empty, printing writes a PDF file there instead of using a printer (for tests).
    QString print_to_file;
    // The default printer's name, empty when there is none.
    std::function<QString()> default_printer_name;

    QString text() const;

    // ---- handlers ----
    void on_print_test_results();
    void on_save_and_exit();
    void on_exit_without_save();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const Services& services_;
    const Workspace& workspace_;
    bool delete_on_close_ = false;
    bool closed_ = false;
    QPlainTextEdit* text_box_ = nullptr;
    QPushButton* print_test_results_ = nullptr;
    QPushButton* save_and_exit_ = nullptr;
    QPushButton* exit_without_save_ = nullptr;
};

}  // namespace ql
