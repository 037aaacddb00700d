#include "list_editor_window.h"

#include "core/prompter.h"
#include "core/language_session.h"
#include "core/run_context.h"
#include "core/services.h"
#include "core/workspace.h"
#include "core/text_file.h"
#include "core/ui_text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>

namespace ql {

namespace {

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

QString editor_file_text(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');
    t.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    t += QStringLiteral("\r\n");
    return t;
}

ListEditorWindow::ListEditorWindow(const RunContext& run, QWidget* parent)
    : QWidget(parent, parent ? Qt::Window : Qt::WindowFlags()),
      services_(run.services),
      workspace_(run.workspace),
      lang_(run.language) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("edit_list"));
    setWindowTitle(Quillory::tr("Edit Word List"));
    instructions_label = new QLabel(
        Quillory::tr(
            "This is the advanced view for editing the text of the word/phrase lists. If you don't fully understand "
            "these instructions, it's best to use the previous view.  The format shown below should be like this: "
            "the foreign word or phrase is on the left.  Next is a vertical pipe symbol \"|\". Next is the "
            "translation in the student's native language (normally english). Then there is another pipe \"|\". Then "
            "on the right is a number that identifies the sound file for the foreign word or phrase. This is a "
            "unique number for this language and it should NOT be changed. If you're adding new words, it should "
            "start at the 70000 or the highest number stored in the high_num.dat file. If you add new words using "
            "this form, the high_num.dat must be changed to be one number higher than the highest number you use "
            "here.  Only change the foreign word or phrase on the left.  Do not change the translation (except to "
            "correct spelling) unless you're adding the translation yourself. This window simply shows the text in "
            "a data file that can also be edited with your own text editor."),
        this);
    instructions_label->setObjectName(QStringLiteral("Label1"));
    instructions_label->setWordWrap(true);
    file_label = new QLabel(this);
    file_label->setObjectName(QStringLiteral("file_label"));
    text_box = new QPlainTextEdit(this);
    text_box->setObjectName(QStringLiteral("TextBox1"));
    text_box->setAccessibleName(Quillory::tr("Word list text"));
    text_box->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Tab moves on to the buttons; list lines never hold tabs.
    text_box->setTabChangesFocus(true);
    save_and_exit = button(this, "save_and_exit", Quillory::tr("Save Changes and Exit "));
    exit_without_save = button(this, "exit_without_save", Quillory::tr("Do Not Save Changes and Exit"));
    start_new_list = button(this, "start_new_list", Quillory::tr("Start New Word List for This Language"));
    save_and_exit_unicode = button(this, "save_and_exit_unicode", Quillory::tr("Save File as Unicode and Exit"));

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {save_and_exit, exit_without_save, start_new_list, save_and_exit_unicode}) buttons->addWidget(b);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instructions_label);
    layout->addWidget(file_label);
    layout->addWidget(text_box, 1);
    layout->addLayout(buttons);
    resize(900, 640);

    connect(save_and_exit, &QPushButton::clicked, this, &ListEditorWindow::on_save_and_exit);
    connect(exit_without_save, &QPushButton::clicked, this, &ListEditorWindow::on_exit_without_save);
    connect(start_new_list, &QPushButton::clicked, this, &ListEditorWindow::on_start_new_list);
    connect(save_and_exit_unicode, &QPushButton::clicked, this, &ListEditorWindow::on_save_and_exit_unicode);
}

bool ListEditorWindow::load() {
    const QString folder = workspace_.languages_folder + lang_.current_language + u'/';
    if (!lang_.current_list.isEmpty()) {
        edit_target_file = folder + lang_.current_list + QStringLiteral(".txt");
        const auto text = read_text(edit_target_file);
        if (!text) {
            services_.prompter->message(Quillory::tr("The file %1 could not be read.").arg(edit_target_file));
            return false;
        }
        QString t = *text;
        t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text_box->setPlainText(t);
    } else {
        services_.prompter->message(
            Quillory::tr("A list was not chosen. A blank form will be opened in case you want to start a new list."));
        lang_.current_list = QStringLiteral("temporary");
        edit_target_file = folder + QStringLiteral("temporary.txt");
    }
    show_target();
    show();
    return true;
}

void ListEditorWindow::show_target() {
    file_label->setText(Quillory::tr("Language: %1    List Name: %2")
                            .arg(lang_.current_language, edit_target_file.section(u'/', -1).chopped(4)));
}

void ListEditorWindow::save(bool byte_order_mark) {
    // The raw text keeps non-breaking spaces, which the plain-text view would turn into blanks.
    QString text = text_box->document()->toRawText();
    text.replace(QChar(QChar::ParagraphSeparator), u'\n');
    text.replace(QChar(QChar::LineSeparator), u'\n');
    // The plain save keeps the file in its own character set; the Unicode one writes UTF-8 behind a
    // byte-order mark.
    FileChanges changes;
    changes.rewrite_text(edit_target_file, editor_file_text(text),
                         byte_order_mark ? std::optional(Charset::Utf8WithBom) : std::nullopt);
    QString error;
    if (!changes.apply(&error)) {
        // The window stays open so that the typed text is not lost.
        services_.prompter->message(error);
        return;
    }
    close();
}

void ListEditorWindow::on_save_and_exit() { save(false); }

void ListEditorWindow::on_save_and_exit_unicode() { save(true); }

void ListEditorWindow::on_exit_without_save() { close(); }

void ListEditorWindow::on_start_new_list() {
    const QString name = services_.prompter->input(Quillory::tr("What should be the name of the new word list?")).value_or(QString());
    if (name.isEmpty()) return;
    // A list's name also names the students' "-u.txt" and "-k.txt" files.
    const QString refusal = path_name_refusal(name, Quillory::tr("list name"), 6);
    if (!refusal.isEmpty()) {
        services_.prompter->message(refusal);
        return;
    }
    const QString path = workspace_.languages_folder + lang_.current_language + u'/' + name + QStringLiteral(".txt");
    if (file_exists(path)) {
        services_.prompter->message(Quillory::tr("That file already exits."));
        return;
    }
    QString error;
    if (!write_bytes(path, QByteArray(), &error)) {
        services_.prompter->message(error);
        return;
    }
    text_box->clear();
    edit_target_file = path;
    show_target();
}

}  // namespace ql
