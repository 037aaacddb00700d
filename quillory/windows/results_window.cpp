#include "results_window.h"

#include "core/main_view.h"
#include "core/prompter.h"
#include "core/text_file.h"
#include "core/ui_text.h"

#include <QCloseEvent>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QTextDocument>
#include <QTextOption>
#include <QVBoxLayout>

namespace ql {

namespace {

// Tab stops after the widest text of each tab-separated column, so that the nine fields of the
// results lines (and the word list's translations) stand in columns. A column wider than `cap`
// does not push every other line far right; its long fields just move on to the next stop.
// Returns the width of the lined-up text.
qreal line_up_columns(QPlainTextEdit& box, const QString& text) {
    const QFontMetricsF fm(box.font());
    const qreal gap = fm.horizontalAdvance(QStringLiteral("  "));
    const qreal cap = fm.horizontalAdvance(QString(28, u'x'));
    std::vector<qreal> widest;
    qreal last = 0;
    for (const QStringView line : QStringView(text).split(u'\n')) {
        const auto fields = line.split(u'\t');
        if (fields.size() > qsizetype(widest.size()) + 1) widest.resize(size_t(fields.size() - 1), 0);
        for (qsizetype i = 0; i + 1 < fields.size(); ++i)
            widest[size_t(i)] = std::max(widest[size_t(i)], std::min(cap, fm.horizontalAdvance(fields[i].toString())));
        last = std::max(last, fm.horizontalAdvance(fields.last().toString()));
    }
    QList<QTextOption::Tab> tabs;
    qreal x = 0;
    for (qreal w : widest) {
        x += w + gap;
        tabs << QTextOption::Tab(x, QTextOption::LeftTab);
    }
    if (!tabs.isEmpty()) {
        QTextOption option = box.document()->defaultTextOption();
        option.setTabs(tabs);
        box.document()->setDefaultTextOption(option);
    }
    return x + last;
}

}  // namespace

ResultsWindow::ResultsWindow(const Services& services, const Workspace& workspace, const QString& text, QWidget* parent)
    : QWidget(parent), services_(services), workspace_(workspace) {
    default_printer_name = [] { return QPrinterInfo::defaultPrinter().printerName(); };
    setObjectName(QStringLiteral("test_results"));
    setWindowTitle(Quillory::tr("Test Results"));

    text_box_ = new QPlainTextEdit(this);
    text_box_->setObjectName(QStringLiteral("TextBox1"));
    text_box_->setAccessibleName(Quillory::tr("Results text"));
    // The word list lines its columns up with spaces and tabs.
    text_box_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_box_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_box_->setTabChangesFocus(false);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    text_box_->setPlainText(shown);
    const qreal text_width = line_up_columns(*text_box_, shown);

    print_test_results_ = new QPushButton(
        Quillory::tr("Print Text Directly to Default Printer. May not finish printing until program is exited."), this);
    print_test_results_->setObjectName(QStringLiteral("print_test_results"));
    save_and_exit_ = new QPushButton(Quillory::tr("Save to a file"), this);
    save_and_exit_->setObjectName(QStringLiteral("save_and_exit"));
    exit_without_save_ = new QPushButton(Quillory::tr("Exit"), this);
    exit_without_save_->setObjectName(QStringLiteral("exit_without_save"));
    connect(print_test_results_, &QPushButton::clicked, this, [this] { on_print_test_results(); });
    connect(save_and_exit_, &QPushButton::clicked, this, [this] { on_save_and_exit(); });
    connect(exit_without_save_, &QPushButton::clicked, this, [this] { on_exit_without_save(); });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print_test_results_, 1);
    buttons->addWidget(save_and_exit_);
    buttons->addWidget(exit_without_save_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_box_, 1);
    layout->addLayout(buttons);
    // Wide enough for the lined-up columns, up to the last field (the date a test started), when the
    // screen allows.
    int width = 900;
    const int wanted = int(text_width) + 2 * text_box_->frameWidth() + 40;
    const QScreen* screen = this->screen();
    const int room = screen ? screen->availableGeometry().width() - 40 : 1240;
    width = std::clamp(wanted, width, std::max(width, std::min(room, 1240)));
    resize(width, 560);
}

ResultsWindow* ResultsWindow::open(const Services& services, const Workspace& workspace, const QString& text) {
    auto* w = new ResultsWindow(services, workspace, text);
    w->delete_on_close_ = true;
    w->show();
    return w;
}

QString& ResultsWindow::save_name() {
    static QString name;
    return name;
}

QString ResultsWindow::text() const {
    // The raw text keeps non-breaking spaces, which the plain-text rendering turns into spaces.
    QString t = text_box_->document()->toRawText();
    t.replace(QChar::ParagraphSeparator, u'\n').replace(QChar::LineSeparator, u'\n');
    return t;
}

void ResultsWindow::on_print_test_results() {
    QPrinter printer(QPrinter::HighResolution);
    QString where;
    if (!print_to_file.isEmpty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(print_to_file);
        where = print_to_file;
    } else {
        const QString name = default_printer_name ? default_printer_name() : QString();
        if (name.isEmpty()) {
            if (services_.prompter)
                services_.prompter->message(Quillory::tr("There is no default printer, so the text was not printed. "
                                                    "Set up a default printer, or save the text to a file."));
            return;
        }
        printer.setPrinterName(name);
        where = name;
    }
    QTextDocument doc;
    doc.setDefaultFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    doc.setPlainText(text());
    // Printing through a painter that is ended here sends the job now rather than at exit.
    doc.print(&printer);
    if (printer.printerState() == QPrinter::Error && services_.prompter)
        services_.prompter->message(Quillory::tr("The text could not be printed on %1.").arg(where));
}

void ResultsWindow::on_save_and_exit() {
    const auto answer = services_.prompter ? services_.prompter->input(Quillory::tr("What would you like to save this file as?"),
                                                         Quillory::tr("Save File"), save_name())
                                    : std::nullopt;
    if (answer) save_name() = *answer;
    if (!answer || answer->trimmed().isEmpty()) {
        if (services_.prompter) services_.prompter->message(Quillory::tr("No file name was given, so the text was not saved."));
        return;
    }
    // A name without a folder belongs in the working folder, the program's current folder.
    const QString path = QDir::isAbsolutePath(*answer) ? *answer : workspace_.working_folder + *answer;
    QString body = text();
    body.replace(u'\n', QStringLiteral("\r\n"));
    // A file saved over keeps its character set, as every file the program writes does.
    FileChanges changes;
    changes.rewrite_text(path, body + QStringLiteral("\r\n"));
    QString error;
    if (!changes.apply(&error)) {
        if (services_.prompter) services_.prompter->message(error);
        return;
    }
    close();
}

void ResultsWindow::on_exit_without_save() { close(); }

void ResultsWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closed_) return;
    closed_ = true;
    if (services_.main_view) services_.main_view->show_main();
    if (delete_on_close_) deleteLater();
}

}  // namespace ql
