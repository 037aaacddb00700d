// Every window and prompt in every interface language: nothing cut off on a 1280 x 800 screen and no
// text left in English.
#include "core/drill.h"
#include "core/known_words.h"
#include "core/language_session.h"
#include "core/help_texts.h"
#include "core/interface_language.h"
#include "core/list_admin.h"
#include "core/packaging.h"
#include "core/word_formats.h"
#include "support/event_loop.h"
#include "support/fake_date_clock.h"
#include "support/run_session.h"
#include "support/window_test.h"
#include "windows/deck_import_dialog.h"
#include "windows/import_dialog.h"
#include "windows/large_card_window.h"
#include "windows/list_editor_window.h"
#include "windows/main_window.h"
#include "windows/progress_window.h"
#include "windows/qt_prompter.h"
#include "windows/record_edit_window.h"
#include "windows/results_window.h"
#include "windows/review_window.h"
#include "windows/say_it_window.h"
#include "windows/small_card_window.h"
#include "windows/test_window.h"
#include "windows/window_openers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QListWidget>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace ql;
using namespace ql::testing;

namespace {

const QSize kScreen(1280, 800);
// Room left for a panel and the title bar.
const QSize kUsable(1280, 740);

bool has_letters(const QString& s) {
    for (QChar c : s)
        if (c.isLetter()) return true;
    return false;
}

QString without_accelerator(QString s) {
    s.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    s.remove(u'&');
    s.replace(u'\x01', u'&');
    return s;
}

// A widget's place in its window that does not depend on the language: its object name, else its
// class and position among its siblings.
QString key_of(const QObject* o) {
    QStringList parts;
    for (; o; o = o->parent()) {
        QString part = o->objectName();
        if (part.isEmpty() && o->parent()) {
            const auto siblings = o->parent()->children();
            part = QString::fromLatin1(o->metaObject()->className()) + u'#' + QString::number(siblings.indexOf(o));
        }
        parts.prepend(part);
    }
    return parts.join(u'/');
}

using Texts = std::map<QString, QString>;

// The fixed texts a user sees or hears in a window: captions, buttons, titles, tabs, menus and the
// accessible names and descriptions a screen reader says.
Texts texts_of(QWidget* window) {
    Texts out;
    auto put = [&](const QObject* o, const char* what, const QString& text) {
        if (!text.isEmpty()) out[key_of(o) + u':' + QLatin1String(what)] = text;
    };
    put(window, "title", window->windowTitle());
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (auto* l = qobject_cast<QLabel*>(w)) put(l, "text", l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) put(b, "text", b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) put(g, "title", g->title());
        if (auto* t = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < t->count(); ++i) out[key_of(t) + QStringLiteral(":tab") + QString::number(i)] = t->tabText(i);
        if (auto* m = qobject_cast<QMenu*>(w)) {
            put(m, "title", m->title());
            for (QAction* a : m->actions()) put(a, "text", a->text());
        }
        if (auto* c = qobject_cast<QComboBox*>(w))
            for (int i = 0; i < c->count(); ++i) out[key_of(c) + QStringLiteral(":item") + QString::number(i)] = c->itemText(i);
        // The test's fixed choices; other lists hold the student's data, alike in every language.
        if (auto* l = qobject_cast<QListWidget*>(w); l && (l->objectName() == u"list1" || l->objectName() == u"List2"))
            for (int i = 0; i < l->count(); ++i) out[key_of(l) + QStringLiteral(":item") + QString::number(i)] = l->item(i)->text();
        put(w, "accessible name", w->accessibleName());
        put(w, "accessible description", w->accessibleDescription());
        put(w, "tooltip", w->toolTip());
    }
    return out;
}

// Nothing cut off: the window fits the screen, and every caption it shows has the room its text needs.
void expect_fits(QWidget* window, const std::string& where) {
    window->show();
    event_loop_turn();
    window->resize(window->size().boundedTo(kUsable));
    event_loop_turn();
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize());
    EXPECT_LE(least.width(), kUsable.width()) << where;
    EXPECT_LE(least.height(), kUsable.height()) << where;
    EXPECT_LE(window->frameGeometry().width(), kScreen.width()) << where;
    EXPECT_LE(window->frameGeometry().height(), kScreen.height()) << where;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window)) continue;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            if (l->text().isEmpty() || l->pixmap().isNull() == false) continue;
            const std::string what = where + " " + key_of(l).toStdString() + " \"" + l->text().left(40).toStdString() + "\"";
            EXPECT_GE(l->width(), l->minimumSizeHint().width()) << what;
            if (l->wordWrap() && l->hasHeightForWidth())
                EXPECT_GE(l->height(), l->heightForWidth(l->width())) << what;
            else if (!l->wordWrap())
                EXPECT_GE(l->contentsRect().width(), l->fontMetrics().horizontalAdvance(without_accelerator(l->text()).split(u'\n').first()))
                    << what;
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            if (b->text().isEmpty()) continue;
            const std::string what = where + " " + key_of(b).toStdString() + " \"" + b->text().left(40).toStdString() + "\"";
            EXPECT_GE(b->width(), b->minimumSizeHint().width()) << what;
        }
    }
}

struct Shown {
    QString name;
    QWidget* window;
};

class TranslatedInterface : public WindowTest, public ::testing::WithParamInterface<QString> {
protected:
    void SetUp() override {
        t.copy_sample_lists();
        t.attach(m, QStringLiteral("ann"));
        m.date_clock = &clock;
        m.rng.seed(3);
        prompter.allow_leftovers();
        ASSERT_TRUE(lookup.load(QStringLiteral("quillory_") + GetParam(), QStringLiteral(QL_TRANSLATIONS_DIR)));
    }
    void TearDown() override { translation.use(QStringLiteral("en")); }

    // The same data in every run: a language, a list with a known and an unknown word, a result.
    void choose_list() {
        static_cast<LanguageSession&>(m) = choose_language(m, QStringLiteral("spanish")).session;
        m.current_list = QStringLiteral("colores");
        t.mkdir("users/ann/spanish");
        generate_unknowns_file(m, m, m.prompter);
        m.shown_file = m.unknown_file;
        create_array_of_words(m, m.unknown_file);
        t.write_lines("test_results.txt", {"ann\tspanish\tcolores\t10\t80%\t01:10 \tMultiple Choice\tText "
                                           "Only\t3/1/2026 2:30:00 PM"});
    }

    // Opens every window over the same data; they are deleted with the returned list.
    std::vector<Shown> open_all() {
        std::vector<Shown> out;
        auto* main = new MainWindow(m, openers);
        out.push_back({QStringLiteral("main"), main});
        out.push_back({QStringLiteral("large flash cards"), new LargeCardWindow(m)});
        out.push_back({QStringLiteral("small flash card"), new SmallCardWindow(m)});
        auto* record = new RecordEditWindow(m);
        record->load();
        out.push_back({QStringLiteral("record and edit"), record});
        out.push_back({QStringLiteral("test"), new TestWindow(m)});
        out.push_back({QStringLiteral("results"), new ResultsWindow(m, m, QStringLiteral("results"))});
        out.push_back({QStringLiteral("progress"), new ProgressWindow(m, m, m)});
        out.push_back({QStringLiteral("review"), new ReviewWindow(m)});
        auto* editor = new ListEditorWindow(m);
        editor->load();
        out.push_back({QStringLiteral("list editor"), editor});
        const QByteArray bytes("casa\thouse\nperro\tdog\n");
        out.push_back({QStringLiteral("import"), new ImportDialog(m, m.prompter, QStringLiteral("spanish"), QStringLiteral("english"),
                                                                  t.path("words.txt"), bytes,
                                                                  parse_word_file(bytes, QStringLiteral("words.txt")))});
        AnkiDeck deck;
        deck.path = t.path("deck.apkg");
        deck.note_types = {{1, QStringLiteral("Basic"), {QStringLiteral("Front"), QStringLiteral("Back")}}};
        deck.notes = {{1, 1, {QStringLiteral("casa"), QStringLiteral("house")}}};
        out.push_back({QStringLiteral("deck import"), new DeckImportDialog(deck, m, QStringLiteral("spanish"),
                                                                           QStringLiteral("english"), m.prompter)});
        out.push_back({QStringLiteral("say it"), new SayItWindow(audio, pump, &prompter)});
        return out;
    }
    static void close_all(std::vector<Shown>& windows) {
        for (auto& s : windows) {
            s.window->hide();
            delete s.window;
        }
        windows.clear();
    }

    // A text shown alike in English and in the language is a text left untranslated, unless the
    // catalogue translates it so on purpose ("Pause" in German and French) or it holds no words.
    void expect_translated(const QString& english, const QString& shown, const std::string& where) {
        // A single letter names a key, alike in every language.
        if (english != shown || !has_letters(english) || english.size() == 1) return;
        // Names, the toolkit's universal "OK", the languages as their speakers write them, and the
        // fixture's own data.
        static QStringList names = {QStringLiteral("Quillory"), QStringLiteral("www.quillory.org"), QStringLiteral("OK"),
                                    QStringLiteral("spanish"), QStringLiteral("english"), QStringLiteral("colores"),
                                    QStringLiteral("ann"), QStringLiteral("Front"), QStringLiteral("Back")};
        if (names.size() == 9)
            for (const InterfaceLanguage& l : interface_languages()) names << l.name;
        if (names.contains(english)) return;
        EXPECT_EQ(lookup.translate("Quillory", english.toUtf8().constData()), english)
            << where << ": \"" << english.toStdString() << "\" is not translated";
    }

    FakeDateClock clock;
    InterfaceTranslation translation{{QStringLiteral(QL_TRANSLATIONS_DIR)}};
    QTranslator lookup;
};

TEST_P(TranslatedInterface, EveryWindowFitsTheScreenAndShowsNoEnglishLeft) {
    choose_list();
    m.interface_translation = &translation;  // offers the language menu
    ASSERT_TRUE(translation.use(QStringLiteral("en")));
    auto english_windows = open_all();
    std::map<QString, Texts> english;
    for (auto& s : english_windows) english[s.name] = texts_of(s.window);
    close_all(english_windows);

    ASSERT_TRUE(translation.use(GetParam()));
    auto windows = open_all();
    ASSERT_EQ(windows.size(), 12u);
    for (auto& s : windows) {
        const std::string where = GetParam().toStdString() + " " + s.name.toStdString();
        expect_fits(s.window, where);
        const Texts shown = texts_of(s.window);
        EXPECT_GE(english[s.name].size(), 4u) << where;
        int compared = 0;
        for (const auto& [key, text] : english[s.name]) {
            const auto it = shown.find(key);
            if (it == shown.end()) continue;  // the text's widget differs with the data, not the language
            expect_translated(text, it->second, where + " " + key.toStdString());
            ++compared;
        }
        EXPECT_GE(compared, 4) << where;
    }
    close_all(windows);
}

TEST_P(TranslatedInterface, TheMainWindowFollowsALanguageChosenWhileItIsOpen) {
    choose_list();
    m.interface_translation = &translation;
    ASSERT_TRUE(translation.use(QStringLiteral("en")));
    MainWindow w(m, openers);
    const Texts english = texts_of(&w);
    ASSERT_TRUE(translation.use(GetParam()));
    event_loop_turn();  // the language change reaches the window as an event
    const Texts shown = texts_of(&w);
    ASSERT_EQ(shown.size(), english.size());
    for (const auto& [key, text] : english) expect_translated(text, shown.at(key), key.toStdString());
    ASSERT_TRUE(translation.use(QStringLiteral("en")));
    event_loop_turn();
    EXPECT_EQ(texts_of(&w), english);
}

// Every question and note the flows put, as the program words them, in the language.
std::vector<FakePrompter::Shown> prompts(RunPieces& m, FakePrompter& fake, const QString& new_language) {
    fake.clear();
    m.current_language = QStringLiteral("spanish");
    fake.answer_input(new_language);  // a new one in every run, so that every run asks the same
    fake.cancel_input();
    add_language(fake, m);
    fake.cancel_input();
    add_word_list(fake, m, m);
    const auto drill = std::make_shared<Drill>(m, m, m, m, DrillKind::Large, nullptr);
    fake.cancel_input();
    drill->create_mp3();
    fake.answer_ok();
    fake.cancel_input();
    run_session(m.clock, drill->auto_mp3());
    fake.cancel_input();
    drill->change_speed();
    fake.cancel_input();
    drill->change_repeat();
    fake.answer_cancel();
    pack_contribution(m, m.current_language, fake);
    {
        RecordEditWindow record(m);
        record.on_instructions_text();
        record.on_instructions_record();
    }
    for (const HelpText& h : {instructions_text(), help_text(), troubleshooting_text(), about_text()})
        fake.message(h.text, h.title);
    return fake.shown();
}

TEST_P(TranslatedInterface, EveryPromptIsTranslatedAndFitsTheScreenWithItsButtons) {
    choose_list();
    ASSERT_TRUE(translation.use(QStringLiteral("en")));
    const auto english = prompts(m, prompter, QStringLiteral("langen"));
    ASSERT_TRUE(translation.use(GetParam()));
    const auto shown = prompts(m, prompter, QStringLiteral("lang") + GetParam().left(2));
    ASSERT_EQ(shown.size(), english.size());
    ASSERT_GE(shown.size(), 15u);
    QtPrompter p;
    for (size_t i = 0; i < shown.size(); ++i) {
        const std::string where = GetParam().toStdString() + ": " + shown[i].text.left(40).toStdString();
        expect_translated(english[i].text, shown[i].text, where);
        expect_translated(english[i].title, shown[i].title, where + " (title)");
        QSize size;
        int buttons = 0;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_TRUE(d) << where;
            size = d->frameGeometry().size();
            for (QPushButton* b : d->findChildren<QPushButton*>()) {
                if (!b->isVisible()) continue;
                ++buttons;
                EXPECT_TRUE(d->rect().contains(QRect(b->mapTo(d, QPoint(0, 0)), b->size()))) << where;
                // The toolkit's own buttons speak the language too when its translations are installed.
                EXPECT_GE(b->width(), b->minimumSizeHint().width()) << where;
            }
            for (QLabel* l : d->findChildren<QLabel*>()) {
                if (!l->isVisible() || l->text().isEmpty()) continue;
                EXPECT_GE(l->width(), l->minimumSizeHint().width()) << where;
                if (l->hasHeightForWidth()) EXPECT_GE(l->height(), l->heightForWidth(l->width())) << where;
            }
            d->reject();
        });
        if (shown[i].kind == u"input")
            p.input(shown[i].text, shown[i].title);
        else if (shown[i].kind == u"ok_cancel")
            p.ok_cancel(shown[i].text, shown[i].title);
        else
            p.message(shown[i].text, shown[i].title);
        EXPECT_GE(buttons, 1) << where;
        EXPECT_LE(size.width(), 1200) << where;
        EXPECT_LE(size.height(), 720) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslatedInterface,
                         ::testing::Values(QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
                                           QStringLiteral("pt_BR")),
                         [](const auto& info) { return info.param.toStdString(); });

}  // namespace
