#pragma once
#include "clock.h"

#include <QString>
#include <cstdint>
#ifndef Q_MOC_RUN  // moc cannot parse the coroutine headers
#include <qcoro/qcorotask.h>
#endif

namespace ql {

// The calls the program makes into its audio engine:
// handles and channels are positive numbers and 0 means failure; get_error() gives the code of the
// last failure, whose text is fmod_error_text().
class AudioEngine {
public:
    virtual ~AudioEngine() = default;
    virtual bool init(int mix_rate, int max_channels, unsigned flags) = 0;
    virtual void close() = 0;
    virtual int get_error() = 0;

    // Loads an MP3 or WAV file; the sample is released by the engine once its channel stops.
    virtual int sample_load(const QString& path) = 0;
    // Takes a copy of 16-bit mono samples at 22050 Hz (a synthesised word) as a sample that plays and
    // is released exactly like a loaded file.
    virtual int sample_load_pcm(const int16_t* pcm, int count) = 0;
    virtual int play_sound(int sample) = 0;
    virtual bool is_playing(int channel) = 0;
    // Resumes once `channel` has stopped playing, or once the session is stopped (a pending skip
    // does not end it: a sound is always heard to its end). This engine-neutral version asks the
    // channel every 0.01 s.
    virtual QCoro::Task<> sound_end(int channel, Clock& clock, CancelToken& token);

    // Recording into a memory sample of 16-bit mono samples at 22050 Hz.
    virtual int sample_alloc(int length_samples) = 0;
    virtual bool record_start_sample(int sample) = 0;
    virtual int record_get_position() = 0;
    virtual bool record_stop() = 0;
    virtual bool sample_lock(int sample, int offset, int length_bytes, void** ptr1, unsigned* len1,
                             void** ptr2, unsigned* len2) = 0;
    virtual bool sample_unlock(int sample, void* ptr1, void* ptr2, unsigned len1, unsigned len2) = 0;
    virtual void sample_free(int sample) = 0;
};

// Error codes shared by every engine; each number picks the text fmod_error_text() shows.
enum FmodError {
    FMOD_ERR_NONE = 0,
    FMOD_ERR_BUSY = 1,
    FMOD_ERR_UNINITIALIZED = 2,
    FMOD_ERR_INIT = 3,
    FMOD_ERR_ALLOCATED = 4,
    FMOD_ERR_PLAY = 5,
    FMOD_ERR_OUTPUT_FORMAT = 6,
    FMOD_ERR_COOPERATIVELEVEL = 7,
    FMOD_ERR_CREATEBUFFER = 8,
    FMOD_ERR_FILE_NOTFOUND = 9,
    FMOD_ERR_FILE_FORMAT = 10,
    FMOD_ERR_FILE_BAD = 11,
    FMOD_ERR_MEMORY = 12,
    FMOD_ERR_VERSION = 13,
    FMOD_ERR_INVALID_PARAM = 14,
    FMOD_ERR_NO_EAX = 15,
    FMOD_ERR_CHANNEL_ALLOC = 16,
    FMOD_ERR_RECORD = 17,
    FMOD_ERR_MEDIAPLAYER = 18,
    FMOD_ERR_CDDEVICE = 19,
};

QString fmod_error_text(int code);
// What every failed audio call shows: the caller's own message, a line break, then the engine's text
// for `code`, so that the two never run together on one line.
QString audio_failure_message(const QString& own, int code);

}  // namespace ql
