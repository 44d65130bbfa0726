#include "app/filewords.h"

#include <QDir>
#include <QFileDevice>
#include <QFileInfo>

namespace brindlex {

QString FileWords::ReadProblem(const QFileDevice& file) {
    const QFileInfo info(file.fileName());
    if (info.isDir()) {
        return tr("it is a folder, not a file");
    }
    if (!info.exists()) {
        return tr("it is not there any more");
    }
    switch (file.error()) {
        case QFileDevice::PermissionsError:
            return tr("you are not allowed to read it");
        case QFileDevice::ReadError:
        case QFileDevice::ResourceError:
            return tr("the disk or the network failed while it was being read");
        default:
            return info.isReadable() ? tr("it could not be opened")
                                     : tr("you are not allowed to read it");
    }
}

QString FileWords::WriteProblem(const QFileDevice& file) {
    const QFileInfo info(file.fileName());
    const QFileInfo folder(info.absolutePath());
    if (!folder.exists()) {
        return tr("the folder %1 does not exist").arg(QDir::toNativeSeparators(folder.filePath()));
    }
    if (!folder.isDir()) {
        return tr("%1 is a file, not a folder").arg(QDir::toNativeSeparators(folder.filePath()));
    }
    if (info.isDir()) {
        return tr("a folder of that name is in the way");
    }
    switch (file.error()) {
        case QFileDevice::WriteError:
        case QFileDevice::ResourceError:
            return tr("the disk is full, or it failed while the file was being written");
        case QFileDevice::RenameError:
            return tr("the new file could not take the place of the old one");
        default:
            return folder.isWritable() ? tr("it could not be opened for writing")
                                       : tr("you are not allowed to write into the folder %1")
                                             .arg(QDir::toNativeSeparators(folder.filePath()));
    }
}

}  // namespace brindlex
