#pragma once
#include "core/prompter.h"

class QWidget;

namespace ql {

// The program's message and input boxes. Each box is modal over the window that is active when it
// opens, so it stays in front of whichever window asked.
class QtPrompter : public Prompter {
public:
    void message(const QString& text, const QString& title = QString()) override;
    bool ok_cancel(const QString& text, const QString& title = QString()) override;
    std::optional<QString> input(const QString& prompt, const QString& title = QString(),
                                 const QString& default_text = QString()) override;
};

}  // namespace ql
