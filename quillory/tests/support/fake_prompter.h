#pragma once
#include "core/prompter.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>

namespace ql::testing {

// A prompter answering from a script. Every message and question is recorded; a question or an
// OK/Cancel box without a scripted answer fails the test, and so do answers left over at the end.
class FakePrompter : public Prompter {
public:
    struct Shown {
        QString kind;  // "message", "ok_cancel" or "input"
        QString text;
        QString title;
    };
    ~FakePrompter() override;

    void message(const QString& text, const QString& title = QString()) override;
    bool ok_cancel(const QString& text, const QString& title = QString()) override;
    std::optional<QString> input(const QString& prompt, const QString& title = QString(),
                                 const QString& default_text = QString()) override;

    // Scripted answers, used in order.
    void answer_input(const QString& text) { answers_.push_back(Answer{Answer::Input, text}); }
    void cancel_input() { answers_.push_back(Answer{Answer::Cancel, {}}); }
    void answer_ok() { answers_.push_back(Answer{Answer::Ok, {}}); }
    void answer_cancel() { answers_.push_back(Answer{Answer::Cancel, {}}); }
    // Runs while a dialog is "open" (e.g. to click something inside a wait); optional.
    std::function<void(const Shown&)> on_shown;

    const std::vector<Shown>& shown() const { return shown_; }
    QStringList messages() const;  // texts of plain messages, in order
    QStringList texts() const;     // texts of everything shown, in order
    void clear() { shown_.clear(); }
    bool all_answers_used() const { return answers_.empty(); }
    // Disables the leftover check (for tests that stop early on purpose).
    void allow_leftovers() { check_leftovers_ = false; }

private:
    struct Answer {
        enum Kind { Input, Cancel, Ok } kind;
        QString text;
    };
    Answer next(const QString& what);
    std::deque<Answer> answers_;
    std::vector<Shown> shown_;
    bool check_leftovers_ = true;
};

}  // namespace ql::testing
