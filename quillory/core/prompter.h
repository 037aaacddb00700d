#pragma once
#include <QString>
#include <optional>

namespace ql {

// Every note and question the program puts to the user goes through here, so that the windows show
// real dialogs and the tests answer from a script.
class Prompter {
public:
    virtual ~Prompter() = default;
    // A message box with an OK button. An empty title means the program's own title.
    virtual void message(const QString& text, const QString& title = QString()) = 0;
    // A message box with OK and Cancel; true when OK was pressed.
    virtual bool ok_cancel(const QString& text, const QString& title = QString()) = 0;
    // An input box; std::nullopt when cancelled.
    virtual std::optional<QString> input(const QString& prompt, const QString& title = QString(),
                                         const QString& default_text = QString()) = 0;
};

inline const QString kProgramTitle = QStringLiteral("Quillory");

}  // namespace ql
