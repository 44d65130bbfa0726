#include "app/answerstore.h"

#include <string>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSysInfo>

#include "app/filewords.h"
#include "app/menucommands.h"

namespace brindlex {

namespace {

constexpr char kFileName[] = "answers.json";
constexpr char kLockSuffix[] = ".lock";
constexpr char kAsideSuffix[] = ".bad.";
constexpr int kMostAside = 10000;

// Writes all of `bytes` to `path` through a save file that only its owner may read.
QString WriteOwnerOnly(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once instead of being committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return FileWords::WriteProblem(file);
    }
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = FileWords::WriteProblem(file);
        file.cancelWriting();
        return reason;
    }
    for (std::size_t written = 0; written < bytes.size();) {
        const qint64 count =
            file.write(bytes.data() + written, static_cast<qint64>(bytes.size() - written));
        if (count <= 0) {
            const QString reason = FileWords::WriteProblem(file);
            file.cancelWriting();
            return reason;
        }
        written += static_cast<std::size_t>(count);
    }
    return file.commit() ? QString() : FileWords::WriteProblem(file);
}

}  // namespace

ANSWERSTORE::ANSWERSTORE(QString folder) : m_folder(std::move(folder)) {}

ANSWERSTORE::~ANSWERSTORE() = default;

QString ANSWERSTORE::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString ANSWERSTORE::filePath() const {
    return QDir(m_folder).filePath(QLatin1String(kFileName));
}

QString ANSWERSTORE::lockPath() const {
    return filePath() + QLatin1String(kLockSuffix);
}

ANSWERSTORE::Lock ANSWERSTORE::TakeLock() {
    if (m_lockState == Lock::kTaken) {
        return m_lockState;
    }
    if (!QDir().mkpath(m_folder)) {
        return m_lockState = Lock::kUnavailable;
    }
    m_lock = std::make_unique<QLockFile>(lockPath());
    // However long the window runs, its lock stays good; only a dead process loses it.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0)) {
        return m_lockState = Lock::kTaken;
    }
    return m_lockState = m_lock->error() == QLockFile::LockFailedError ? Lock::kHeldElsewhere
                                                                       : Lock::kUnavailable;
}

QString ANSWERSTORE::LockHolder() const {
    qint64 pid = 0;
    QString host;
    QString program;
    if (!m_lock || !m_lock->getLockInfo(&pid, &host, &program)) {
        return tr("another program");
    }
    if (host.isEmpty() || host == QSysInfo::machineHostName()) {
        return tr("process %1 on this computer").arg(pid);
    }
    return tr("process %1 on the computer %2").arg(pid).arg(host);
}

QString ANSWERSTORE::KeepAside(bool move) const {
    for (int number = 1; number <= kMostAside; ++number) {
        const QString aside = filePath() + QLatin1String(kAsideSuffix) + QString::number(number);
        if (QFile::exists(aside)) {
            continue;
        }
        // Neither renaming nor copying replaces a file that is there already.
        if (move ? QFile::rename(filePath(), aside) : QFile::copy(filePath(), aside)) {
            return aside;
        }
        if (!QFile::exists(aside)) {
            return QString();  // it failed for another reason than the name
        }
    }
    return QString();
}

QString ANSWERSTORE::Load(PROFILE& profile) {
    profile = PROFILE();
    m_stored = PROFILE();
    m_kept.clear();
    m_leftAlone = false;
    const QString where = QDir::toNativeSeparators(filePath());
    QFile file(filePath());
    if (!file.exists()) {
        return QString();
    }
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly)) {
        bytes = file.readAll();
    }
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        m_leftAlone = true;
        return tr("Brindlex could not read your answers from the last time in %1: %2.\n\n"
                  "The file is left as it is, and Brindlex does not write over it while it "
                  "runs now, so the answers you give now are not kept for the next time. Close "
                  "Brindlex and start it again once the file can be read; to keep new answers "
                  "meanwhile, save your code line with \"%3\".")
            .arg(where, FileWords::ReadProblem(file), CommandName("Save as Txt File"));
    }
    file.close();

    AnswersFile read;
    try {
        read = ReadAnswersFile(
            std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    } catch (const ProfileJsonError& error) {
        using Problem = ProfileJsonError::Problem;
        const QString what = error.problem() == Problem::kEmpty ? tr("the file is empty")
                             : error.problem() == Problem::kEndsEarly
                                 ? tr("the file ends in the middle")
                                 : tr("it is not an answers file");
        const QString aside = KeepAside(true);
        if (aside.isEmpty()) {
            m_leftAlone = true;
            return tr("Your answers from the last time in %1 cannot be read back: %2.\n\n"
                      "Brindlex could not move the file aside, so it leaves the file as it is "
                      "and starts with empty answers, which are not kept for the next time.")
                .arg(where, what);
        }
        return tr("Your answers from the last time in %1 cannot be read back: %2.\n\n"
                  "Brindlex has moved the file to %3, so that nothing in it is lost, and starts "
                  "with empty answers.")
            .arg(where, what, QDir::toNativeSeparators(aside));
    }

    profile = read.profile;
    m_stored = read.profile;
    m_kept = read.kept;
    if (read.lost.empty()) {
        return QString();
    }
    QStringList lost;
    for (const LostAnswer& answer : read.lost) {
        lost.append(
            tr("'%1' is %2, which no answer has")
                .arg(QString::fromStdString(answer.member), QString::fromStdString(answer.value)));
    }
    const QString aside = KeepAside(false);
    QString text = tr("Some of your answers from the last time in %1 could not be taken: %2.\n\n"
                      "Your other answers are all there.")
                       .arg(where, lost.join(QStringLiteral("; ")));
    text += QLatin1Char(' ');
    text += aside.isEmpty()
                ? tr("A copy of the file as it was could not be kept, so the answers that could "
                     "not be taken are gone once you change an answer.")
                : tr("A copy of the file as it was is kept as %1.")
                      .arg(QDir::toNativeSeparators(aside));
    return text;
}

QString ANSWERSTORE::Store(const PROFILE& profile) {
    if (profile == m_stored || m_leftAlone) {
        return QString();
    }
    QString reason;
    if (m_lockState != Lock::kTaken) {
        reason =
            tr("the folder %1 cannot be made or written").arg(QDir::toNativeSeparators(m_folder));
    } else {
        reason = WriteOwnerOnly(filePath(), WriteAnswersFile(profile, m_kept));
    }
    if (reason.isEmpty()) {
        m_stored = profile;
        return QString();
    }
    if (m_failureReported) {
        return QString();
    }
    m_failureReported = true;
    // The command as its menu item reads.
    return tr("Your answers could not be kept for the next time in %1: %2.\n\n"
              "Brindlex goes on working; save your code line with \"%3\" to keep it.")
        .arg(QDir::toNativeSeparators(filePath()), reason, CommandName("Save as Txt File"));
}

}  // namespace brindlex
