#include "audio_engine.h"

namespace ql {

QString audio_error_text(AudioError error) {
    switch (error) {
    case AudioError::AlreadyOpen: return QStringLiteral("Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.");
    case AudioError::NotOpen: return QStringLiteral("This command failed because FSOUND_Init was not called");
    case AudioError::NoOutputDevice: return QStringLiteral("Error initializing output device.");
    case AudioError::DeviceInUse: return QStringLiteral("The output device is already in use and cannot be reused.");
    case AudioError::PlayFailed: return QStringLiteral("Playing the sound failed.");
    case AudioError::FileNotFound: return QStringLiteral("File not found");
    case AudioError::UnknownFormat: return QStringLiteral("Unknown file format");
    case AudioError::BadFile: return QStringLiteral("Error loading file");
    case AudioError::OutOfMemory: return QStringLiteral("Not enough memory ");  // the blank is part of the text
    case AudioError::InvalidArgument: return QStringLiteral("An invalid parameter was passed to this function");
    case AudioError::NoFreeChannel: return QStringLiteral("Failed to allocate a new channel");
    case AudioError::RecordingUnsupported: return QStringLiteral("Recording is not supported on this machine");
    }
    return QStringLiteral("Unknown error");
}

QString audio_failure_message(const QString& own, AudioError error) {
    return own + QStringLiteral("\r\n") + audio_error_text(error);
}

}  // namespace ql
