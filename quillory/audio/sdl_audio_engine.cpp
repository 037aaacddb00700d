#include "sdl_audio_engine.h"

#include "core/wav_header.h"

#include <QFile>
#include <QFileInfo>
#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <new>

namespace ql {

namespace {

// The mixer reports a finished channel on its own audio thread, where nothing may be freed and our
// tables may not be touched. The callback only raises flags; the main thread releases the samples at
// its next call into the engine.
std::unique_ptr<std::atomic<bool>[]> g_channel_done;
std::atomic<int> g_channel_count{0};
std::atomic<bool> g_any_done{false};
const SdlAudioEngine* g_open_engine = nullptr;

void on_channel_finished(int channel) {
    if (channel >= 0 && channel < g_channel_count.load()) {
        g_channel_done[size_t(channel)].store(true);
        g_any_done.store(true);
    }
}

enum class FileKind { Unknown, Wav, Mp3 };

FileKind sniff(const QByteArray& head) {
    const auto* b = reinterpret_cast<const unsigned char*>(head.constData());
    if (head.size() >= 12 && std::memcmp(b, "RIFF", 4) == 0 && std::memcmp(b + 8, "WAVE", 4) == 0)
        return FileKind::Wav;
    if (head.size() >= 3 && std::memcmp(b, "ID3", 3) == 0) return FileKind::Mp3;
    if (head.size() >= 2 && b[0] == 0xFF && (b[1] & 0xE0) == 0xE0) return FileKind::Mp3;
    return FileKind::Unknown;
}

}  // namespace

struct SdlAudioEngine::Capture {
    SDL_AudioDeviceID device = 0;
    int handle = 0;
    int16_t* buffer = nullptr;
    size_t length = 0;
    std::atomic<size_t> position{0};

    // Runs on SDL's capture thread. The buffer stays put until the device is closed, which waits for
    // this callback to return.
    static void fill(void* user, Uint8* stream, int len) {
        auto* c = static_cast<Capture*>(user);
        const size_t pos = c->position.load();
        const size_t n = std::min(size_t(len) / sizeof(int16_t), c->length - pos);
        if (n == 0) return;
        std::memcpy(c->buffer + pos, stream, n * sizeof(int16_t));
        c->position.store(pos + n);
    }
};

SdlAudioEngine::SdlAudioEngine() : capture_(std::make_unique<Capture>()) {}

SdlAudioEngine::~SdlAudioEngine() { close(); }

bool SdlAudioEngine::fail(int code) {
    error_ = code;
    return false;
}

int SdlAudioEngine::new_handle() {
    while (samples_.count(next_handle_) || next_handle_ <= 0) {
        next_handle_ = next_handle_ <= 0 ? 1 : next_handle_ + 1;
    }
    return next_handle_++;
}

bool SdlAudioEngine::init(int mix_rate, int max_channels, unsigned /*flags*/) {
    if (open_) return fail(FMOD_ERR_BUSY);
    if (g_open_engine) return fail(FMOD_ERR_ALLOCATED);
    if (mix_rate <= 0 || max_channels <= 0) return fail(FMOD_ERR_INVALID_PARAM);

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quillory");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return fail(FMOD_ERR_INIT);
    // Without the MP3 decoder WAV files still play; an MP3 then fails to load with its own code.
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(mix_rate, AUDIO_S16SYS, 2, 512) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return fail(FMOD_ERR_INIT);
    }
    if (Mix_AllocateChannels(max_channels) != max_channels) {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return fail(FMOD_ERR_INIT);
    }
    channels_ = max_channels;
    channel_sample_.assign(size_t(max_channels), 0);
    g_channel_done = std::make_unique<std::atomic<bool>[]>(size_t(max_channels));
    g_any_done.store(false);
    g_channel_count.store(max_channels);
    Mix_ChannelFinished(on_channel_finished);
    open_ = true;
    g_open_engine = this;
    return true;
}

void SdlAudioEngine::close() {
    if (!open_) return;
    record_stop();
    Mix_ChannelFinished(nullptr);
    Mix_HaltChannel(-1);
    Mix_CloseAudio();  // the audio thread is gone after this
    g_channel_count.store(0);
    g_channel_done.reset();
    g_any_done.store(false);
    for (auto& [handle, s] : samples_)
        if (s.chunk) Mix_FreeChunk(s.chunk);
    samples_.clear();
    channel_sample_.clear();
    channels_ = 0;
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    g_open_engine = nullptr;
}

void SdlAudioEngine::release_finished() {
    if (!g_any_done.exchange(false)) return;
    for (int ch = 0; ch < channels_; ++ch) {
        if (!g_channel_done[size_t(ch)].exchange(false)) continue;
        // The channel may already carry a newer sound; only a silent channel gives its sample back.
        if (channel_sample_[size_t(ch)] != 0 && !Mix_Playing(ch)) detach_channel(ch);
    }
}

void SdlAudioEngine::detach_channel(int ch) {
    const int handle = channel_sample_[size_t(ch)];
    channel_sample_[size_t(ch)] = 0;
    auto it = samples_.find(handle);
    if (it == samples_.end()) return;
    if (it->second.channels_playing > 0) --it->second.channels_playing;
    release_if_idle(handle);
}

void SdlAudioEngine::release_if_idle(int handle) {
    auto it = samples_.find(handle);
    if (it == samples_.end() || !it->second.chunk || it->second.channels_playing > 0) return;
    Mix_FreeChunk(it->second.chunk);
    samples_.erase(it);
}

int SdlAudioEngine::sample_load(const QString& path) {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    release_finished();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir()) return fail(FMOD_ERR_FILE_NOTFOUND);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(FMOD_ERR_FILE_BAD);
    const FileKind kind = sniff(file.read(16));
    file.close();

    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!chunk) return fail(kind == FileKind::Unknown ? FMOD_ERR_FILE_FORMAT : FMOD_ERR_FILE_BAD);
    const int handle = new_handle();
    samples_[handle].chunk = chunk;
    return handle;
}

int SdlAudioEngine::sample_load_pcm(const int16_t* pcm, int count) {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    release_finished();
    if (!pcm || count <= 0 || count > kMaxAllocSamples) return fail(FMOD_ERR_INVALID_PARAM);
    // Wrapped as a WAV in memory so that the mixer converts it to its own format, as for a file.
    const auto bytes = uint32_t(count) * 2;
    QByteArray wav = wav_header(bytes);
    wav.append(reinterpret_cast<const char*>(pcm), qsizetype(bytes));
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.constData(), int(wav.size())), 1);
    if (!chunk) return fail(FMOD_ERR_MEMORY);
    const int handle = new_handle();
    samples_[handle].chunk = chunk;
    return handle;
}

int SdlAudioEngine::play_sound(int sample) {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    release_finished();
    auto it = samples_.find(sample);
    if (it == samples_.end() || !it->second.chunk) return fail(FMOD_ERR_INVALID_PARAM);
    const int ch = Mix_PlayChannel(-1, it->second.chunk, 0);
    if (ch < 0 || ch >= channels_) {
        // Every channel is busy. The program never retries a play, so the sample is given back now
        // rather than kept for ever.
        release_if_idle(sample);
        return fail(FMOD_ERR_CHANNEL_ALLOC);
    }
    // The mixer only hands out a silent channel; if its last sound finished after our release pass,
    // that sound is given back here.
    if (channel_sample_[size_t(ch)] != 0) detach_channel(ch);
    channel_sample_[size_t(ch)] = sample;
    ++samples_[sample].channels_playing;
    return ch + 1;
}

bool SdlAudioEngine::is_playing(int channel) {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    release_finished();
    if (channel < 1 || channel > channels_) return fail(FMOD_ERR_INVALID_PARAM);
    return Mix_Playing(channel - 1) != 0;
}

int SdlAudioEngine::sample_alloc(int length_samples) {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    release_finished();
    if (length_samples <= 0) return fail(FMOD_ERR_INVALID_PARAM);
    if (length_samples > kMaxAllocSamples) return fail(FMOD_ERR_MEMORY);
    Sample s;
    try {
        s.pcm.assign(size_t(length_samples), 0);
    } catch (const std::bad_alloc&) {
        return fail(FMOD_ERR_MEMORY);
    }
    const int handle = new_handle();
    samples_[handle] = std::move(s);
    return handle;
}

bool SdlAudioEngine::record_start_sample(int sample) {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    release_finished();
    auto it = samples_.find(sample);
    if (it == samples_.end() || it->second.pcm.empty()) return fail(FMOD_ERR_INVALID_PARAM);
    record_stop();

    Capture& c = *capture_;
    c.handle = sample;
    c.buffer = it->second.pcm.data();
    c.length = it->second.pcm.size();
    c.position.store(0);
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16LSB;
    want.channels = 1;
    want.samples = 512;
    want.callback = &Capture::fill;
    want.userdata = &c;
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts whatever the microphone gives into 16-bit mono at 22050 Hz.
    c.device = SDL_OpenAudioDevice(nullptr, 1, &want, &have, 0);
    if (c.device == 0) {
        c.handle = 0;
        c.buffer = nullptr;
        c.length = 0;
        return fail(FMOD_ERR_RECORD);
    }
    SDL_PauseAudioDevice(c.device, 0);
    return true;
}

int SdlAudioEngine::record_get_position() {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    // Still valid after record_stop(): the caller asks how much the take holds once it has stopped.
    return int(capture_->position.load());
}

bool SdlAudioEngine::record_stop() {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    Capture& c = *capture_;
    if (c.device != 0) {
        SDL_CloseAudioDevice(c.device);  // waits for a running callback to return
        c.device = 0;
    }
    c.handle = 0;
    c.buffer = nullptr;
    return true;
}

bool SdlAudioEngine::sample_lock(int sample, int offset, int length_bytes, void** ptr1, unsigned* len1, void** ptr2,
                         unsigned* len2) {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    auto it = samples_.find(sample);
    if (it == samples_.end() || !ptr1 || !len1 || offset < 0 || length_bytes < 0)
        return fail(FMOD_ERR_INVALID_PARAM);
    Sample& s = it->second;
    auto* data = s.chunk ? reinterpret_cast<char*>(s.chunk->abuf) : reinterpret_cast<char*>(s.pcm.data());
    const size_t total = s.chunk ? size_t(s.chunk->alen) : s.pcm.size() * sizeof(int16_t);
    if (size_t(offset) > total) return fail(FMOD_ERR_INVALID_PARAM);
    *ptr1 = data + offset;
    *len1 = unsigned(std::min(size_t(length_bytes), total - size_t(offset)));
    if (ptr2) *ptr2 = nullptr;
    if (len2) *len2 = 0;
    return true;
}

bool SdlAudioEngine::sample_unlock(int sample, void*, void*, unsigned, unsigned) {
    if (!open_) return fail(FMOD_ERR_UNINITIALIZED);
    if (!samples_.count(sample)) return fail(FMOD_ERR_INVALID_PARAM);
    return true;
}

void SdlAudioEngine::sample_free(int sample) {
    if (!open_) {
        fail(FMOD_ERR_UNINITIALIZED);
        return;
    }
    release_finished();
    auto it = samples_.find(sample);
    if (it == samples_.end()) {
        fail(FMOD_ERR_INVALID_PARAM);
        return;
    }
    if (capture_->handle == sample) record_stop();
    for (int ch = 0; ch < channels_; ++ch) {
        if (channel_sample_[size_t(ch)] != sample) continue;
        channel_sample_[size_t(ch)] = 0;
        Mix_HaltChannel(ch);
    }
    if (it->second.chunk) Mix_FreeChunk(it->second.chunk);
    samples_.erase(it);
}

}  // namespace ql
