#pragma once
// Independent checks of stored new recordings: OpenSSL's Blowfish deciphers them, so the tests do
// not depend on the program's own cipher library to tell whether a recording is right.
#include "core/new_recordings.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
#include <openssl/blowfish.h>

namespace ql::testing {

inline QByteArray read_file(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline QByteArray sound_key_bytes() { return QByteArray::fromHex(kSoundKeyHex); }
inline QByteArray sound_vector_bytes() { return QByteArray::fromHex(kSoundVectorHex); }

// CBC with the sound key and vector; `padded` strips (and requires) the 1 to 8 pad bytes.
inline QByteArray openssl_sound_cipher(const QByteArray& in, bool encipher) {
    const QByteArray key = sound_key_bytes();
    QByteArray iv = sound_vector_bytes();
    BF_KEY k;
    BF_set_key(&k, int(key.size()), reinterpret_cast<const unsigned char*>(key.constData()));
    QByteArray out(in.size(), '\0');
    BF_cbc_encrypt(reinterpret_cast<const unsigned char*>(in.constData()), reinterpret_cast<unsigned char*>(out.data()),
                   long(in.size()), &k, reinterpret_cast<unsigned char*>(iv.data()), encipher ? BF_ENCRYPT : BF_DECRYPT);
    return out;
}

// The samples held by a stored recording, or a null array when its padding is wrong.
inline QByteArray openssl_decipher_recording(const QByteArray& stored) {
    if (stored.isEmpty() || stored.size() % 8 != 0) return QByteArray();
    QByteArray plain = openssl_sound_cipher(stored, false);
    const int pad = static_cast<unsigned char>(plain.back());
    if (pad < 1 || pad > 8) return QByteArray();
    for (int k = 1; k <= pad; ++k)
        if (static_cast<unsigned char>(plain[plain.size() - k]) != pad) return QByteArray();
    plain.chop(pad);
    return plain;
}

// Little-endian bytes of 16-bit samples.
inline QByteArray pcm_bytes(const std::vector<short>& samples, size_t count) {
    QByteArray out;
    out.reserve(qsizetype(count * 2));
    for (size_t k = 0; k < count && k < samples.size(); ++k) {
        const auto u = std::uint16_t(samples[k]);
        out += char(u & 0xff);
        out += char(u >> 8);
    }
    return out;
}

}  // namespace ql::testing

#pragma GCC diagnostic pop
