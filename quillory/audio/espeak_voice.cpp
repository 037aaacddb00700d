#include "espeak_voice.h"
#include "core/ui_text.h"

#include <QFile>
#include <espeak-ng/espeak_ng.h>
#include <espeak-ng/speak_lib.h>

#include <cmath>

namespace ql {

namespace {

QString status_text(espeak_ng_STATUS status) {
    char buf[512] = {};
    espeak_ng_GetStatusCodeMessage(status, buf, sizeof buf);
    return QString::fromUtf8(buf).trimmed();
}

struct Collect {
    std::vector<int16_t>* out = nullptr;
};

// In synchronous mode the library calls this on the calling thread, block by block, until a null
// block ends the text.
int on_samples(short* wav, int count, espeak_EVENT* events) {
    if (!wav || count <= 0 || !events) return 0;
    auto* c = static_cast<Collect*>(events->user_data);
    if (c && c->out) c->out->insert(c->out->end(), wav, wav + count);
    return 0;
}

// Some voices (MBROLA) speak at 16 kHz; the audio layer and the recordings run at 22050 Hz.
std::vector<int16_t> resample(const std::vector<int16_t>& in, int from, int to) {
    if (from == to || in.empty() || from <= 0) return in;
    const size_t n = size_t(double(in.size()) * to / from);
    std::vector<int16_t> out(n);
    for (size_t i = 0; i < n; ++i) {
        const double pos = double(i) * from / to;
        const size_t a = size_t(pos);
        const size_t b = std::min(a + 1, in.size() - 1);
        const double f = pos - double(a);
        out[i] = int16_t(std::lround(in[a] * (1.0 - f) + in[b] * f));
    }
    return out;
}

bool speaks_language(const QList<VoiceInfo>& voices, const QString& code) {
    for (const VoiceInfo& v : voices)
        for (const auto& language : v.languages)
            if (language.second.compare(code, Qt::CaseInsensitive) == 0) return true;
    return false;
}

}  // namespace

EspeakVoice::EspeakVoice(QString data_path) : data_path_(std::move(data_path)) {}

EspeakVoice::~EspeakVoice() {
    if (started_) espeak_ng_Terminate();
}

bool EspeakVoice::start() {
    if (started_) return true;
    if (start_failed_) return false;
    const QByteArray path = QFile::encodeName(data_path_);
    espeak_ng_InitializePath(data_path_.isEmpty() ? nullptr : path.constData());
    espeak_ng_ERROR_CONTEXT context = nullptr;
    const espeak_ng_STATUS status = espeak_ng_Initialize(&context);
    if (status != ENS_OK) {
        // The library settles on a folder (the one given, ESPEAK_DATA_PATH or its own) before it
        // fails; without that name "No such file or directory" says nothing a user can act on.
        const char* looked_in = nullptr;
        espeak_Info(&looked_in);
        error_ = Quillory::tr("The speech engine could not start: %1").arg(status_text(status));
        if (looked_in && *looked_in)
            error_ += Quillory::tr(" (it looked for its data in %1)").arg(QFile::decodeName(looked_in));
        espeak_ng_ClearErrorContext(&context);
        start_failed_ = true;
        return false;
    }
    const espeak_ng_STATUS output = espeak_ng_InitializeOutput(ENOUTPUT_MODE_SYNCHRONOUS, 0, nullptr);
    if (output != ENS_OK) {
        error_ = Quillory::tr("The speech engine could not start: %1").arg(status_text(output));
        espeak_ng_Terminate();
        start_failed_ = true;
        return false;
    }
    espeak_SetSynthCallback(on_samples);
    rate_ = espeak_ng_GetSampleRate();
    started_ = true;
    return true;
}

QList<VoiceInfo> EspeakVoice::voices() {
    if (voices_listed_) return voices_;
    if (!start()) return {};
    voices_listed_ = true;
    const espeak_VOICE** list = espeak_ListVoices(nullptr);
    for (int i = 0; list && list[i]; ++i) {
        const espeak_VOICE* v = list[i];
        VoiceInfo info;
        info.name = QString::fromUtf8(v->name ? v->name : "");
        info.identifier = QString::fromUtf8(v->identifier ? v->identifier : "");
        // A priority byte, then a zero-terminated code, repeated; an empty code ends the list.
        for (const char* p = v->languages; p && *p;) {
            const int priority = static_cast<unsigned char>(*p++);
            const QString code = QString::fromUtf8(p);
            p += qstrlen(p) + 1;
            if (code.isEmpty()) break;
            info.languages.append({priority, code});
        }
        voices_ << info;
    }
    return voices_;
}

bool EspeakVoice::synthesize(const QString& voice, const QString& text, std::vector<int16_t>& pcm) {
    pcm.clear();
    if (!start()) return false;
    const QByteArray name = voice.toUtf8();
    if (name != voice_set_) {
        espeak_ng_STATUS status = espeak_ng_SetVoiceByName(name.constData());
        if (status != ENS_OK && speaks_language(voices(), voice)) {
            // A language code ("en-gb") that names no voice file is found by its language, as the
            // espeak-ng command does; a code no voice speaks is not (the library would pick any).
            espeak_VOICE wanted{};
            wanted.languages = name.constData();
            status = espeak_ng_SetVoiceByProperties(&wanted);
        }
        if (status != ENS_OK) {
            voice_set_.clear();
            error_ = Quillory::tr("The voice \"%1\" could not be used: %2").arg(voice, status_text(status));
            return false;
        }
        espeak_ng_SetParameter(espeakRATE, kWordsPerMinute, 0);
        voice_set_ = name;
    }
    const QByteArray utf8 = text.toUtf8();
    std::vector<int16_t> spoken;
    Collect collect{&spoken};
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, &collect);
    if (result != EE_OK) {
        error_ = Quillory::tr("The speech engine could not speak \"%1\".").arg(text);
        return false;
    }
    bool sound = false;
    for (int16_t s : spoken)
        if (s != 0) {
            sound = true;
            break;
        }
    if (!sound) {
        error_ = Quillory::tr("The voice \"%1\" said nothing for \"%2\".").arg(voice, text);
        return false;
    }
    pcm = resample(spoken, rate_, kVoiceSampleRate);
    return true;
}

}  // namespace ql
