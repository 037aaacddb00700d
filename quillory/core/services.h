#pragma once

namespace ql {

class Prompter;
class Clock;
class AudioEngine;
class MainView;
class DateClock;
class SpeechVoice;
class VoiceClipCache;
class SpeedClipCache;
class InterfaceTranslation;

// The program's services: owned by the app (or a test), handed to every window and session that
// needs them. Each may be null: no prompter answers nothing, no clock makes waits return at once,
// no audio plays nothing, no main view shows nothing, no date clock uses the system's calendar, no
// voice speaks nothing.
struct Services {
    Prompter* prompter = nullptr;
    Clock* clock = nullptr;
    AudioEngine* audio = nullptr;
    MainView* main_view = nullptr;  // null until the main window exists
    DateClock* date_clock = nullptr;  // the review schedule's calendar
    SpeechVoice* voice = nullptr;     // the voice for words without a recording
    VoiceClipCache* voice_clips = nullptr;  // its clips for compiled files
    SpeedClipCache* speed_clips = nullptr;  // stretched clips for slower speech; null: none kept
    InterfaceTranslation* interface_translation = nullptr;  // null: no language choice offered
};

}  // namespace ql
