#include "core/app_state.h"
#include "core/record_edit.h"
#include "core/test_session.h"
#include "core/text_file.h"
#include "support/data_tree.h"
#include "support/fake_prompter.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace ql;
using ql::testing::crlf;
using ql::testing::DataTree;
using ql::testing::FakePrompter;

namespace {

// A disk that fills up at the Nth write (which takes half its bytes, as a filling disk does, and every
// later write none) or fails the Nth sync. Counts both when it never fails.
class FailingDisk : public WriteDevice {
public:
    int fail_write = 0, fail_sync = 0;
    int writes = 0, syncs = 0;
    FailingDisk() { set_write_device(this); }
    ~FailingDisk() override { set_write_device(nullptr); }
    ssize_t write(int fd, const char* data, size_t size) override {
        ++writes;
        if (fail_write > 0 && writes >= fail_write) {
            if (writes == fail_write && size > 1) return ::write(fd, data, size / 2);
            errno = ENOSPC;
            return -1;
        }
        return ::write(fd, data, size);
    }
    int sync(int fd) override {
        ++syncs;
        if (syncs == fail_sync) {
            errno = EIO;
            return -1;
        }
        return ::fsync(fd);
    }
};

using Snapshot = std::map<QString, QByteArray>;

// Every file under the folder, hidden ones too, so that a left-behind temporary file shows.
Snapshot snapshot(const QString& root) {
    Snapshot s;
    QDirIterator it(root, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString p = it.next();
        QFile f(p);
        s[QDir(root).relativeFilePath(p)] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
    }
    return s;
}

void write_file(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

// A student "ann" half-way through the spanish list "colores", whose entry 70012 stands in every file.
void lay_folder(const QString& root, AppState& m) {
    write_file(root + "languages/spanish/colores.txt", crlf({"rojo|red|01001", "casa|hause|70012", "verde|green|01003"}));
    write_file(root + "languages/spanish/master_spanish.txt",
               crlf({"perro|dog|00412", "rojo|red|01001", "casa|hause|70012", "verde|green|01003"}));
    write_file(root + "languages/spanish/highest_num.dat", " 70013 \r\n");
    write_file(root + "languages/spanish/changes_spanish.dat", crlf({"gris|grey|01004->gris|gray|01004"}));
    write_file(root + "users/ann/spanish/colores-u.txt", crlf({"casa|hause|70012", "verde|green|01003"}));
    write_file(root + "users/ann/spanish/colores-k.txt", crlf({"rojo|red|01001"}));
    write_file(root + "test_results.txt", crlf({"ann\tspanish\tcolores\t3\t100%\t00:41 \tSpelling\tSound Only\t3/2/2026 9:15:00 AM"}));
    m.working_folder = root;
    m.student_name = "ann";
    m.languages_folder = root + "languages/";
    m.user_folder = root + "users/ann/";
    choose_language(m, "spanish");
    m.current_list = "colores";
    generate_unknowns_file(m);
    m.changes_file = changes_path(m);
}

void show(AppState& m, const QString& file) {
    m.shown_file = file;
    create_array_of_words(m, file);
}

struct Operation {
    const char* name;
    // Runs the operation; returns the messages it shows (empty when it went well).
    std::function<QStringList(AppState&, FakePrompter&)> run;
    // Files it may change even when it fails (the sound-number counter, by design).
    QString may_change;
};

const std::vector<Operation>& operations() {
    static const std::vector<Operation> ops = {
        {"move to known",
         [](AppState& m, FakePrompter& p) {
             show(m, m.unknown_file);
             mark_word_known(m, 0);
             return p.messages();
         }},
        {"move to unknown",
         [](AppState& m, FakePrompter& p) {
             show(m, m.known_file);
             mark_word_unknown(m, 0);
             return p.messages();
         }},
        {"record-and-edit save",
         [](AppState& m, FakePrompter&) {
             m.current_sound_number = "70012";
             return save_text(m, "casa", "house").messages;
         }},
        {"record-and-edit delete",
         [](AppState& m, FakePrompter&) {
             m.current_sound_number = "70012";
             return delete_word(m, "casa", "hause").messages;
         }},
        {"record-and-edit add",
         [](AppState& m, FakePrompter&) { return add_word(m, "blanco", "white").messages; },
         "languages/spanish/highest_num.dat"},
        {"test result",
         [](AppState& m, FakePrompter&) {
             ResultsLine r;
             r.student = "ann";
             r.language = "spanish";
             r.word_source = "colores";
             r.started = QDateTime(QDate(2026, 3, 2), QTime(10, 0, 0));
             QString error;
             return append_results_line(m, r, &error) ? QStringList() : QStringList{error};
         }},
    };
    return ops;
}

}  // namespace

// Every write and every sync of each operation fails in turn: the operation says so with the system's
// reason and every file is as it was, byte for byte, with nothing left beside it.
TEST(NothingLost, AFailingDiskLeavesEveryFileAsItWas) {
    for (const Operation& op : operations()) {
        int writes = 0, syncs = 0;
        {
            DataTree t;
            AppState m;
            FakePrompter p;
            m.prompter = &p;
            lay_folder(t.root(), m);
            const Snapshot before = snapshot(t.root());
            FailingDisk disk;
            EXPECT_TRUE(op.run(m, p).isEmpty()) << op.name;
            EXPECT_NE(snapshot(t.root()), before) << op.name;
            writes = disk.writes;
            syncs = disk.syncs;
        }
        ASSERT_GT(writes, 0) << op.name;
        for (int n = 1; n <= writes + syncs; ++n) {
            DataTree t;
            AppState m;
            FakePrompter p;
            m.prompter = &p;
            lay_folder(t.root(), m);
            Snapshot before = snapshot(t.root());
            QStringList shown;
            {
                FailingDisk disk;
                (n <= writes ? disk.fail_write : disk.fail_sync) = n <= writes ? n : n - writes;
                shown = op.run(m, p);
            }
            const char* reason = n <= writes ? "No space left on device" : "Input/output error";
            const std::string where = std::string(op.name) + (n <= writes ? ", write " : ", sync ") +
                                      std::to_string(n <= writes ? n : n - writes);
            ASSERT_EQ(shown.size(), 1) << where;
            EXPECT_TRUE(shown[0].startsWith(QStringLiteral("Could not write the file ") + t.root())) << where << ": " << shown[0].toStdString();
            EXPECT_TRUE(shown[0].endsWith(QStringLiteral(": ") + reason)) << where << ": " << shown[0].toStdString();
            Snapshot after = snapshot(t.root());
            if (!op.may_change.isEmpty()) after[op.may_change] = before[op.may_change];
            EXPECT_EQ(after, before) << where;
        }
    }
}

// ---- a real small file system, filled to the last byte ----

namespace {

class SmallDisk {
public:
    SmallDisk() {
        if (::geteuid() != 0) {
            why_not_ = "mounting a small file system needs root";
            return;
        }
        if (::mount("tmpfs", QFile::encodeName(dir_.path()).constData(), "tmpfs", 0, "size=256k") != 0) {
            why_not_ = std::string("could not mount a small tmpfs: ") + std::strerror(errno);
            return;
        }
        mounted_ = true;
    }
    ~SmallDisk() {
        if (mounted_) ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    const std::string& why_not() const { return why_not_; }
    QString root() const { return dir_.path() + u'/'; }
    // Fills every free byte with one file.
    void fill() {
        QFile f(root() + "filler");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(512, 'x');
        while (f.write(block) == block.size()) {
        }
        QByteArray one(1, 'x');
        while (f.write(one) == 1) {
        }
    }
    void make_room() { QFile::remove(root() + "filler"); }

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
    std::string why_not_;
};

}  // namespace

TEST(NothingLost, AFullFileSystemLeavesEveryFileWhole) {
    SmallDisk disk;
    if (!disk.mounted()) GTEST_SKIP() << disk.why_not();
    AppState m;
    FakePrompter p;
    m.prompter = &p;
    lay_folder(disk.root(), m);
    disk.fill();
    const Snapshot full = snapshot(disk.root());

    show(m, m.unknown_file);
    EXPECT_FALSE(mark_word_known(m, 0));
    ASSERT_EQ(p.messages().size(), 1);
    EXPECT_TRUE(p.messages()[0].endsWith(": No space left on device")) << p.messages()[0].toStdString();
    EXPECT_EQ(snapshot(disk.root()), full);

    m.current_sound_number = "70012";
    const EditResult r = save_text(m, "casa", "house");
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_TRUE(r.messages[0].endsWith(": No space left on device")) << r.messages[0].toStdString();
    EXPECT_EQ(snapshot(disk.root()), full);

    // With room again both go through.
    disk.make_room();
    show(m, m.unknown_file);
    EXPECT_TRUE(mark_word_known(m, 0));
    EXPECT_TRUE(save_text(m, "casa", "house").ok);
    const QString root = disk.root();
    auto read = [&](const char* rel) {
        QFile f(root + rel);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    EXPECT_EQ(read("users/ann/spanish/colores-u.txt"), crlf({"verde|green|01003"}));
    EXPECT_EQ(read("users/ann/spanish/colores-k.txt"), crlf({"rojo|red|01001", "casa|house|70012"}));
    EXPECT_EQ(read("languages/spanish/colores.txt"), crlf({"rojo|red|01001", "casa|house|70012", "verde|green|01003"}));
}

// ---- a process killed in the middle of rewriting a long list ----

namespace {

// A list of 30,000 entries; the two versions differ in every line.
QStringList long_list(char version) {
    QStringList lines;
    for (int i = 0; i < 30000; ++i)
        lines << QStringLiteral("palabra%1%2|word %1|%3").arg(i).arg(QLatin1Char(version)).arg(i % 100000, 5, 10, QChar(u'0'));
    return lines;
}

}  // namespace

TEST(NothingLost, AKilledRewriteLeavesTheOldOrTheNewList) {
    DataTree t;
    const QString list = t.path("list.txt");
    const QStringList versions[2] = {long_list('a'), long_list('b')};
    const QByteArray a = crlf(versions[0]), b = crlf(versions[1]);
    t.write("list.txt", a);

    // The kills are spread over about the child's first rewrite.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(write_lines(t.path("scratch.txt"), versions[i % 2]));
    const qint64 rewrite_us =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count() / 3;
    QFile::remove(t.path("scratch.txt"));

    int mid_rewrite = 0;
    for (int kill = 0; kill < 200; ++kill) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            for (unsigned i = 1;; ++i) write_lines(list, versions[i % 2]);
        }
        ::usleep(useconds_t(QRandomGenerator::global()->bounded(rewrite_us + 1)));
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended on its own";

        const QByteArray now = t.read("list.txt");
        ASSERT_TRUE(now == a || now == b) << "kill " << kill << " left " << now.size() << " bytes";
        // What a killed rewrite leaves is a hidden temporary file beside the list, never the list.
        for (const QString& name : QDir(t.root()).entryList(QDir::Files | QDir::Hidden)) {
            if (name == u"list.txt") continue;
            ++mid_rewrite;
            QFile::remove(t.path(name));
        }
    }
    std::printf("one rewrite takes %lld us; %d of 200 kills fell inside a rewrite\n", (long long)rewrite_us, mid_rewrite);
    EXPECT_GT(mid_rewrite, 0);
}

// ---- names the file system cannot hold ----

TEST(NothingLost, NamesTooLongForTheFileSystemAreRefusedAtThePrompt) {
    EXPECT_TRUE(path_name_refusal(QString(249, u'a'), "list name", 6).isEmpty());
    EXPECT_FALSE(path_name_refusal(QString(250, u'a'), "list name", 6).isEmpty());
    // Letters outside English take two bytes each on disk.
    EXPECT_TRUE(path_name_refusal(QString(127, u'ñ'), "name").isEmpty());
    const QString refusal = path_name_refusal(QString(128, u'ñ'), "name");
    EXPECT_EQ(refusal, QStringLiteral("The name is too long: the files made from it may have names of at most 255 bytes, "
                                      "which leaves 255 bytes for the name (a letter outside the English alphabet "
                                      "takes two or more). Please choose a shorter one."));
    EXPECT_EQ(path_name_refusal("a/b", "name"), unsafe_name_message("name"));
}
