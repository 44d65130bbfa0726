// The user's answers kept between runs: the whole record, written to answers.json in the
// user's data folder after every answer. Nothing the file holds is ever thrown away.
#pragma once

#include <memory>
#include <vector>

#include <QCoreApplication>
#include <QString>

#include "profile/answers_file.h"
#include "profile/profile.h"

class QLockFile;

namespace brindlex {

class ANSWERSTORE {
    Q_DECLARE_TR_FUNCTIONS(brindlex::ANSWERSTORE)

public:
    // Keeps the answers in `folder`; by default the application's data folder.
    explicit ANSWERSTORE(QString folder = DefaultFolder());
    ~ANSWERSTORE();

    static QString DefaultFolder();
    QString filePath() const;
    // The lock beside the file, held by the one process that may write it.
    QString lockPath() const;

    enum class Lock {
        kTaken,          // this store may write the file
        kHeldElsewhere,  // another process holds the lock and is alive
        kUnavailable,    // the folder cannot be made or written: nothing can be kept
    };
    // Takes the lock beside the file. A lock left by a process that has died is taken over.
    Lock TakeLock();
    // Who holds the lock that TakeLock() found held: "process 1234 on this computer", or
    // "process 1234 on the computer name".
    QString LockHolder() const;

    // Fills `profile` with the stored answers, or with the all-zero record when none are
    // stored, and returns what the user is to be told, or an empty string.
    // - A file that cannot be read leaves the file as it is, and this store does not write
    //   over it in this run.
    // - A file that is no answers record is moved aside to the first free numbered name
    //   (answers.json.bad.1, .2, ...), never over an earlier one, and `profile` is empty.
    // - A member whose value no answer has loses its own answer alone; a copy of the file as
    //   it was is kept under a numbered name. Members that this version does not know are
    //   kept, and written again with the answers.
    QString Load(PROFILE& profile);

    // Writes `profile` unless it equals the answers written last, or the store may not write.
    // The file is replaced atomically and only its owner may read it. A failure keeps the old
    // file; the result says so for the user the first time in a run, and is empty otherwise.
    QString Store(const PROFILE& profile);

private:
    // Moves (or copies) the file to the first free numbered name; returns that name, or an
    // empty string when it could not be done.
    QString KeepAside(bool move) const;

    QString m_folder;
    std::unique_ptr<QLockFile> m_lock;
    Lock m_lockState = Lock::kUnavailable;
    PROFILE m_stored;
    std::vector<KeptMember> m_kept;
    // The file could not be read: this run does not write over it.
    bool m_leftAlone = false;
    bool m_failureReported = false;
};

}  // namespace brindlex
