#include "deck_import_job.h"

#include <QThread>

namespace ql {

DeckImportJob::DeckImportJob(AnkiDeck deck, DeckImportPlan plan, int threads, QObject* parent)
    : QObject(parent), deck_(std::move(deck)), plan_(std::move(plan)), threads_(threads) {}

DeckImportJob::~DeckImportJob() {
    if (!thread_) return;
    progress_.cancel = true;
    thread_->wait();
}

void DeckImportJob::start() {
    if (thread_) return;
    running_ = true;
    thread_.reset(QThread::create([this] { outcome_ = run_deck_import(deck_, plan_, progress_, threads_); }));
    // Delivered on this object's thread once the worker has returned, so the outcome is complete.
    connect(thread_.get(), &QThread::finished, this, [this] {
        running_ = false;
        emit finished(outcome_);
    });
    thread_->start();
}

void DeckImportJob::cancel() { progress_.cancel = true; }

}  // namespace ql
