#include "audio/espeak_voice.h"
#include "audio/sdl_audio_engine.h"
#include "core/speech_speed.h"
#include "core/voice_clips.h"
#include "core/interface_language.h"
#include "core/data_folder.h"
#include "core/clock.h"
#include "core/new_recordings.h"
#include "core/player.h"
#include "core/run_context.h"
#include "core/text_file.h"
#include "windows/main_window.h"
#include "windows/large_card_window.h"
#include "windows/small_card_window.h"
#include "windows/record_edit_window.h"
#include "windows/qt_prompter.h"
#include "windows/review_window.h"
#include "windows/test_window.h"
#include "windows/progress_window.h"
#include "windows/results_window.h"
#include "windows/window_openers.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

namespace {

// Every path of the data tree hangs off one folder: the working folder when it holds languages/,
// so a prepared folder works as it always did; otherwise the student's own data folder.
ql::DataFolder open_data_folder(const QString& explicit_folder, ql::Prompter& prompter) {
    ql::DataFolderPlaces places;
    places.explicit_folder = explicit_folder;
    places.working_folder = QDir::currentPath();
    places.xdg_data_home = qEnvironmentVariable("XDG_DATA_HOME");
    places.home = QDir::homePath();
    places.sample_folders =
        ql::installed_sample_folders(QCoreApplication::applicationDirPath(), qEnvironmentVariable("XDG_DATA_DIRS"));
    const ql::DataFolder data = ql::prepare_data_folder(places);
    if (!data.error.isEmpty()) prompter.message(data.error);
    // A change cut short by a kill or a crash is rolled back before anything reads the files.
    if (const QString left = ql::recover_interrupted_changes(data.folder); !left.isEmpty()) prompter.message(left);
    // Anything opened by a relative name lands in the data folder too.
    QDir::setCurrent(data.folder);
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    // Read before the application object exists: --help and --version must answer without a display.
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const ql::StartOptions options = ql::parse_start_options(arguments);
    switch (options.action) {
    case ql::StartOptions::Action::Help:
        std::fputs(ql::start_help_text().toLocal8Bit().constData(), stdout);
        return 0;
    case ql::StartOptions::Action::Version:
        std::fputs(ql::start_version_text().toLocal8Bit().constData(), stdout);
        return 0;
    case ql::StartOptions::Action::Error:
        std::fprintf(stderr, "quillory: %s\nTry quillory --help.\n", options.error.toLocal8Bit().constData());
        return 2;
    case ql::StartOptions::Action::Run:
        break;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(ql::kProgramTitle);
    // Wayland desktops match the window to the installed menu entry, and so to its icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.quillory.Quillory"));
    // The interface speaks the system's language from the first message on; the student's own choice
    // replaces it once the name is known.
    ql::InterfaceTranslation translation(ql::translation_folders(QCoreApplication::applicationDirPath()));
    translation.use(QString());
    ql::QtPrompter prompter;

    const ql::DataFolder data = open_data_folder(options.data_folder, prompter);

    // The run's pieces, each owned here for the whole run; windows are handed references to them.
    ql::Services services;
    ql::Workspace workspace = ql::workspace_of(data.folder + u'/');
    ql::LanguageSession language;
    ql::ShownWords shown;
    ql::DrillSettings drill;
    ql::Player player(services, workspace);
    const ql::RunContext run{services, workspace, language, shown, drill, player};
    services.prompter = &prompter;
    services.clock = &ql::qt_clock();
    ql::SdlAudioEngine audio;
    services.audio = &audio;
    // Speaks words without a recording when the student turns it on; it starts at its first word.
    ql::EspeakVoice voice;
    ql::VoiceClipCache voice_clips;
    services.voice = &voice;
    services.voice_clips = &voice_clips;
    // Recordings stretched for slower speech, kept beside the voice's clips.
    ql::SpeedClipCache speed_clips;
    services.speed_clips = &speed_clips;
    services.interface_translation = &translation;
    ql::attach_new_recording_player(player, services);

    ql::WindowOpeners openers;
    openers.large_flash_cards = [&run](bool main_stays_visible) { ql::LargeCardWindow::open(run, main_stays_visible); };
    openers.small_flash_card = [&run] { ql::SmallCardWindow::open(run); };
    openers.record_and_edit = [&run](std::optional<int> single_entry) { (new ql::RecordEditWindow(run, single_entry))->load(); };
    openers.student_test = [&run] { ql::TestWindow::open(run); };
    openers.test_results = [&run](const QString& text) { ql::ResultsWindow::open(run.services, run.workspace, text); };
    openers.progress = [&run] { ql::ProgressWindow::open(run.services, run.workspace, run.language); };
    openers.review = [&run] { ql::ReviewWindow::open(run); };

    ql::MainWindow main_window(run, openers);
    main_window.show();
    main_window.start_up();
    return app.exec();
}
