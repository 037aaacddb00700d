#pragma once
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class QTranslator;

namespace ql {

struct Workspace;

// A language the interface can be shown in. An empty code stands for the system's language.
struct InterfaceLanguage {
    QString code;  // "", "en", "es", "de", "fr", "pt_BR"
    QString name;  // in its own language, as a speaker looks for it
};

// System, English and every translation, in the order the Options menu offers them.
const std::vector<InterfaceLanguage>& interface_languages();

// The translation a locale asks for, read as the C library reads it: LC_ALL, then LC_MESSAGES, then
// LANG, the first that is set. "es", "de", "fr" or "pt_BR" (any Portuguese), and "en" for every
// other language and for the C and POSIX locales.
QString interface_language_of_locale(const QString& lc_all, const QString& lc_messages, const QString& lang);
// The same, from this process's environment.
QString system_interface_language();

// The student's choice, kept in users/<student>/settings.ini: a code of interface_languages(), ""
// (follow the system) when none was made or the value is not one of them.
QString load_interface_language(const Workspace& w);
bool save_interface_language(const Workspace& w, const QString& code);

// Folders that may hold quillory_<code>.qm, nearest first: beside the executable (the build tree)
// and share/quillory/translations of its install.
QStringList translation_folders(const QString& executable_dir);

// The translation in effect: the program's own and the toolkit's (standard buttons, file dialogs).
// Switching sends every widget a LanguageChange event.
class InterfaceTranslation {
public:
    explicit InterfaceTranslation(QStringList folders);
    ~InterfaceTranslation();
    InterfaceTranslation(const InterfaceTranslation&) = delete;
    InterfaceTranslation& operator=(const InterfaceTranslation&) = delete;

    // Shows the interface in `code` ("" = the system's language). False when its translation could
    // not be loaded; the interface is then in English.
    bool use(const QString& code);
    // The language in effect: "en" or a translation's code.
    const QString& current() const { return current_; }

private:
    QStringList folders_;
    QString current_ = QStringLiteral("en");
    std::unique_ptr<QTranslator> program_, toolkit_;
};

}  // namespace ql
