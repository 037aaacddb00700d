#pragma once
#include <QByteArray>
#include <QString>

namespace ql {

// The program never links the cipher library: it loads libkorvex.so.1 by name at the first encipher
// or decipher and binds BLF_FileHex. Where it looks, in order:
//   1. the path given to set_korvex_library_path, when not empty; otherwise the file named by the
//      environment variable QL_KORVEX_PATH, when set and not empty (the test run points it at the
//      freshly built library);
//   2. libkorvex.so.1 beside the executable;
//   3. libkorvex.so.1 through the system's library search.
struct KorvexResult {
    bool loaded = false;  // false: the library or BLF_FileHex is unavailable; `error` says why
    int code = -1;        // BLF_FileHex's result code when loaded (0 = success)
    QString error;        // empty when loaded
};

// BLF_FileHex(out, in, key_hex, direction, mode, vector_hex): direction -1 enciphers, 0 deciphers.
KorvexResult blf_file_hex(const QByteArray& out, const QByteArray& in, const QByteArray& keyHex,
                          int direction, const QByteArray& mode, const QByteArray& ivHex);

// Uses this library file instead of searching (empty: search again). Drops a library already bound,
// so the next call loads afresh.
void set_korvex_library_path(const QString& path);

// The file the binding loaded, or empty when nothing is loaded yet.
QString korvex_loaded_path();

}  // namespace ql
