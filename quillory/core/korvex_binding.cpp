#include "core/korvex_binding.h"
#include "core/ui_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <dlfcn.h>

namespace ql {

namespace {

constexpr const char* kLibraryName = "libkorvex.so.1";
constexpr const char* kSymbol = "BLF_FileHex";

using BlfFileHex = int (*)(const char*, const char*, const char*, int, const char*, const char*);

struct Binding {
    QMutex mutex;
    void* handle = nullptr;
    BlfFileHex fileHex = nullptr;
    QString loadedPath;
    QString overridePath;
};

Binding& binding() {
    static Binding b;
    return b;
}

QString executableDir() {
    if (QCoreApplication::instance() != nullptr) return QCoreApplication::applicationDirPath();
    // Without an application object (tools, tests) the link in /proc names the running executable.
    const QFileInfo exe(QStringLiteral("/proc/self/exe"));
    return QFileInfo(exe.symLinkTarget()).absolutePath();
}

QStringList candidates(const QString& overridePath) {
    if (!overridePath.isEmpty()) return {overridePath};
    const QByteArray env = qgetenv("QL_KORVEX_PATH");
    if (!env.isEmpty()) return {QString::fromLocal8Bit(env)};
    QStringList list;
    const QString dir = executableDir();
    if (!dir.isEmpty()) list << dir + QLatin1Char('/') + QLatin1String(kLibraryName);
#ifdef QL_KORVEX_INSTALL_DIR
    // An installed program finds the library where the same install put it, relative to itself,
    // so a tree moved elsewhere or unpacked under a DESTDIR still works.
    if (!dir.isEmpty())
        list << QDir::cleanPath(dir + QLatin1Char('/') + QLatin1String(QL_KORVEX_INSTALL_DIR) + QLatin1Char('/') +
                                QLatin1String(kLibraryName));
#endif
    list << QLatin1String(kLibraryName);
    return list;
}

void unload(Binding& b) {
    if (b.handle != nullptr) dlclose(b.handle);
    b.handle = nullptr;
    b.fileHex = nullptr;
    b.loadedPath.clear();
}

// Loads and binds on first use; a failure is not remembered, so a library installed later is found.
bool ensureLoaded(Binding& b, QString* error) {
    if (b.fileHex != nullptr) return true;
    QStringList failures;
    for (const QString& path : candidates(b.overridePath)) {
        // A bare name goes through the system search; a path with a slash is taken as it is, but
        // only when the file is there, so a missing copy beside the executable is no error.
        if (path.contains(QLatin1Char('/')) && !QFileInfo::exists(path)) {
            failures << Quillory::tr("%1: no such file").arg(path);
            continue;
        }
        dlerror();
        void* handle = dlopen(QFile::encodeName(path).constData(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            const char* why = dlerror();
            failures << (why != nullptr ? QString::fromLocal8Bit(why) : path);
            continue;
        }
        dlerror();
        auto fn = reinterpret_cast<BlfFileHex>(dlsym(handle, kSymbol));
        if (fn == nullptr) {
            failures << Quillory::tr("%1 does not provide %2").arg(path, QLatin1String(kSymbol));
            dlclose(handle);
            continue;
        }
        b.handle = handle;
        b.fileHex = fn;
        b.loadedPath = path;
        return true;
    }
    *error = Quillory::tr("The cipher library %1 could not be used, so recordings cannot be "
                            "enciphered or deciphered (%2).")
                 .arg(QLatin1String(kLibraryName), failures.join(QStringLiteral("; ")));
    return false;
}

}  // namespace

KorvexResult blf_file_hex(const QByteArray& out, const QByteArray& in, const QByteArray& keyHex,
                          int direction, const QByteArray& mode, const QByteArray& ivHex) {
    Binding& b = binding();
    QMutexLocker lock(&b.mutex);
    KorvexResult result;
    if (!ensureLoaded(b, &result.error)) return result;
    result.loaded = true;
    // QByteArray::constData is always zero-terminated, which the library's strings need.
    result.code = b.fileHex(out.constData(), in.constData(), keyHex.constData(), direction,
                            mode.constData(), ivHex.constData());
    return result;
}

void set_korvex_library_path(const QString& path) {
    Binding& b = binding();
    QMutexLocker lock(&b.mutex);
    unload(b);
    b.overridePath = path;
}

QString korvex_loaded_path() {
    Binding& b = binding();
    QMutexLocker lock(&b.mutex);
    return b.loadedPath;
}

}  // namespace ql
