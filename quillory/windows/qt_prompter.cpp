#include "qt_prompter.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

namespace ql {

namespace {

QString title_or_program(const QString& title) { return title.isEmpty() ? kProgramTitle : title; }

// Message texts carry CR LF (or bare CR) line breaks; a label wants plain line feeds.
QString display_text(const QString& text) {
    QString t = text;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(u'\r', u'\n');  // some notes break lines with a bare carriage return
    return t;
}

// Prompts run to several hundred characters; unwrapped they make a box wider than any screen, with
// OK and Cancel out of reach. About 80 characters a line, as a message box wraps its text.
int wrap_width(const QWidget& w) { return w.fontMetrics().averageCharWidth() * 80; }

int show_box(const QString& text, const QString& title, QMessageBox::StandardButtons buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title_or_program(title));
    box.setTextFormat(Qt::PlainText);
    box.setText(display_text(text));
    box.setStandardButtons(buttons);
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec();
}

}  // namespace

void QtPrompter::message(const QString& text, const QString& title) { show_box(text, title, QMessageBox::Ok); }

bool QtPrompter::ok_cancel(const QString& text, const QString& title) {
    return show_box(text, title, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<QString> QtPrompter::input(const QString& prompt, const QString& title, const QString& default_text) {
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title_or_program(title));
    dialog.setLabelText(display_text(prompt));
    if (auto* label = dialog.findChild<QLabel*>()) {
        label->setWordWrap(true);
        label->setMinimumWidth(std::min(wrap_width(*label), label->fontMetrics().horizontalAdvance(label->text())));
    }
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(default_text);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
}

}  // namespace ql
