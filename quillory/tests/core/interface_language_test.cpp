#include "core/interface_language.h"
#include "core/spoken_words.h"
#include "core/anki/anki_package.h"
#include "core/ui_text.h"
#include "core/word_formats.h"
#include "support/anki_deck_maker.h"
#include "support/data_tree.h"
#include "support/run_pieces.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace ql;
using namespace ql::testing;

namespace {

const QStringList kTranslations = {QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
                                   QStringLiteral("pt_BR")};

QString ts_path(const QString& code) {
    return QStringLiteral(QL_TS_DIR "/quillory_%1.ts").arg(code);
}

struct Message {
    QString source;
    QStringList forms;  // one, or the plural forms
    bool unfinished = false;
};

std::vector<Message> read_ts(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader r(&f);
    std::vector<Message> out;
    Message m;
    // <byte value="xd"/> stands for a carriage return inside a text.
    QString* text = nullptr;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement()) {
            if (r.name() == u"message") m = Message{};
            else if (r.name() == u"source") text = &m.source;
            else if (r.name() == u"translation") {
                m.unfinished = r.attributes().value(QLatin1String("type")) == u"unfinished";
                m.forms << QString();
                text = &m.forms.last();
            } else if (r.name() == u"numerusform") {
                if (m.forms.size() == 1 && m.forms.first().trimmed().isEmpty()) m.forms.clear();
                m.forms << QString();
                text = &m.forms.last();
            } else if (r.name() == u"byte" && text) {
                *text += QChar(r.attributes().value(QLatin1String("value")).mid(1).toInt(nullptr, 16));
            }
        } else if (r.isCharacters() && text) {
            *text += r.text();
        } else if (r.isEndElement()) {
            if (r.name() == u"source" || r.name() == u"numerusform") text = nullptr;
            if (r.name() == u"translation") text = nullptr;
            if (r.name() == u"message") out.push_back(m);
        }
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    return out;
}

QStringList placeholders(const QString& s) {
    QStringList out;
    static const QRegularExpression re(QStringLiteral("%(\\d+|n)"));
    for (auto it = re.globalMatch(s); it.hasNext();) out << it.next().captured(0);
    out.sort();
    return out;
}

}  // namespace

TEST(InterfaceLanguage, LocaleVariablesChooseTheTranslationAsTheCLibraryReadsThem) {
    EXPECT_EQ(interface_language_of_locale("", "", "de_DE.UTF-8"), u"de");
    EXPECT_EQ(interface_language_of_locale("", "es_MX.UTF-8", "de_DE.UTF-8"), u"es");
    EXPECT_EQ(interface_language_of_locale("fr_CA.UTF-8@euro", "es_MX.UTF-8", "de_DE.UTF-8"), u"fr");
    EXPECT_EQ(interface_language_of_locale("", "", "pt_BR.UTF-8"), u"pt_BR");
    EXPECT_EQ(interface_language_of_locale("", "", "pt_PT"), u"pt_BR");
    for (const char* english : {"", "C", "C.UTF-8", "POSIX", "en_US.UTF-8", "ja_JP.UTF-8"})
        EXPECT_EQ(interface_language_of_locale("", "", QString::fromLatin1(english)), u"en") << english;
    // A C locale named in LC_ALL holds even when LANG asks for a translation.
    EXPECT_EQ(interface_language_of_locale("C", "", "de_DE.UTF-8"), u"en");
}

TEST(InterfaceLanguage, TheStudentsChoiceIsKeptBesideTheVoiceToggle) {
    DataTree t;
    RunPieces m;
    t.attach(m, QStringLiteral("ann"));
    QDir().mkpath(m.user_folder);
    EXPECT_EQ(load_interface_language(m), QString());  // nothing chosen: the system's language
    ASSERT_TRUE(save_speak_missing_words(m, true));
    ASSERT_TRUE(save_interface_language(m, QStringLiteral("pt_BR")));
    EXPECT_EQ(load_interface_language(m), u"pt_BR");
    EXPECT_TRUE(load_speak_missing_words(m));
    EXPECT_EQ(QSettings(student_settings_path(m), QSettings::IniFormat).value("interface/language").toString(), u"pt_BR");
    ASSERT_TRUE(save_interface_language(m, QString()));
    EXPECT_EQ(load_interface_language(m), QString());
    EXPECT_TRUE(load_speak_missing_words(m));
    // A value the program does not offer (edited by hand) counts as no choice.
    QSettings(student_settings_path(m), QSettings::IniFormat).setValue("interface/language", "xx");
    EXPECT_EQ(load_interface_language(m), QString());
}

TEST(InterfaceLanguage, EveryCatalogueIsCompleteAndKeepsPlaceholdersAcceleratorsAndBreaks) {
    std::vector<Message> english;
    for (const QString& code : kTranslations) {
        const auto messages = read_ts(ts_path(code));
        ASSERT_GT(messages.size(), 400u) << code.toStdString();
        if (english.empty()) english = messages;
        // Every catalogue translates the same texts.
        ASSERT_EQ(messages.size(), english.size()) << code.toStdString();
        for (size_t i = 0; i < messages.size(); ++i) {
            const Message& msg = messages[i];
            EXPECT_EQ(msg.source, english[i].source);
            EXPECT_FALSE(msg.unfinished) << code.toStdString() << ": " << msg.source.toStdString();
            for (const QString& t : msg.forms) {
                const std::string where = code.toStdString() + ": " + msg.source.left(60).toStdString();
                EXPECT_FALSE(t.isEmpty()) << where;
                EXPECT_EQ(placeholders(t), placeholders(msg.source)) << where;
                if (msg.source.contains(u'&')) EXPECT_EQ(t.count(u'&'), msg.source.count(u'&')) << where;
                for (QChar c : {QChar(u'\n'), QChar(u'\r'), QChar(u'\t')})
                    EXPECT_EQ(t.count(c), msg.source.count(c)) << where;
            }
        }
    }
}

TEST(InterfaceLanguage, TranslationsLoadFromTheBuildAndEnglishIsTodaysText) {
    InterfaceTranslation translation({QStringLiteral(QL_TRANSLATIONS_DIR)});
    // No translation installed: today's English, counts as today's program shows them.
    EXPECT_EQ(Quillory::tr("%n words remain on this list", nullptr, 1), u"1 words remain on this list");
    EXPECT_EQ(Quillory::tr("Exit"), u"Exit");

    ASSERT_TRUE(translation.use(QStringLiteral("de")));
    EXPECT_EQ(translation.current(), u"de");
    EXPECT_EQ(Quillory::tr("Exit"), u"Beenden");
    EXPECT_EQ(Quillory::tr("%n words remain on this list", nullptr, 1), u"Noch 1 Wort in dieser Liste");
    EXPECT_EQ(Quillory::tr("%n words remain on this list", nullptr, 7), u"Noch 7 Wörter in dieser Liste");

    ASSERT_TRUE(translation.use(QStringLiteral("fr")));
    EXPECT_EQ(Quillory::tr("%n words remain on this list", nullptr, 0), u"0 mot restant dans cette liste");
    ASSERT_TRUE(translation.use(QStringLiteral("es")));
    EXPECT_EQ(Quillory::tr("%n Unknown Words", nullptr, 2), u"2 palabras desconocidas");
    ASSERT_TRUE(translation.use(QStringLiteral("pt_BR")));
    EXPECT_EQ(Quillory::tr("Review %n due words", nullptr, 1), u"Revisar 1 palavra pendente");

    ASSERT_TRUE(translation.use(QStringLiteral("en")));
    EXPECT_EQ(Quillory::tr("Exit"), u"Exit");
    EXPECT_EQ(translation.current(), u"en");

    // A translation that is not installed leaves the interface in English.
    InterfaceTranslation nowhere({QStringLiteral("/nonexistent")});
    EXPECT_FALSE(nowhere.use(QStringLiteral("de")));
    EXPECT_EQ(nowhere.current(), u"en");
    EXPECT_EQ(Quillory::tr("Exit"), u"Exit");
}

// A file another program reads keeps its element names whatever the interface language, though some
// of them ("name") are also words the interface translates.
TEST(InterfaceLanguage, ExportedFilesAreTheSameInEveryLanguage) {
    const std::vector<WordPair> pairs = {{QStringLiteral("casa"), QStringLiteral("house")},
                                         {QStringLiteral("perro"), QStringLiteral("dog")}};
    const auto both = [&] {
        return export_kvtml(pairs, QStringLiteral("spanish"), QStringLiteral("english"), QStringLiteral("colores")) +
               export_tsv(pairs);
    };
    const QByteArray english = both();
    ASSERT_TRUE(english.contains("<name>"));
    InterfaceTranslation translation({QStringLiteral(QL_TRANSLATIONS_DIR)});
    for (const QString& code : kTranslations) {
        ASSERT_TRUE(translation.use(code));
        EXPECT_EQ(both(), english) << code.toStdString();
    }
    translation.use(QStringLiteral("en"));
}

// The same holds for the files read: a deck's note types are found by their key names.
TEST(InterfaceLanguage, ADeckReadsTheSameInEveryLanguage) {
    DataTree t;
    MadeDeck made;
    made.form = AnkiForm::Anki2;  // note types as JSON
    made.types = {{1, QStringLiteral("Basic"), {QStringLiteral("Front"), QStringLiteral("Back")}}};
    made.notes = {{1, {QStringLiteral("casa"), QStringLiteral("house")}}};
    write_apkg(t.path("deck.apkg"), made);
    InterfaceTranslation translation({QStringLiteral(QL_TRANSLATIONS_DIR)});
    for (const QString& code : kTranslations) {
        ASSERT_TRUE(translation.use(code));
        QString error;
        const auto deck = read_anki_package(t.path("deck.apkg"), &error);
        ASSERT_TRUE(deck) << code.toStdString() << ": " << error.toStdString();
        ASSERT_EQ(deck->note_types.size(), 1u);
        EXPECT_EQ(deck->note_types[0].name, u"Basic") << code.toStdString();
        EXPECT_EQ(deck->note_types[0].fields, (QStringList{QStringLiteral("Front"), QStringLiteral("Back")}));
    }
    translation.use(QStringLiteral("en"));
}
