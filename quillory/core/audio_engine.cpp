#include "audio_engine.h"

namespace ql {

QCoro::Task<> AudioEngine::sound_end(int channel, Clock& clock, CancelToken& token) {
    while (is_playing(channel)) {
        co_await sleep_for(clock, 0.01, &token, WaitEnds::OnStop);
        if (token.stopped()) co_return;
    }
}

}  // namespace ql
