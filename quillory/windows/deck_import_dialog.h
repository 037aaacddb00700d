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

class Prompter;

// The preview of an Anki deck, laid out as the word-list import's: for each note type the fields
// that give the word and the translation (the first two unless changed), the first pairs as they
// will be written with whether each brings a recording, and the notes that will be skipped. It
// writes nothing; OK only closes it once the list name is one the language can take.
class DeckImportDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPreviewRows = 20;

    DeckImportDialog(const AnkiDeck& deck, const QString& languages_folder, const QString& language,
                     const QString& target_language, Prompter* prompter, QWidget* parent = nullptr);

    // Once accepted: the typed name as it will be written (spaces made "_"), the fields chosen.
    QString list_name() const { return list_name_; }
    const FieldChoices& choices() const { return choices_; }
    const DeckPairs& pairs() const { return pairs_; }

    void accept() override;

private:
    void show_note_type();
    void refresh();

    const AnkiDeck& deck_;
    QString languages_folder_, language_, target_language_;
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

// Runs the import off the window's thread with a progress bar whose Cancel stops it; every file
// stays as it was unless the whole deck goes in.
DeckImportOutcome import_deck_with_progress(const AnkiDeck& deck, const DeckImportPlan& plan, QWidget* parent);

}  // namespace ql
