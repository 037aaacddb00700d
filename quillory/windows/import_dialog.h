#pragma once
#include "core/list_import.h"
#include "core/word_formats.h"

#include <QByteArray>
#include <QDialog>

class QCheckBox;
class QComboBox;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace ql {

class Prompter;
struct Workspace;

// The preview of a word list brought from another tutor: what the file holds, which column is the
// word and which the translation, the first pairs as they would be written and what will be skipped.
// It writes nothing; OK only closes it once the list name is one the language can take.
class ImportDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPreviewRows = 20;

    // `table` is the file already read (without error); `bytes` lets it be read again when the user
    // changes the separator or the header choice.
    // The name is checked against the workspace's lists; a refusal is told through `prompter`.
    ImportDialog(const Workspace& workspace, Prompter* prompter, const QString& language, const QString& target_language,
                 const QString& file_path, const QByteArray& bytes, WordTable table, QWidget* parent = nullptr);

    // The typed name as it will be written (spaces made "_"), once accepted.
    QString list_name() const { return list_name_; }
    const ImportPairs& pairs() const { return pairs_; }

    void accept() override;

private:
    void reread();
    void fill_columns();
    void refresh();

    const Workspace& workspace_;
    Prompter* prompter_;
    QString language_, target_language_, file_name_;
    QByteArray bytes_;
    WordTable table_;
    ImportPairs pairs_;
    QString list_name_;

    QLabel* file_label_ = nullptr;
    QLabel* separator_label_ = nullptr;
    QComboBox* separator_box_ = nullptr;
    QCheckBox* header_check_ = nullptr;
    QComboBox* word_column_box_ = nullptr;
    QComboBox* translation_column_box_ = nullptr;
    QTableWidget* preview_table_ = nullptr;
    QLabel* count_label_ = nullptr;
    QLabel* skipped_label_ = nullptr;
    QLineEdit* list_name_edit_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

}  // namespace ql
