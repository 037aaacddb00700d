#include "core/korvex_binding.h"

#include <gtest/gtest.h>

// OpenSSL's low-level Blowfish is deprecated, and exactly the independent reference wanted here.
#define OPENSSL_SUPPRESS_DEPRECATED
#include <openssl/blowfish.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace ql;

namespace {

// The key and vector the program uses for its recordings are not needed here: any 128-bit key
// and 64-bit vector in hex exercise the same call.
const QByteArray kKeyHex = "8E2F4A6C0B1D3E5F7A9C8B6D4E2F1A3C";
const QByteArray kIvHex = "1F2E3D4C5B6A7988";

QByteArray fromHex(const QByteArray& hex) { return QByteArray::fromHex(hex); }

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(data), data.size());
}

// Independent CBC with PKCS #5 padding: what an enciphered recording must hold, byte for byte.
QByteArray referenceCbc(const QByteArray& plain) {
    QByteArray padded = plain;
    const int pad = 8 - int(plain.size() % 8);
    padded.append(QByteArray(pad, char(pad)));
    const QByteArray key = fromHex(kKeyHex);
    QByteArray iv = fromHex(kIvHex);
    BF_KEY schedule;
    BF_set_key(&schedule, int(key.size()), reinterpret_cast<const unsigned char*>(key.constData()));
    QByteArray out(padded.size(), '\0');
    BF_cbc_encrypt(reinterpret_cast<const unsigned char*>(padded.constData()),
                   reinterpret_cast<unsigned char*>(out.data()), long(padded.size()), &schedule,
                   reinterpret_cast<unsigned char*>(iv.data()), BF_ENCRYPT);
    return out;
}

class KorvexBinding : public ::testing::Test {
protected:
    void TearDown() override { set_korvex_library_path(QString()); }
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QLatin1String(name)); }
};

// The build's library, handed to the test run in QL_KORVEX_PATH.
QString builtLibrary() { return QString::fromLocal8Bit(qgetenv("QL_KORVEX_PATH")); }

TEST_F(KorvexBinding, EnciphersAndDeciphersARecordingThroughTheLibrary) {
    if (builtLibrary().isEmpty()) GTEST_SKIP() << "QL_KORVEX_PATH is not set";
    set_korvex_library_path(builtLibrary());
    QByteArray plain(1000, '\0');
    for (int i = 0; i < plain.size(); ++i) plain[i] = char(i * 31 + 7);
    writeAll(path("take.raw"), plain);

    const KorvexResult enc = blf_file_hex(QFile::encodeName(path("take.str")),
                                          QFile::encodeName(path("take.raw")), kKeyHex, -1, "CBC", kIvHex);
    ASSERT_TRUE(enc.loaded) << enc.error.toStdString();
    EXPECT_EQ(enc.code, 0);
    EXPECT_TRUE(enc.error.isEmpty());
    EXPECT_EQ(korvex_loaded_path(), builtLibrary());
    const QByteArray cipher = readAll(path("take.str"));
    EXPECT_EQ(cipher.size(), 1008);
    EXPECT_EQ(cipher, referenceCbc(plain));

    const KorvexResult dec = blf_file_hex(QFile::encodeName(path("take.out")),
                                          QFile::encodeName(path("take.str")), kKeyHex, 0, "CBC", kIvHex);
    ASSERT_TRUE(dec.loaded);
    EXPECT_EQ(dec.code, 0);
    EXPECT_EQ(readAll(path("take.out")), plain);

    // The library's own result codes come through unchanged.
    const KorvexResult missing = blf_file_hex(QFile::encodeName(path("x.str")),
                                              QFile::encodeName(path("none.raw")), kKeyHex, -1, "CBC", kIvHex);
    EXPECT_TRUE(missing.loaded);
    EXPECT_EQ(missing.code, 1);
}

TEST_F(KorvexBinding, MissingLibraryGivesAClearErrorNotACrash) {
    writeAll(path("take.raw"), QByteArray(16, 'a'));
    set_korvex_library_path(path("nowhere/libkorvex.so.1"));
    const KorvexResult r = blf_file_hex(QFile::encodeName(path("take.str")),
                                        QFile::encodeName(path("take.raw")), kKeyHex, -1, "CBC", kIvHex);
    EXPECT_FALSE(r.loaded);
    EXPECT_TRUE(r.error.contains(QLatin1String("libkorvex.so.1"))) << r.error.toStdString();
    EXPECT_TRUE(r.error.contains(QLatin1String("nowhere"))) << "names where it looked";
    EXPECT_FALSE(QFile::exists(path("take.str")));
    EXPECT_TRUE(korvex_loaded_path().isEmpty());
}

TEST_F(KorvexBinding, LibraryWithoutTheExportIsRefused) {
    // Any real shared library that lacks BLF_FileHex: the maths library is always there.
    set_korvex_library_path(QStringLiteral("libm.so.6"));
    const KorvexResult r = blf_file_hex("a", "b", kKeyHex, -1, "CBC", kIvHex);
    EXPECT_FALSE(r.loaded);
    EXPECT_TRUE(r.error.contains(QLatin1String("BLF_FileHex"))) << r.error.toStdString();

    // A failure is not remembered: once the library is there, the next call works.
    if (builtLibrary().isEmpty()) return;
    set_korvex_library_path(builtLibrary());
    writeAll(path("p"), QByteArray(3, 'z'));
    const KorvexResult ok = blf_file_hex(QFile::encodeName(path("e")), QFile::encodeName(path("p")),
                                         kKeyHex, -1, "OFB", kIvHex);
    EXPECT_TRUE(ok.loaded);
    EXPECT_EQ(ok.code, 0);
    EXPECT_EQ(readAll(path("e")).size(), 3);
}

}  // namespace
