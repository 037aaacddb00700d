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

int SdlAudioEngine::new_handle() {
    while (samples_.count(next_handle_) || next_handle_ <= 0) {
        next_handle_ = next_handle_ <= 0 ? 1 : next_handle_ + 1;
    }
    return next_handle_++;
}

AudioResult<> SdlAudioEngine::open(int channels) {
    if (open_) return AudioError::AlreadyOpen;
    if (g_open_engine) return AudioError::DeviceInUse;
    if (channels <= 0) return AudioError::InvalidArgument;

    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    SDL_SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Quillory");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return AudioError::NoOutputDevice;
    // Without the MP3 decoder WAV files still play; an MP3 then fails to load with its own error.
    Mix_Init(MIX_INIT_MP3);
    if (Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 512) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return AudioError::NoOutputDevice;
    }
    if (Mix_AllocateChannels(channels) != channels) {
        Mix_CloseAudio();
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return AudioError::NoOutputDevice;
    }
    channels_ = channels;
    channel_sample_.assign(size_t(channels), 0);
    g_channel_done = std::make_unique<std::atomic<bool>[]>(size_t(channels));
    g_any_done.store(false);
    g_channel_count.store(channels);
    Mix_ChannelFinished(on_channel_finished);
    open_ = true;
    g_open_engine = this;
    return {};
}

void SdlAudioEngine::close() {
    if (!open_) return;
    end_recording();
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
        // The channel may already carry a newer sound; only a silent channel gives its sound back.
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

AudioResult<int> SdlAudioEngine::load_file(const QString& path) {
    if (!open_) return AudioError::NotOpen;
    release_finished();
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists() || info.isDir()) return AudioError::FileNotFound;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return AudioError::BadFile;
    const FileKind kind = sniff(file.read(16));
    file.close();

    Mix_Chunk* chunk = Mix_LoadWAV(QFile::encodeName(path).constData());
    if (!chunk) return kind == FileKind::Unknown ? AudioError::UnknownFormat : AudioError::BadFile;
    const int handle = new_handle();
    samples_[handle].chunk = chunk;
    return handle;
}

AudioResult<int> SdlAudioEngine::load_samples(std::span<const int16_t> pcm) {
    if (!open_) return AudioError::NotOpen;
    release_finished();
    if (pcm.empty() || pcm.size() > size_t(kMaxAllocSamples)) return AudioError::InvalidArgument;
    // Wrapped as a WAV in memory so that the mixer converts it to its own format, as for a file.
    const auto bytes = uint32_t(pcm.size()) * 2;
    QByteArray wav = wav_header(bytes);
    wav.append(reinterpret_cast<const char*>(pcm.data()), qsizetype(bytes));
    Mix_Chunk* chunk = Mix_LoadWAV_RW(SDL_RWFromConstMem(wav.constData(), int(wav.size())), 1);
    if (!chunk) return AudioError::OutOfMemory;
    const int handle = new_handle();
    samples_[handle].chunk = chunk;
    return handle;
}

AudioResult<int> SdlAudioEngine::play(int sound) {
    if (!open_) return AudioError::NotOpen;
    release_finished();
    auto it = samples_.find(sound);
    if (it == samples_.end() || !it->second.chunk) return AudioError::InvalidArgument;
    const int ch = Mix_PlayChannel(-1, it->second.chunk, 0);
    if (ch < 0 || ch >= channels_) {
        // Every channel is busy. The program never retries a play, so the sound is given back now
        // rather than kept for ever.
        release_if_idle(sound);
        return AudioError::NoFreeChannel;
    }
    // The mixer only hands out a silent channel; if its last sound finished after our release pass,
    // that sound is given back here.
    if (channel_sample_[size_t(ch)] != 0) detach_channel(ch);
    channel_sample_[size_t(ch)] = sound;
    ++samples_[sound].channels_playing;
    return ch + 1;
}

bool SdlAudioEngine::is_playing(int channel) {
    if (!open_) return false;
    release_finished();
    if (channel < 1 || channel > channels_) return false;
    return Mix_Playing(channel - 1) != 0;
}

void SdlAudioEngine::stop(int channel) {
    if (!open_) return;
    release_finished();
    if (channel < 1 || channel > channels_ || channel_sample_[size_t(channel - 1)] == 0) return;
    // The finished-flag this raises finds the channel already detached.
    Mix_HaltChannel(channel - 1);
    detach_channel(channel - 1);
}

double SdlAudioEngine::sound_seconds(int sound) const {
    const auto it = samples_.find(sound);
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (it == samples_.end() || !it->second.chunk || !Mix_QuerySpec(&rate, &format, &channels)) return 0;
    const double frame_bytes = double(channels) * double(SDL_AUDIO_BITSIZE(format) / 8);
    return double(it->second.chunk->alen) / frame_bytes / double(rate);
}

AudioResult<int> SdlAudioEngine::new_take(int length_samples) {
    if (!open_) return AudioError::NotOpen;
    release_finished();
    if (length_samples <= 0) return AudioError::InvalidArgument;
    if (length_samples > kMaxAllocSamples) return AudioError::OutOfMemory;
    Sample s;
    try {
        s.pcm.assign(size_t(length_samples), 0);
    } catch (const std::bad_alloc&) {
        return AudioError::OutOfMemory;
    }
    const int handle = new_handle();
    samples_[handle] = std::move(s);
    return handle;
}

AudioResult<> SdlAudioEngine::start_recording(int take) {
    if (!open_) return AudioError::NotOpen;
    release_finished();
    auto it = samples_.find(take);
    if (it == samples_.end() || it->second.pcm.empty()) return AudioError::InvalidArgument;
    end_recording();

    Capture& c = *capture_;
    c.handle = take;
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
        return AudioError::RecordingUnsupported;
    }
    SDL_PauseAudioDevice(c.device, 0);
    return {};
}

int SdlAudioEngine::recorded_samples() {
    if (!open_) return 0;
    return int(capture_->position.load());
}

AudioResult<> SdlAudioEngine::stop_recording() {
    if (!open_) return AudioError::NotOpen;
    end_recording();
    return {};
}

void SdlAudioEngine::end_recording() {
    Capture& c = *capture_;
    if (c.device != 0) {
        SDL_CloseAudioDevice(c.device);  // waits for a running callback to return
        c.device = 0;
    }
    c.handle = 0;
    c.buffer = nullptr;
}

AudioResult<std::vector<int16_t>> SdlAudioEngine::take_samples(int take, int count) {
    if (!open_) return AudioError::NotOpen;
    auto it = samples_.find(take);
    if (it == samples_.end() || it->second.chunk || count < 0) return AudioError::InvalidArgument;
    const std::vector<int16_t>& pcm = it->second.pcm;
    const auto n = std::ptrdiff_t(std::min(size_t(count), pcm.size()));
    // A take still recording is read between two deliveries of the capture thread.
    const SDL_AudioDeviceID device = capture_->handle == take ? capture_->device : 0;
    if (device != 0) SDL_LockAudioDevice(device);
    std::vector<int16_t> samples(pcm.begin(), pcm.begin() + n);
    if (device != 0) SDL_UnlockAudioDevice(device);
    return samples;
}

void SdlAudioEngine::free_take(int take) {
    if (!open_) return;
    release_finished();
    auto it = samples_.find(take);
    if (it == samples_.end() || it->second.chunk) return;
    if (capture_->handle == take) end_recording();
    samples_.erase(it);
}

}  // namespace ql
