#include "fake_prompter.h"

#include <gtest/gtest.h>

namespace ql::testing {

FakePrompter::~FakePrompter() {
    if (check_leftovers_ && !answers_.empty())
        ADD_FAILURE() << answers_.size() << " scripted answer(s) were never asked for";
}

FakePrompter::Answer FakePrompter::next(const QString& what) {
    if (answers_.empty()) {
        ADD_FAILURE() << "Unexpected question: " << what.toStdString();
        return Answer{Answer::Cancel, {}};
    }
    Answer a = answers_.front();
    answers_.pop_front();
    return a;
}

void FakePrompter::message(const QString& text, const QString& title) {
    shown_.push_back({QStringLiteral("message"), text, title});
    if (on_shown) on_shown(shown_.back());
}

bool FakePrompter::ok_cancel(const QString& text, const QString& title) {
    shown_.push_back({QStringLiteral("ok_cancel"), text, title});
    if (on_shown) on_shown(shown_.back());
    const Answer a = next(text);
    if (a.kind == Answer::Input) ADD_FAILURE() << "Text answer given to an OK/Cancel box: " << text.toStdString();
    return a.kind == Answer::Ok;
}

std::optional<QString> FakePrompter::input(const QString& prompt, const QString& title, const QString&) {
    shown_.push_back({QStringLiteral("input"), prompt, title});
    if (on_shown) on_shown(shown_.back());
    const Answer a = next(prompt);
    if (a.kind == Answer::Ok) ADD_FAILURE() << "OK given to an input box: " << prompt.toStdString();
    if (a.kind == Answer::Input) return a.text;
    return std::nullopt;
}

QStringList FakePrompter::messages() const {
    QStringList out;
    for (const auto& s : shown_)
        if (s.kind == u"message") out << s.text;
    return out;
}

QStringList FakePrompter::texts() const {
    QStringList out;
    for (const auto& s : shown_) out << s.text;
    return out;
}

}  // namespace ql::testing
