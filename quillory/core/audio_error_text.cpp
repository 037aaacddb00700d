#include "audio_engine.h"
#include "core/ui_text.h"

namespace ql {

QString audio_error_text(AudioError error) {
    switch (error) {
    case AudioError::AlreadyOpen: return Quillory::tr("Cannot call this command after FSOUND_Init.  Call FSOUND_Close first.");
    case AudioError::NotOpen: return Quillory::tr("This command failed because FSOUND_Init was not called");
    case AudioError::NoOutputDevice: return Quillory::tr("Error initializing output device.");
    case AudioError::DeviceInUse: return Quillory::tr("The output device is already in use and cannot be reused.");
    case AudioError::PlayFailed: return Quillory::tr("Playing the sound failed.");
    case AudioError::FileNotFound: return Quillory::tr("File not found");
    case AudioError::UnknownFormat: return Quillory::tr("Unknown file format");
    case AudioError::BadFile: return Quillory::tr("Error loading file");
    case AudioError::OutOfMemory: return Quillory::tr("Not enough memory ");  // the blank is part of the text
    case AudioError::InvalidArgument: return Quillory::tr("An invalid parameter was passed to this function");
    case AudioError::NoFreeChannel: return Quillory::tr("Failed to allocate a new channel");
    case AudioError::RecordingUnsupported: return Quillory::tr("Recording is not supported on this machine");
    }
    return Quillory::tr("Unknown error");
}

QString audio_failure_message(const QString& own, AudioError error) {
    return own + QStringLiteral("\r\n") + audio_error_text(error);
}

}  // namespace ql
