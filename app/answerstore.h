// The user's answers kept between runs: the whole record, written to answers.json in the
// user's data folder after every answer.
#pragma once

#include <QCoreApplication>
#include <QString>

#include "profile/profile.h"

namespace brindlex {

class ANSWERSTORE {
    Q_DECLARE_TR_FUNCTIONS(brindlex::ANSWERSTORE)

public:
    // Keeps the answers in `folder`; by default the application's data folder.
    explicit ANSWERSTORE(QString folder = DefaultFolder());

    static QString DefaultFolder();
    QString filePath() const;

    // Fills `profile` with the stored answers, or with the all-zero record when none are
    // stored. A file that cannot be read back is kept beside as answers.json.bad, replacing
    // an older one, and `profile` is the all-zero record; the result then says so for the
    // user. Otherwise the result is empty.
    QString Load(PROFILE& profile);

    // Writes `profile` unless it equals the answers written last. The file is replaced
    // atomically and only its owner may read it. A failure keeps the old file; the result
    // says so for the user the first time in a run, and is empty otherwise.
    QString Store(const PROFILE& profile);

private:
    QString m_folder;
    PROFILE m_stored;
    bool m_failureReported = false;
};

}  // namespace brindlex
