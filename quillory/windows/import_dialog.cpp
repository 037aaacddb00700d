#include "import_dialog.h"

#include "core/prompter.h"
#include "core/workspace.h"
#include "core/ui_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ql {

namespace {

struct SeparatorChoice {
    QChar sep;
    const char* name;
};
const SeparatorChoice kSeparators[] = {{u'\t', QT_TRANSLATE_NOOP("Quillory", "Tab")}, {u',', QT_TRANSLATE_NOOP("Quillory", "Comma")}, {u';', QT_TRANSLATE_NOOP("Quillory", "Semicolon")}};

QString format_text(const WordTable& t) {
    switch (t.format) {
    case WordFileFormat::Kvtml:
        return Quillory::tr("KVTML vocabulary document");
    case WordFileFormat::CardTutor:
        return Quillory::tr("card tutor export");
    case WordFileFormat::Delimited:
        break;
    }
    return Quillory::tr("text with one pair per line");
}

QLabel* make_label(QWidget* parent, const char* name, const QString& text = QString()) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    return label;
}

}  // namespace

ImportDialog::ImportDialog(const Workspace& workspace, Prompter* prompter, const QString& language,
                           const QString& target_language, const QString& file_path, const QByteArray& bytes,
                           WordTable table, QWidget* parent)
    : QDialog(parent),
      workspace_(workspace),
      prompter_(prompter),
      language_(language),
      target_language_(target_language),
      file_name_(QFileInfo(file_path).fileName()),
      bytes_(bytes),
      table_(std::move(table)) {
    setObjectName(QStringLiteral("import_dialog"));
    setWindowTitle(Quillory::tr("Import Word List"));

    file_label_ = make_label(this, "file_label");
    separator_label_ = make_label(this, "separator_label", Quillory::tr("Fields separated by:"));
    separator_box_ = new QComboBox(this);
    separator_box_->setObjectName(QStringLiteral("separator_box"));
    for (const auto& s : kSeparators) separator_box_->addItem(Quillory::tr(s.name), QVariant(s.sep));
    separator_label_->setBuddy(separator_box_);
    header_check_ = new QCheckBox(Quillory::tr("The first line names the columns"), this);
    header_check_->setObjectName(QStringLiteral("header_check"));

    word_column_box_ = new QComboBox(this);
    word_column_box_->setObjectName(QStringLiteral("word_column_box"));
    translation_column_box_ = new QComboBox(this);
    translation_column_box_->setObjectName(QStringLiteral("translation_column_box"));

    preview_table_ = new QTableWidget(0, 2, this);
    preview_table_->setObjectName(QStringLiteral("preview_table"));
    preview_table_->setAccessibleName(Quillory::tr("First word pairs"));
    preview_table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    preview_table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    preview_table_->setSelectionMode(QAbstractItemView::NoSelection);
    preview_table_->setMinimumHeight(260);

    count_label_ = make_label(this, "count_label");
    skipped_label_ = make_label(this, "skipped_label");
    list_name_edit_ = new QLineEdit(QFileInfo(file_path).completeBaseName(), this);
    list_name_edit_->setObjectName(QStringLiteral("list_name_edit"));

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons_->setObjectName(QStringLiteral("buttons"));
    buttons_->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ok_button"));
    buttons_->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel_button"));
    connect(buttons_, &QDialogButtonBox::accepted, this, &ImportDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &ImportDialog::reject);

    auto* separator_row = new QHBoxLayout;
    separator_row->addWidget(separator_label_);
    separator_row->addWidget(separator_box_);
    separator_row->addSpacing(16);
    separator_row->addWidget(header_check_);
    separator_row->addStretch(1);

    auto* form = new QFormLayout;
    form->addRow(Quillory::tr("&Foreign word (%1):").arg(language_), word_column_box_);
    form->addRow(Quillory::tr("&Translation:"), translation_column_box_);

    auto* name_form = new QFormLayout;
    name_form->addRow(Quillory::tr("&Name of the new list:"), list_name_edit_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(file_label_);
    layout->addLayout(separator_row);
    layout->addLayout(form);
    layout->addWidget(preview_table_, 1);
    layout->addWidget(count_label_);
    layout->addWidget(skipped_label_);
    layout->addLayout(name_form);
    layout->addWidget(buttons_);

    const bool text_format = table_.format != WordFileFormat::Kvtml;
    separator_label_->setVisible(text_format);
    separator_box_->setVisible(text_format);
    header_check_->setVisible(table_.format == WordFileFormat::Delimited);
    if (text_format) {
        const int at = separator_box_->findData(QVariant(table_.separator));
        if (at >= 0) {
            separator_box_->setCurrentIndex(at);
        } else {  // named by the file's header and not one of the usual three
            separator_box_->addItem(QStringLiteral("\"%1\"").arg(table_.separator), QVariant(table_.separator));
            separator_box_->setCurrentIndex(separator_box_->count() - 1);
        }
    }
    header_check_->setChecked(table_.header_row);
    propose_columns(table_, language_, target_language_);
    fill_columns();

    connect(separator_box_, &QComboBox::currentIndexChanged, this, &ImportDialog::reread);
    connect(header_check_, &QCheckBox::toggled, this, &ImportDialog::reread);
    connect(word_column_box_, &QComboBox::currentIndexChanged, this, &ImportDialog::refresh);
    connect(translation_column_box_, &QComboBox::currentIndexChanged, this, &ImportDialog::refresh);
    refresh();
    resize(760, 640);
}

void ImportDialog::reread() {
    const QChar sep = separator_box_->currentData().toChar();
    table_ = parse_word_file(bytes_, file_name_, sep, header_check_->isChecked() ? HeaderRow::Yes : HeaderRow::No);
    propose_columns(table_, language_, target_language_);
    fill_columns();
    refresh();
}

void ImportDialog::fill_columns() {
    for (QComboBox* box : {word_column_box_, translation_column_box_}) {
        const QSignalBlocker block(box);
        box->clear();
        box->addItems(table_.column_names);
    }
    word_column_box_->setCurrentIndex(table_.word_column);
    translation_column_box_->setCurrentIndex(table_.translation_column);
}

void ImportDialog::refresh() {
    const int languages = int(table_.column_names.size());
    file_label_->setText((table_.format == WordFileFormat::Kvtml
                              ? Quillory::tr("File: %1 (%2 in %n languages)", nullptr, languages)
                              : Quillory::tr("File: %1 (%2)"))
                             .arg(file_name_, format_text(table_)));

    const int word = word_column_box_->currentIndex();
    const int translation = translation_column_box_->currentIndex();
    pairs_ = table_.error.isEmpty() && word != translation ? collect_pairs(table_, word, translation) : ImportPairs{};

    // The translation column is named after the language of the column chosen for it when the file
    // says which that is; otherwise after the language the translations are meant to be in.
    QString translation_language = column_language(table_, translation);
    if (translation_language.isEmpty())
        translation_language = target_language_.isEmpty() ? Quillory::tr("student's language") : target_language_;
    preview_table_->setHorizontalHeaderLabels({Quillory::tr("Foreign word (%1)").arg(language_),
                                               Quillory::tr("Translation (%1)").arg(translation_language)});
    preview_table_->setRowCount(0);
    const int shown = std::min<int>(kPreviewRows, int(pairs_.pairs.size()));
    preview_table_->setRowCount(shown);
    for (int r = 0; r < shown; ++r) {
        preview_table_->setItem(r, 0, new QTableWidgetItem(pairs_.pairs[r].word));
        preview_table_->setItem(r, 1, new QTableWidgetItem(pairs_.pairs[r].translation));
    }

    const int n = int(pairs_.pairs.size());
    if (!table_.error.isEmpty()) {
        count_label_->setText(table_.error);
    } else if (word == translation) {
        count_label_->setText(Quillory::tr("Choose two different columns for the word and its translation."));
    } else {
        QString text = (n == 1 ? Quillory::tr("%n word pair will be imported into a new list of %1.", nullptr, n)
                                : Quillory::tr("%n word pairs will be imported into a new list of %1.", nullptr, n))
                           .arg(language_);
        if (n > kPreviewRows) text += u' ' + Quillory::tr("The first %1 are shown.").arg(kPreviewRows);
        count_label_->setText(text);
    }
    const QString skipped = skipped_summary(pairs_, table_.format);
    skipped_label_->setText(skipped.isEmpty() ? Quillory::tr("No line will be skipped.") : skipped);
    buttons_->button(QDialogButtonBox::Ok)->setEnabled(n > 0);
    for (QLabel* l : {file_label_, count_label_, skipped_label_}) l->setAccessibleName(l->text());
}

void ImportDialog::accept() {
    QString name = list_name_edit_->text();
    const QString refusal = list_name_refusal(workspace_, language_, name);
    if (!refusal.isEmpty()) {
        if (prompter_) prompter_->message(refusal);
        list_name_edit_->setFocus();
        return;
    }
    list_name_ = name;
    QDialog::accept();
}

}  // namespace ql
