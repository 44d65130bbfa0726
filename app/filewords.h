// Why a file could not be read or written, in the user's words rather than the system's.
#pragma once

#include <QCoreApplication>
#include <QString>

class QFileDevice;

namespace brindlex {

class FileWords {
    Q_DECLARE_TR_FUNCTIONS(brindlex::FileWords)

public:
    // Why `file` could not be opened or read: "you are not allowed to read it", ...
    static QString ReadProblem(const QFileDevice& file);
    // Why `file` (a QFile or QSaveFile) could not be opened, written or put in place.
    static QString WriteProblem(const QFileDevice& file);
};

}  // namespace brindlex
