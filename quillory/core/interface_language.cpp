#include "interface_language.h"

#include "core/spoken_words.h"
#include "core/workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace ql {

namespace {

const QString kSettingKey = QStringLiteral("interface/language");

bool is_offered(const QString& code) {
    for (const InterfaceLanguage& l : interface_languages())
        if (l.code == code) return true;
    return false;
}

}  // namespace

const std::vector<InterfaceLanguage>& interface_languages() {
    // The names are not translated: a student who cannot read the interface finds their own language.
    static const std::vector<InterfaceLanguage> languages = {
        {QString(), QString()},  // System: its caption is translated where the menu is built
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("es"), QStringLiteral("Español")},
        {QStringLiteral("de"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr"), QStringLiteral("Français")},
        {QStringLiteral("pt_BR"), QStringLiteral("Português (Brasil)")},
    };
    return languages;
}

QString interface_language_of_locale(const QString& lc_all, const QString& lc_messages, const QString& lang) {
    QString locale = !lc_all.isEmpty() ? lc_all : !lc_messages.isEmpty() ? lc_messages : lang;
    // "de_AT.UTF-8@euro" -> "de_AT"
    locale = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    const QString language = locale.section(u'_', 0, 0).toLower();
    if (language == u"es" || language == u"de" || language == u"fr") return language;
    if (language == u"pt") return QStringLiteral("pt_BR");
    return QStringLiteral("en");
}

QString system_interface_language() {
    return interface_language_of_locale(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                                        qEnvironmentVariable("LANG"));
}

QString load_interface_language(const Workspace& w) {
    if (w.user_folder.isEmpty()) return QString();
    QSettings settings(student_settings_path(w), QSettings::IniFormat);
    const QString code = settings.value(kSettingKey).toString();
    return is_offered(code) ? code : QString();
}

bool save_interface_language(const Workspace& w, const QString& code) {
    if (w.user_folder.isEmpty()) return false;
    QSettings settings(student_settings_path(w), QSettings::IniFormat);
    if (code.isEmpty())
        settings.remove(kSettingKey);
    else
        settings.setValue(kSettingKey, code);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QStringList translation_folders(const QString& executable_dir) {
    return {executable_dir + QStringLiteral("/translations"),
            QDir::cleanPath(executable_dir + QStringLiteral("/../share/quillory/translations"))};
}

InterfaceTranslation::InterfaceTranslation(QStringList folders) : folders_(std::move(folders)) {}

InterfaceTranslation::~InterfaceTranslation() {
    for (const auto& t : {program_.get(), toolkit_.get()})
        if (t) QCoreApplication::removeTranslator(t);
}

bool InterfaceTranslation::use(const QString& code) {
    const QString wanted = code.isEmpty() ? system_interface_language() : code;
    if (wanted == current_) return true;
    for (const auto& t : {program_.get(), toolkit_.get()})
        if (t) QCoreApplication::removeTranslator(t);
    program_.reset();
    toolkit_.reset();
    current_ = QStringLiteral("en");
    if (wanted == u"en") return true;

    auto program = std::make_unique<QTranslator>();
    bool loaded = false;
    for (const QString& folder : folders_)
        if ((loaded = program->load(QStringLiteral("quillory_") + wanted, folder))) break;
    if (!loaded) return false;
    // The toolkit's own words (OK, Cancel, the file dialog) come with Qt's translations when they are
    // installed; without them those few words stay English.
    auto toolkit = std::make_unique<QTranslator>();
    if (toolkit->load(QStringLiteral("qtbase_") + wanted, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        toolkit_ = std::move(toolkit);
    program_ = std::move(program);
    if (toolkit_) QCoreApplication::installTranslator(toolkit_.get());
    QCoreApplication::installTranslator(program_.get());
    current_ = wanted;
    return true;
}

}  // namespace ql
