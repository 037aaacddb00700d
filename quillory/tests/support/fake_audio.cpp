#include "fake_audio.h"

#include "fake_clock.h"

#include <algorithm>

namespace ql::testing {

AudioResult<> FakeAudio::open(int) {
    if (open_fails) return *open_fails;
    return {};
}

AudioResult<int> FakeAudio::load_file(const QString& path) {
    if (fail_load) return AudioError::FileNotFound;
    loaded_[next_sound_] = path;
    return next_sound_++;
}

AudioResult<int> FakeAudio::load_samples(std::span<const int16_t> pcm) {
    if (fail_load) return AudioError::OutOfMemory;
    if (pcm.empty()) return AudioError::InvalidArgument;
    loaded_[next_sound_] = QStringLiteral("pcm:") + QString::number(pcm.size());
    return next_sound_++;
}

AudioResult<int> FakeAudio::play(int sound) {
    auto it = loaded_.find(sound);
    if (fail_play || it == loaded_.end()) return AudioError::PlayFailed;
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

AudioResult<int> FakeAudio::new_take(int length_samples) {
    take_length = length_samples;
    if (fail_new_take) return AudioError::OutOfMemory;
    if (length_samples <= 0) return AudioError::InvalidArgument;
    recordings_[next_sound_] = std::vector<short>(size_t(length_samples), 0);
    return next_sound_++;
}

AudioResult<> FakeAudio::start_recording(int take) {
    if (fail_record_start || !recordings_.count(take)) return AudioError::RecordingUnsupported;
    recording_ = take;
    record_started_ = clock_ ? clock_->now() : 0.0;
    stopped_position_ = 0;
    auto& buf = recordings_[take];
    std::copy_n(microphone.begin(), std::min(microphone.size(), buf.size()), buf.begin());
    return {};
}

int FakeAudio::recorded_samples() {
    if (!recording_) return stopped_position_;
    const double now = clock_ ? clock_->now() : record_started_;
    const long pos = long((now - record_started_) * 22050.0);
    return int(std::min<long>(pos, long(recordings_[recording_].size())));
}

AudioResult<> FakeAudio::stop_recording() {
    if (fail_record_stop) return AudioError::RecordingUnsupported;
    stopped_position_ = recorded_samples();
    recording_ = 0;
    return {};
}

AudioResult<std::vector<int16_t>> FakeAudio::take_samples(int take, int count) {
    auto it = recordings_.find(take);
    if (fail_take_samples || it == recordings_.end() || count < 0) return AudioError::InvalidArgument;
    const auto n = std::ptrdiff_t(std::min(size_t(count), it->second.size()));
    return std::vector<int16_t>(it->second.begin(), it->second.begin() + n);
}

}  // namespace ql::testing
