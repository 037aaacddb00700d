#pragma once
#include "core/anki/anki_package.h"
#include "core/anki/deck_import.h"

#include <QObject>
#include <memory>

class QThread;

namespace ql {

// A deck import running on a thread of its own, so that the window's event loop goes on while the
// clips are converted. `finished` comes once, on the thread that made the job, when every file is
// written or left as it was. A job destroyed while it runs is cancelled and waited for: the import
// never goes on behind a window that is gone.
class DeckImportJob : public QObject {
    Q_OBJECT
public:
    DeckImportJob(AnkiDeck deck, DeckImportPlan plan, int threads, QObject* parent = nullptr);
    ~DeckImportJob() override;

    void start();
    // Stops the conversion; the outcome then says the import was cancelled and nothing was written.
    void cancel();
    bool running() const { return running_; }
    int converted() const { return progress_.converted.load(); }
    int total() const { return int(plan_.clips.size()); }

signals:
    void finished(const ql::DeckImportOutcome& outcome);

private:
    AnkiDeck deck_;
    DeckImportPlan plan_;
    int threads_;
    DeckImportProgress progress_;
    DeckImportOutcome outcome_;
    std::unique_ptr<QThread> thread_;
    bool running_ = false;
};

}  // namespace ql
