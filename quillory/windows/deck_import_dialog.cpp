#include "deck_import_dialog.h"

#include "core/anki/deck_import_job.h"
#include "core/prompter.h"
#include "core/workspace.h"
#include "windows/widget_builders.h"
#include "core/ui_text.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace ql {

namespace {

QLabel* make_label(QWidget* parent, const char* name) {
    QLabel* label = build::label(parent, name, QString());
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

QString form_text(AnkiForm form) {
    switch (form) {
    case AnkiForm::Anki2:
        return Quillory::tr("Anki deck, collection.anki2");
    case AnkiForm::Anki21:
        return Quillory::tr("Anki deck, collection.anki21");
    case AnkiForm::Anki21b:
        return Quillory::tr("Anki deck, collection.anki21b");
    }
    return QString();
}

}  // namespace

DeckImportDialog::DeckImportDialog(AnkiDeck deck, const Workspace& workspace, const QString& language,
                                   const QString& target_language, Prompter* prompter, QWidget* parent)
    : QDialog(parent),
      deck_(std::move(deck)),
      workspace_(workspace),
      language_(language),
      target_language_(target_language),
      prompter_(prompter) {
    setObjectName(QStringLiteral("deck_import_dialog"));
    setWindowTitle(Quillory::tr("Import Anki Deck"));
    build_controls();
    arrange_controls();

    connect(buttons_, &QDialogButtonBox::accepted, this, &DeckImportDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &DeckImportDialog::reject);
    connect(note_type_box_, &QComboBox::currentIndexChanged, this, &DeckImportDialog::show_note_type);
    auto choose = [this] {
        const qint64 type = note_type_box_->currentData().toLongLong();
        choices_[type] = FieldChoice{word_column_box_->currentIndex(), translation_column_box_->currentIndex()};
        refresh();
    };
    connect(word_column_box_, &QComboBox::currentIndexChanged, this, choose);
    connect(translation_column_box_, &QComboBox::currentIndexChanged, this, choose);
    show_note_type();
    resize(760, 640);
}

void DeckImportDialog::build_controls() {
    file_label_ = make_label(this, "file_label");
    note_type_box_ = build::named(new QComboBox(this), "note_type_box");
    for (const AnkiNoteType& t : deck_.note_types) {
        int notes = 0;
        for (const AnkiNote& n : deck_.notes) notes += n.type_id == t.id;
        if (notes > 0) note_type_box_->addItem(Quillory::tr("%1 (%n notes)", nullptr, notes).arg(t.name), QVariant(t.id));
    }
    word_column_box_ = build::named(new QComboBox(this), "word_column_box");
    translation_column_box_ = build::named(new QComboBox(this), "translation_column_box");

    preview_table_ = build::named(new QTableWidget(0, 3, this), "preview_table");
    preview_table_->setAccessibleName(Quillory::tr("First word pairs"));
    preview_table_->setHorizontalHeaderLabels(
        {Quillory::tr("Foreign word (%1)").arg(language_),
         Quillory::tr("Translation (%1)").arg(target_language_.isEmpty() ? Quillory::tr("student's language")
                                                                           : target_language_),
         Quillory::tr("Recording")});
    preview_table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    preview_table_->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    preview_table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_table_->setSelectionMode(QAbstractItemView::NoSelection);
    preview_table_->setMinimumHeight(260);

    count_label_ = make_label(this, "count_label");
    skipped_label_ = make_label(this, "skipped_label");
    // Room for the wrapped sentences: a layout squeezing the table would otherwise cut them short.
    for (QLabel* l : {count_label_, skipped_label_}) l->setMinimumHeight(l->fontMetrics().lineSpacing() * 2 + 4);
    QString name = QFileInfo(deck_.path).completeBaseName();
    list_name_edit_ = build::named(new QLineEdit(name.replace(u' ', u'_'), this), "list_name_edit");

    buttons_ = build::named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this), "buttons");
    build::named(buttons_->button(QDialogButtonBox::Ok), "ok_button");
    build::named(buttons_->button(QDialogButtonBox::Cancel), "cancel_button");
}

void DeckImportDialog::arrange_controls() {
    auto* form = new QFormLayout;
    form->addRow(Quillory::tr("&Note type:"), note_type_box_);
    form->addRow(Quillory::tr("&Foreign word (%1):").arg(language_), word_column_box_);
    form->addRow(Quillory::tr("&Translation:"), translation_column_box_);
    auto* name_form = new QFormLayout;
    name_form->addRow(Quillory::tr("&Name of the new list:"), list_name_edit_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file_label_);
    layout->addLayout(form);
    layout->addWidget(preview_table_, 1);
    build::add_widgets(layout, {count_label_, skipped_label_});
    layout->addLayout(name_form);
    layout->addWidget(buttons_);
}

void DeckImportDialog::show_note_type() {
    const qint64 type = note_type_box_->currentData().toLongLong();
    const AnkiNoteType* t = deck_.note_type(type);
    const FieldChoice c = choices_.value(type, FieldChoice{});
    for (QComboBox* box : {word_column_box_, translation_column_box_}) {
        const QSignalBlocker block(box);
        box->clear();
        if (t) box->addItems(t->fields);
    }
    word_column_box_->setCurrentIndex(c.word);
    translation_column_box_->setCurrentIndex(std::min<int>(c.translation, word_column_box_->count() - 1));
    refresh();
}

void DeckImportDialog::refresh() {
    file_label_->setText(Quillory::tr("File: %1 (%2)").arg(QFileInfo(deck_.path).fileName(), form_text(deck_.form)));

    bool same_field = false;
    for (const AnkiNoteType& t : deck_.note_types) {
        const FieldChoice c = choices_.value(t.id, FieldChoice{});
        if (c.word == c.translation && t.fields.size() > 0) same_field = true;
    }
    pairs_ = same_field ? DeckPairs{} : collect_deck_pairs(deck_, choices_);
    pairs_.notes = int(deck_.notes.size());

    const AnkiMediaReader media(deck_);
    const int with_audio = count_word_sounds(media);
    fill_table(media);
    show_counts(same_field, with_audio);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(!pairs_.pairs.empty());
    for (QLabel* l : {file_label_, count_label_, skipped_label_}) l->setAccessibleName(l->text());
}

int DeckImportDialog::count_word_sounds(const AnkiMediaReader& media) {
    missing_media_ = 0;
    int with_audio = 0;
    for (const DeckPair& p : pairs_.pairs) {
        if (p.word_sound.isEmpty()) continue;
        if (media.has(p.word_sound)) ++with_audio;
        else ++missing_media_;
    }
    return with_audio;
}

void DeckImportDialog::fill_table(const AnkiMediaReader& media) {
    const int shown = std::min<int>(kPreviewRows, int(pairs_.pairs.size()));
    preview_table_->setRowCount(0);
    preview_table_->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        const DeckPair& p = pairs_.pairs[size_t(r)];
        preview_table_->setItem(r, 0, new QTableWidgetItem(p.word));
        preview_table_->setItem(r, 1, new QTableWidgetItem(p.translation));
        const QString audio = p.word_sound.isEmpty() ? QString()
                              : media.has(p.word_sound) ? QStringLiteral("yes")
                                                        : QStringLiteral("missing");
        preview_table_->setItem(r, 2, new QTableWidgetItem(audio));
    }
}

void DeckImportDialog::show_counts(bool same_field, int with_audio) {
    const int n = int(pairs_.pairs.size());
    if (deck_.notes.empty()) {
        count_label_->setText(Quillory::tr("The deck holds no notes."));
    } else if (same_field) {
        count_label_->setText(Quillory::tr("Choose two different fields for the word and its translation."));
    } else {
        QString text = Quillory::tr("%1 word %2 will be imported into a new list of %3, %4 with a recording.")
                           .arg(n)
                           .arg(n == 1 ? Quillory::tr("pair") : Quillory::tr("pairs"), language_)
                           .arg(with_audio);
        if (n > kPreviewRows) text += Quillory::tr(" The first %1 are shown.").arg(kPreviewRows);
        count_label_->setText(text);
    }
    QString skipped = deck_skipped_summary(pairs_);
    if (skipped.isEmpty()) skipped = Quillory::tr("No note will be skipped.");
    if (missing_media_ > 0)
        skipped += missing_media_ == 1
                       ? Quillory::tr(" 1 sound named by a note is missing from the deck; that word comes without it.")
                       : Quillory::tr(" %1 sounds named by notes are missing from the deck; those words come without "
                                        "them.")
                             .arg(missing_media_);
    skipped_label_->setText(skipped);
}

void DeckImportDialog::accept() {
    QString name = list_name_edit_->text();
    const QString refusal = deck_list_name_refusal(workspace_.languages_folder, language_, name);
    if (!refusal.isEmpty()) {
        if (prompter_) prompter_->message(refusal);
        list_name_edit_->setFocus();
        return;
    }
    list_name_ = name;
    QDialog::accept();
}

namespace {

// The import's progress: Cancel, Escape and the window's close button all cancel the job, and the
// bar stays until the job has finished (cancelled or not), so nothing is left running unseen. It owns
// the job: closing the window it belongs to cancels the job and waits for it.
// A dialog of its own rather than QProgressDialog, whose setValue runs the event loop when modal.
class DeckImportProgressView : public QDialog {
public:
    DeckImportProgressView(DeckImportJob& job, QWidget* parent) : QDialog(parent), job_(job) {
        setObjectName(QStringLiteral("deck_import_progress"));
        setWindowTitle(Quillory::tr("Import Anki Deck"));
        setAttribute(Qt::WA_DeleteOnClose);
        job.setParent(this);
        label_ = make_label(this, "progress_label");
        label_->setText(Quillory::tr("Converting the deck's sounds into recordings..."));
        bar_ = build::named(new QProgressBar(this), "progress_bar");
        bar_->setRange(0, std::max(1, job.total()));
        bar_->setValue(0);
        bar_->setAccessibleName(Quillory::tr("Sounds converted"));
        cancel_ = build::button(this, "cancel_button", Quillory::tr("Cancel"));
        auto* buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(cancel_);
        auto* layout = new QVBoxLayout(this);
        build::add_widgets(layout, {label_, bar_});
        layout->addLayout(buttons);
        setMinimumWidth(420);

        // The workers count what they have converted; the bar reads the count rather than hear from each.
        auto* poll = new QTimer(this);
        poll->setInterval(50);
        connect(poll, &QTimer::timeout, this, [this] { bar_->setValue(job_.converted()); });
        connect(cancel_, &QPushButton::clicked, this, &DeckImportProgressView::reject);
        connect(&job, &DeckImportJob::finished, this, [this] { QDialog::done(QDialog::Accepted); });
        poll->start();
    }

    void reject() override {
        job_.cancel();
        cancel_->setEnabled(false);
        label_->setText(Quillory::tr("Cancelling..."));
        label_->setAccessibleName(label_->text());
    }

private:
    DeckImportJob& job_;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace

QDialog* open_deck_import_progress(DeckImportJob& job, QWidget* parent) {
    auto* view = new DeckImportProgressView(job, parent);
    view->open();
    return view;
}

}  // namespace ql
