#pragma once
#include "core/anki/anki_package.h"
#include "core/anki/deck_import.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace ql {

class DeckImportJob;
class Prompter;
struct Workspace;

// The preview of an Anki deck, laid out as the word-list import's: for each note type the fields
// that give the word and the translation (the first two unless changed), the first pairs as they
// will be written with whether each brings a recording, and the notes that will be skipped. It
// writes nothing; OK only closes it once the list name is one the language can take. The dialog
// holds the deck it shows; the workspace must outlive it.
class DeckImportDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPreviewRows = 20;

    DeckImportDialog(AnkiDeck deck, const Workspace& workspace, const QString& language,
                     const QString& target_language, Prompter* prompter, QWidget* parent = nullptr);

    // Once accepted: the typed name as it will be written (spaces made "_"), the fields chosen.
    QString list_name() const { return list_name_; }
    const AnkiDeck& deck() const { return deck_; }
    const FieldChoices& choices() const { return choices_; }
    const DeckPairs& pairs() const { return pairs_; }

    void accept() override;

private:
    void build_controls();
    void arrange_controls();
    void show_note_type();
    void refresh();
    // Counts the pairs whose word sound the deck holds, and those it lacks (missing_media_).
    int count_word_sounds(const AnkiMediaReader& media);
    void fill_table(const AnkiMediaReader& media);
    void show_counts(bool same_field, int with_audio);

    AnkiDeck deck_;
    const Workspace& workspace_;
    QString language_, target_language_;
    Prompter* prompter_;
    FieldChoices choices_;
    DeckPairs pairs_;
    QString list_name_;
    int missing_media_ = 0;

    QLabel* file_label_ = nullptr;
    QComboBox* note_type_box_ = nullptr;
    QComboBox* word_column_box_ = nullptr;
    QComboBox* translation_column_box_ = nullptr;
    QTableWidget* preview_table_ = nullptr;
    QLabel* count_label_ = nullptr;
    QLabel* skipped_label_ = nullptr;
    QLineEdit* list_name_edit_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

// The import's progress bar, window-modal over `parent`, made the owner of `job`: it follows the job's
// conversion, its Cancel cancels the job, and it closes (the job with it) once the job has finished.
QDialog* open_deck_import_progress(DeckImportJob& job, QWidget* parent);

}  // namespace ql
