// Feeds arbitrary bytes as a language's translation index: the 0-99999 table must never be written
// past and the language's lists must still be found.
#include "core/language_session.h"
#include "core/workspace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir dir;
    static const QString root = dir.path() + u'/';
    static bool laid = [] {
        QDir().mkpath(root + QStringLiteral("languages/xx"));
        QFile t(root + QStringLiteral("languages/xx/trans_xx.dat"));
        if (!t.open(QIODevice::WriteOnly)) return false;
        t.write("yy\r\n");
        QFile l(root + QStringLiteral("languages/xx/a.txt"));
        if (!l.open(QIODevice::WriteOnly)) return false;
        l.write("a|b|00001\r\n");
        return true;
    }();
    if (!laid) return 0;
    {
        QFile f(root + QStringLiteral("languages/xx/trans_index_xx_yy.dat"));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return 0;
        f.write(reinterpret_cast<const char*>(data), qsizetype(size));
    }
    ql::Workspace w;
    w.languages_folder = root + QStringLiteral("languages/");
    w.user_folder = root + QStringLiteral("users/u/");
    const ql::LanguageChoice chosen = ql::choose_language(w, QStringLiteral("xx"));
    if (chosen.lists != QStringList{QStringLiteral("a")} || chosen.session.target_sound_numbers.size() != 100000)
        std::abort();
    return 0;
}
