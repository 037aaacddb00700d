#include "fake_audio.h"

#include "fake_clock.h"

#include <algorithm>

namespace ql::testing {

int FakeAudio::sample_load(const QString& path) {
    if (fail_load) {
        error = FMOD_ERR_FILE_NOTFOUND;
        return 0;
    }
    loaded_[next_sample_] = path;
    return next_sample_++;
}

int FakeAudio::sample_load_pcm(const int16_t* pcm, int count) {
    if (fail_load || !pcm || count <= 0) {
        error = fail_load ? FMOD_ERR_MEMORY : FMOD_ERR_INVALID_PARAM;
        return 0;
    }
    loaded_[next_sample_] = QStringLiteral("pcm:") + QString::number(count);
    return next_sample_++;
}

int FakeAudio::play_sound(int sample) {
    auto it = loaded_.find(sample);
    if (fail_play || it == loaded_.end()) {
        error = FMOD_ERR_PLAY;
        return 0;
    }
    played << it->second;
    const double now = clock_ ? clock_->now() : 0.0;
    const int channel = next_channel_++;
    const bool pcm = it->second.startsWith(QStringLiteral("pcm:"));
    ends_[channel] = now + (pcm ? it->second.mid(4).toDouble() / 22050.0 : duration_of(it->second));
    loaded_.erase(it);  // released when the channel stops; nothing here holds memory
    return channel;
}

bool FakeAudio::is_playing(int channel) {
    auto it = ends_.find(channel);
    if (it == ends_.end()) return false;
    const double now = clock_ ? clock_->now() : 0.0;
    if (now >= it->second) {
        ends_.erase(it);
        return false;
    }
    return true;
}

QCoro::Task<> FakeAudio::sound_end(int channel, Clock& clock, CancelToken& token) {
    const auto it = ends_.find(channel);
    if (it == ends_.end() || !clock_) {
        co_await AudioEngine::sound_end(channel, clock, token);
        co_return;
    }
    const double left = it->second - clock.now();
    if (left > 0) co_await sleep_for(clock, left, &token, WaitEnds::OnStop);
    is_playing(channel);  // forgets the channel once it has ended
}

int FakeAudio::sample_alloc(int length_samples) {
    allocated_samples = length_samples;
    if (fail_alloc) {
        error = FMOD_ERR_MEMORY;
        return 0;
    }
    if (length_samples <= 0) {
        error = FMOD_ERR_INVALID_PARAM;
        return 0;
    }
    recordings_[next_sample_] = std::vector<short>(size_t(length_samples), 0);
    return next_sample_++;
}

bool FakeAudio::record_start_sample(int sample) {
    if (fail_record_start || !recordings_.count(sample)) {
        error = FMOD_ERR_RECORD;
        return false;
    }
    recording_ = sample;
    record_started_ = clock_ ? clock_->now() : 0.0;
    stopped_position_ = 0;
    auto& buf = recordings_[sample];
    std::copy_n(microphone.begin(), std::min(microphone.size(), buf.size()), buf.begin());
    return true;
}

int FakeAudio::record_get_position() {
    if (!recording_) return stopped_position_;
    const double now = clock_ ? clock_->now() : record_started_;
    const long pos = long((now - record_started_) * 22050.0);
    return int(std::min<long>(pos, long(recordings_[recording_].size())));
}

bool FakeAudio::record_stop() {
    if (fail_record_stop) {
        error = FMOD_ERR_RECORD;
        return false;
    }
    stopped_position_ = record_get_position();
    recording_ = 0;
    return true;
}

bool FakeAudio::sample_unlock(int, void*, void*, unsigned, unsigned) {
    if (fail_unlock) {
        error = FMOD_ERR_INVALID_PARAM;
        return false;
    }
    return true;
}

bool FakeAudio::sample_lock(int sample, int offset, int length_bytes, void** p1, unsigned* l1, void** p2,
                            unsigned* l2) {
    auto it = recordings_.find(sample);
    if (fail_lock || it == recordings_.end()) {
        error = FMOD_ERR_INVALID_PARAM;
        return false;
    }
    auto* bytes = reinterpret_cast<char*>(it->second.data());
    const int total = int(it->second.size() * 2);
    *p1 = bytes + offset;
    *l1 = unsigned(std::min(length_bytes, total - offset));
    if (p2) *p2 = nullptr;
    if (l2) *l2 = 0;
    return true;
}

}  // namespace ql::testing
