#include "app/answerstore.h"

#include <string>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

#include "app/menucommands.h"
#include "profile/profile_json.h"

namespace brindlex {

namespace {

constexpr char kFileName[] = "answers.json";
constexpr char kBadSuffix[] = ".bad";

// Writes all of `bytes` to `path` through a save file that only its owner may read.
QString WriteOwnerOnly(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a short write shows at once instead of being committed.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return file.errorString();
    }
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    for (std::size_t written = 0; written < bytes.size();) {
        const qint64 count =
            file.write(bytes.data() + written, static_cast<qint64>(bytes.size() - written));
        if (count <= 0) {
            const QString reason = file.errorString();
            file.cancelWriting();
            return reason;
        }
        written += static_cast<std::size_t>(count);
    }
    return file.commit() ? QString() : file.errorString();
}

}  // namespace

ANSWERSTORE::ANSWERSTORE(QString folder) : m_folder(std::move(folder)) {}

QString ANSWERSTORE::DefaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString ANSWERSTORE::filePath() const {
    return QDir(m_folder).filePath(QLatin1String(kFileName));
}

QString ANSWERSTORE::Load(PROFILE& profile) {
    profile = PROFILE();
    m_stored = PROFILE();
    QFile file(filePath());
    if (!file.exists()) {
        return QString();
    }
    QString reason;
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            reason = file.errorString();
        } else {
            try {
                profile = ProfileFromJsonText(
                    std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                    NameCharacters::kAny);
                m_stored = profile;
                return QString();
            } catch (const ProfileJsonError& e) {
                reason = QString::fromStdString(e.what());
            }
        }
        file.close();
    } else {
        reason = file.errorString();
    }

    // Keep the unreadable file for the user, out of the way of the next answers.
    const QString bad = filePath() + QLatin1String(kBadSuffix);
    QFile::remove(bad);
    const bool kept = QFile::rename(filePath(), bad);
    QString text = tr("Your answers from the last time could not be read back (%1), "
                      "so Brindlex starts with empty answers.")
                       .arg(reason);
    if (kept) {
        text += QStringLiteral("\n\n") +
                tr("The file is kept as %1.").arg(QDir::toNativeSeparators(bad));
    }
    return text;
}

QString ANSWERSTORE::Store(const PROFILE& profile) {
    if (profile == m_stored) {
        return QString();
    }
    QString reason;
    if (!QDir().mkpath(m_folder)) {
        reason = tr("the folder %1 cannot be made").arg(QDir::toNativeSeparators(m_folder));
    } else {
        reason = WriteOwnerOnly(filePath(), ProfileToJsonText(profile));
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
    const QString save = CommandName("Save as Txt File");
    return tr("Your answers could not be kept for the next time: %1 cannot be "
              "written (%2).\n\nBrindlex goes on working; save your code line with "
              "\"%3\" to keep it.")
        .arg(QDir::toNativeSeparators(filePath()), reason, save);
}

}  // namespace brindlex
