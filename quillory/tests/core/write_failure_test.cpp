#include "core/review_schedule.h"
#include "support/run_pieces.h"
#include "core/record_edit.h"
#include "core/test_session.h"
#include "core/text_file.h"
#include "support/data_tree.h"
#include "support/fake_prompter.h"

#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <functional>
#include <map>
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <unistd.h>

using ql::testing::RunPieces;

// Snapshots that differ print as names and texts, not as arrays of characters.
[[maybe_unused]] static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
[[maybe_unused]] static void PrintTo(const QByteArray& b, std::ostream* os) { *os << '"' << b.toStdString() << '"'; }

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
void lay_folder(const QString& root, RunPieces& m) {
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
    static_cast<LanguageSession&>(m) = choose_language(m, "spanish").session;
    m.current_list = "colores";
    generate_unknowns_file(m, m, m.prompter);
}

// The record-and-edit window with casa chosen.
RecordEditState chosen_word(const RunPieces& m) {
    RecordEditState edit;
    edit.current_sound_number = QStringLiteral("70012");
    edit.changes_file = changes_path(m, m);
    return edit;
}

void show(RunPieces& m, const QString& file) {
    m.shown_file = file;
    create_array_of_words(m, file);
}

struct Operation {
    const char* name;
    // Runs the operation; returns the messages it shows (empty when it went well).
    std::function<QStringList(RunPieces&, FakePrompter&)> run;
    // Files it may change even when it fails (the sound-number counter, by design).
    QString may_change;
};

const std::vector<Operation>& operations() {
    static const std::vector<Operation> ops = {
        {"move to known",
         [](RunPieces& m, FakePrompter& p) {
             show(m, m.unknown_file);
             mark_word_known(m.prompter, m, m, review_today(m.date_clock), 0);
             return p.messages();
         }},
        {"move to unknown",
         [](RunPieces& m, FakePrompter& p) {
             show(m, m.known_file);
             mark_word_unknown(m.prompter, m, m, review_today(m.date_clock), 0);
             return p.messages();
         }},
        {"record-and-edit save",
         [](RunPieces& m, FakePrompter&) {
             return save_text(m, chosen_word(m), "casa", "house").messages;
         }},
        {"record-and-edit delete",
         [](RunPieces& m, FakePrompter&) {
             return delete_word(m, chosen_word(m), "casa", "hause").messages;
         }},
        {"record-and-edit add",
         [](RunPieces& m, FakePrompter&) { return add_word(m, m, "blanco", "white").messages; },
         "languages/spanish/highest_num.dat"},
        {"test result",
         [](RunPieces& m, FakePrompter&) {
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

// A laid folder with its state, as each trial starts from.
struct Laid {
    DataTree t;
    RunPieces m;
    FakePrompter p;
    Laid() {
        m.prompter = &p;
        lay_folder(t.root(), m);
    }
};

}  // namespace

// Every write and every sync of each operation fails in turn: the operation says so with the system's
// reason and every file is as it was, byte for byte, with nothing left beside it.
TEST(NothingLost, AFailingDiskLeavesEveryFileAsItWas) {
    for (const Operation& op : operations()) {
        int writes = 0, syncs = 0;
        {
            Laid l;
            const Snapshot before = snapshot(l.t.root());
            FailingDisk disk;
            EXPECT_TRUE(op.run(l.m, l.p).isEmpty()) << op.name;
            EXPECT_NE(snapshot(l.t.root()), before) << op.name;
            writes = disk.writes;
            syncs = disk.syncs;
        }
        ASSERT_GT(writes, 0) << op.name;
        for (int n = 1; n <= writes + syncs; ++n) {
            DataTree t;
            RunPieces m;
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
    RunPieces m;
    FakePrompter p;
    m.prompter = &p;
    lay_folder(disk.root(), m);
    disk.fill();
    const Snapshot full = snapshot(disk.root());

    show(m, m.unknown_file);
    EXPECT_FALSE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), 0));
    ASSERT_EQ(p.messages().size(), 1);
    EXPECT_TRUE(p.messages()[0].endsWith(": No space left on device")) << p.messages()[0].toStdString();
    EXPECT_EQ(snapshot(disk.root()), full);

    const EditResult r = save_text(m, chosen_word(m), "casa", "house");
    ASSERT_EQ(r.messages.size(), 1);
    EXPECT_TRUE(r.messages[0].endsWith(": No space left on device")) << r.messages[0].toStdString();
    EXPECT_EQ(snapshot(disk.root()), full);

    // With room again both go through.
    disk.make_room();
    show(m, m.unknown_file);
    EXPECT_TRUE(mark_word_known(m.prompter, m, m, review_today(m.date_clock), 0));
    EXPECT_TRUE(save_text(m, chosen_word(m), "casa", "house").ok);
    const QString root = disk.root();
    auto read = [&](const char* rel) {
        QFile f(root + rel);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    EXPECT_EQ(read("users/ann/spanish/colores-u.txt"), crlf({"verde|green|01003"}));
    EXPECT_EQ(read("users/ann/spanish/colores-k.txt"), crlf({"rojo|red|01001", "casa|house|70012"}));
    EXPECT_EQ(read("languages/spanish/colores.txt"), crlf({"rojo|red|01001", "casa|house|70012", "verde|green|01003"}));
}

// ---- a process killed at any step of a change ----

namespace {

struct Killed {};

// The process dies at the Nth step (a write, sync, link, rename, unlink or cut): that step does not
// take place, except that a write may have put half its bytes down, and nothing after it runs.
class KilledDisk : public WriteDevice {
public:
    int kill_at = 0;  // 0: the process lives
    int steps = 0;
    int commit = 0;   // the step that removed the last journal
    KilledDisk() { set_write_device(this); }
    ~KilledDisk() override { set_write_device(nullptr); }
    ssize_t write(int fd, const char* data, size_t size) override {
        if (++steps == kill_at) {
            if (size > 1) ::write(fd, data, size / 2);
            throw Killed{};
        }
        return ::write(fd, data, size);
    }
    int sync(int fd) override { return step() ? ::fsync(fd) : 0; }
    int link(const char* from, const char* to) override { return step() ? ::link(from, to) : 0; }
    int rename(const char* from, const char* to) override { return step() ? ::rename(from, to) : 0; }
    int unlink(const char* path) override {
        step();
        if (QByteArray(path).endsWith("/.quillory-journal")) commit = steps;
        return ::unlink(path);
    }
    int truncate(const char* path, off_t size) override { return step() ? ::truncate(path, size) : 0; }

private:
    bool step() {
        if (++steps == kill_at) throw Killed{};
        return true;
    }
};

}  // namespace

// Each operation is killed at each of its steps in turn; the start-up's recovery then finds every file
// byte for byte as before the change (or, killed after the journal's removal, as after it), with no
// hidden file left. A killed append leaves half a line behind; a killed replacement, the hidden files.
TEST(NothingLost, AKillAtAnyStepIsRolledBackAtTheNextStart) {
    for (const Operation& op : operations()) {
        int steps = 0, commit = 0;
        Snapshot after;
        {
            Laid l;
            KilledDisk disk;
            ASSERT_TRUE(op.run(l.m, l.p).isEmpty()) << op.name;
            steps = disk.steps;
            commit = disk.commit;
            after = snapshot(l.t.root());
        }
        ASSERT_GT(commit, 0) << op.name << " changes files without a journal";
        for (int n = 1; n <= steps; ++n) {
            Laid l;
            const Snapshot before = snapshot(l.t.root());
            bool killed = false;
            {
                KilledDisk disk;
                disk.kill_at = n;
                try {
                    op.run(l.m, l.p);
                } catch (const Killed&) {
                    killed = true;
                }
            }
            const std::string where = std::string(op.name) + ", killed at step " + std::to_string(n) + " of " +
                                      std::to_string(steps);
            ASSERT_TRUE(killed) << where;
            EXPECT_EQ(recover_interrupted_changes(l.t.root()), QString()) << where;
            Snapshot now = snapshot(l.t.root());
            const Snapshot& expected = n <= commit ? before : after;
            if (!op.may_change.isEmpty()) now[op.may_change] = expected.at(op.may_change);
            EXPECT_EQ(now, expected) << where;
        }
    }
}

// A recovery killed at any of its own steps, then run again, ends where one whole recovery does; and
// a change in a folder first rolls back a change a kill left there, even one whose journal lies in
// the folder above (a record-and-edit save spans the language's and the student's folders).
TEST(NothingLost, ARecoveryCutShortEndsTheSameAndTheNextChangeRecoversFirst) {
    const Operation& save = operations()[2];
    ASSERT_STREQ(save.name, "record-and-edit save");
    int commit = 0;
    {
        Laid l;
        KilledDisk disk;
        ASSERT_TRUE(save.run(l.m, l.p).isEmpty());
        commit = disk.commit;
    }
    // Killed with every replacement in place and only the journal's removal to come.
    auto killed_save = [&](Laid& l) {
        KilledDisk disk;
        disk.kill_at = commit;
        EXPECT_THROW(save.run(l.m, l.p), Killed);
    };
    int recovery_steps = 0;
    {
        Laid l;
        const Snapshot before = snapshot(l.t.root());
        killed_save(l);
        ASSERT_NE(snapshot(l.t.root()), before);
        KilledDisk disk;
        EXPECT_EQ(recover_interrupted_changes(l.t.root()), QString());
        recovery_steps = disk.steps;
        EXPECT_EQ(snapshot(l.t.root()), before);
    }
    ASSERT_GT(recovery_steps, 3);
    for (int n = 1; n <= recovery_steps; ++n) {
        Laid l;
        const Snapshot before = snapshot(l.t.root());
        killed_save(l);
        {
            KilledDisk disk;
            disk.kill_at = n;
            EXPECT_THROW(recover_interrupted_changes(l.t.root()), Killed) << "step " << n;
        }
        EXPECT_EQ(recover_interrupted_changes(l.t.root()), QString()) << "step " << n;
        EXPECT_EQ(snapshot(l.t.root()), before) << "recovery killed at step " << n;
    }

    Laid l;
    const Snapshot before = snapshot(l.t.root());
    killed_save(l);
    ASSERT_TRUE(append_lines(l.t.root() + "users/ann/spanish/notes.txt", {"uno"}));
    Snapshot now = snapshot(l.t.root());
    EXPECT_EQ(now["users/ann/spanish/notes.txt"], crlf({"uno"}));
    now.erase("users/ann/spanish/notes.txt");
    EXPECT_EQ(now, before);
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
