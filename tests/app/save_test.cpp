// "Save as Txt File": what the file holds, replacing it, and failures.
#include <gtest/gtest.h>

#include <string>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include "app/dialogs.h"
#include "app/menucommands.h"
#include "codec/codec.h"
#include "tests/app/helpers.h"
#include "ui/mainform.h"

#ifdef Q_OS_UNIX
#include <sys/resource.h>
#include <csignal>
#endif

namespace brindlex {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return file.readAll();
}

bool WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// What the file must hold for `profile`: its code line and one 0x00 byte.
QByteArray ExpectedContent(const PROFILE& profile) {
    PROFILE copy = profile;
    const std::string line = ComposeCode(copy);
    QByteArray bytes(line.data(), static_cast<qsizetype>(line.size()));
    bytes.append('\0');
    return bytes;
}

// The part of a failure message that says why: after the path, up to the paragraph's end.
QString Reason(const QString& message, const QString& path) {
    const QString first = message.section(QStringLiteral("\n\n"), 0, 0);
    const QString after = QDir::toNativeSeparators(path) + QStringLiteral(": ");
    const auto at = first.indexOf(after);
    return at < 0 ? QString() : first.mid(at + after.size());
}

class Save : public ::testing::Test {
protected:
    void SetUp() override {
        InstallMenu(form);
        ASSERT_TRUE(folder.isValid());
    }

    // Runs the menu command with the chooser answering `fileName` ("" cancels). A message box,
    // should one come, is answered at once; returns its text, or an empty string.
    QString SaveAs(const QString& fileName) {
        MESSAGEBOX::setNextAnswer(QMessageBox::Ok);
        FILECHOOSER::setNextFileName(fileName);
        test::Command(form, kCommandSaveAsText)->trigger();
        const QString message = MESSAGEBOX::answeredText();
        MESSAGEBOX::setNextAnswer(QMessageBox::NoButton);
        return message;
    }

    QStringList FolderEntries() const {
        return QDir(folder.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }

    QTemporaryDir folder;
    PROFILE profile;
    MAINFORM form{profile};
};

TEST_F(Save, WritesTheComposedCodeLineAndOneZeroByte) {
    const QString path = folder.filePath(QStringLiteral("zero.txt"));
    EXPECT_EQ(SaveAs(path), QString());
    const QByteArray zero = ReadAll(path);
    EXPECT_EQ(zero, ExpectedContent(profile));
    EXPECT_TRUE(zero.startsWith("2.0F"));
    EXPECT_EQ(zero.count('\0'), 1);
    EXPECT_TRUE(form.isEnabled());

    // Answers stored after the code line field was last written still reach the file: the
    // line is composed from the answers at the moment of saving.
    form.RefreshCodeLine();
    profile.speciesFamily = 3;
    profile.speciesIndex = 4;
    profile.anthroLevel = 7;
    profile.age = 33;
    profile.customSpeciesName = "Brindle";
    profile.includeKinks = 1;
    profile.setKink(5, MakeKinkCell(1, 3));
    const QString filled = folder.filePath(QStringLiteral("filled.txt"));
    EXPECT_EQ(SaveAs(filled), QString());
    EXPECT_EQ(ReadAll(filled), ExpectedContent(profile));
    EXPECT_NE(ReadAll(filled), zero);
    EXPECT_EQ(FolderEntries(),
              (QStringList{QStringLiteral("filled.txt"), QStringLiteral("zero.txt")}));
}

TEST_F(Save, SavingAgainReplacesTheWholeFile) {
    const QString path = folder.filePath(QStringLiteral("code.txt"));
    profile.speciesFamily = 3;
    profile.writingLevel = 6;
    profile.includeKinks = 1;
    for (int kink = 0; kink < 20; ++kink) {
        profile.setKink(kink, MakeKinkCell(1, 1));
    }
    const QByteArray longer = ExpectedContent(profile);
    EXPECT_EQ(SaveAs(path), QString());
    ASSERT_EQ(ReadAll(path), longer);

    profile = PROFILE();
    const QByteArray shorter = ExpectedContent(profile);
    ASSERT_LT(shorter.size(), longer.size());
    EXPECT_EQ(SaveAs(path), QString());
    EXPECT_EQ(ReadAll(path), shorter);
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("code.txt")});
}

TEST_F(Save, CancelledChooserWritesNothing) {
    EXPECT_EQ(SaveAs(QString()), QString());
    EXPECT_TRUE(FolderEntries().isEmpty());
    EXPECT_TRUE(form.isEnabled());
}

TEST_F(Save, FolderThatCannotBeWrittenIsReported) {
    ASSERT_TRUE(WriteAll(folder.filePath(QStringLiteral("plain-file")), "x"));
    const std::pair<QString, QString> paths[] = {
        {folder.filePath(QStringLiteral("missing/code.txt")), QStringLiteral("does not exist")},
        {folder.filePath(QStringLiteral("plain-file/code.txt")),
         QStringLiteral("is a file, not a folder")},
    };
    for (const auto& [path, why] : paths) {
        const QString message = SaveAs(path);
        EXPECT_TRUE(message.contains(QStringLiteral("could not be saved")))
            << message.toStdString();
        EXPECT_TRUE(Reason(message, path).contains(why)) << message.toStdString();
        EXPECT_FALSE(QFile::exists(path));
        EXPECT_TRUE(form.isEnabled());
    }
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("plain-file")});
    EXPECT_EQ(ReadAll(folder.filePath(QStringLiteral("plain-file"))), QByteArray("x"));
}

#ifdef Q_OS_UNIX
// Caps the size of files this process may write, so that a write fails even for root.
class FileSizeCap {
public:
    explicit FileSizeCap(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_savedHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit capped = m_saved;
        capped.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &capped) == 0;
    }
    ~FileSizeCap() {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_savedHandler);
    }
    bool active() const { return m_active; }

private:
    rlimit m_saved{};
    void (*m_savedHandler)(int) = nullptr;
    bool m_active = false;
};

TEST_F(Save, FailedWriteKeepsTheOldFileAndIsReported) {
    const QString path = folder.filePath(QStringLiteral("code.txt"));
    const QByteArray old("the old code line");
    ASSERT_TRUE(WriteAll(path, old));
    ASSERT_GT(ExpectedContent(profile).size(), old.size());

    QString message;
    {
        FileSizeCap cap(static_cast<rlim_t>(old.size()));
        ASSERT_TRUE(cap.active());
        message = SaveAs(path);
    }
    EXPECT_TRUE(message.contains(QStringLiteral("could not be saved"))) << message.toStdString();
    EXPECT_TRUE(Reason(message, path).startsWith(QStringLiteral("the disk is full")))
        << message.toStdString();
    EXPECT_EQ(ReadAll(path), old);
    EXPECT_EQ(FolderEntries(), QStringList{QStringLiteral("code.txt")})
        << "a partial file was left";
    EXPECT_TRUE(form.isEnabled());
}
#endif

// The real chooser: it offers text files, adds ".txt" to a bare name, replaces a file
// without asking, and is usable while the main window is disabled.
TEST_F(Save, ChooserAddsTheTxtSuffixAndReplacesWithoutAsking) {
    const QString existing = folder.filePath(QStringLiteral("existing.txt"));
    ASSERT_TRUE(WriteAll(existing, "old"));

    struct Seen {
        bool chooser = false;
        bool chooserEnabled = false;
        bool formEnabled = true;
        QStringList filters;
        bool askedToReplace = false;
    };
    auto choose = [this](const QString& name, Seen& seen) {
        test::WhenModalOpens([&, name](QWidget* modal) {
            auto* chooser = qobject_cast<QFileDialog*>(modal);
            seen.chooser = chooser != nullptr;
            if (!chooser) {
                return;
            }
            seen.chooserEnabled = chooser->isEnabled();
            seen.formEnabled = form.isEnabled();
            seen.filters = chooser->nameFilters();
            // A question about replacing the file would be the next modal window.
            test::WhenModalOpens([&seen](QWidget* next) {
                seen.askedToReplace = qobject_cast<QMessageBox*>(next) != nullptr;
            });
            chooser->setDirectory(folder.path());
            chooser->selectFile(name);
            static_cast<QDialog*>(chooser)->accept();
        });
        test::Command(form, kCommandSaveAsText)->trigger();
        // Lets the watch for a replace question run out before the next save.
        QCoreApplication::processEvents();
    };

    Seen bare;
    choose(QStringLiteral("bare"), bare);
    EXPECT_TRUE(bare.chooser);
    EXPECT_TRUE(bare.chooserEnabled);
    EXPECT_FALSE(bare.formEnabled);
    EXPECT_EQ(bare.filters, QStringList{QStringLiteral("Text Files (*.txt)")});
    EXPECT_EQ(ReadAll(folder.filePath(QStringLiteral("bare.txt"))), ExpectedContent(profile));
    EXPECT_TRUE(form.isEnabled());

    Seen replace;
    choose(QStringLiteral("existing.txt"), replace);
    EXPECT_FALSE(replace.askedToReplace);
    EXPECT_EQ(ReadAll(existing), ExpectedContent(profile));
}

}  // namespace
}  // namespace brindlex
