// Files on Windows: the system's own error codes.
#include "persistence/SystemFile.h"

#include <windows.h>

#include <QFileInfo>

namespace tessaro {

namespace {

// Not among MinGW's names of the system's errors.
constexpr DWORD kDiskQuotaExceeded = 1295;

}  // namespace

int lastFileError() {
    return static_cast<int>(GetLastError());
}

void clearFileError() {
    SetLastError(ERROR_SUCCESS);
}

std::optional<FileFault> faultOf(int error) {
    switch (static_cast<DWORD>(error)) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return FileFault::NoSuchFile;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return FileFault::NoAccess;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileFault::DiskFull;
        case kDiskQuotaExceeded:
            return FileFault::QuotaExceeded;
        case ERROR_WRITE_PROTECT:
            return FileFault::ReadOnlyDisk;
        case ERROR_DIRECTORY:
            return FileFault::PathNotAFolder;
        case ERROR_FILE_TOO_LARGE:
            return FileFault::TooLarge;
        case ERROR_FILENAME_EXCED_RANGE:
            return FileFault::NameTooLong;
        case ERROR_CRC:
        case ERROR_IO_DEVICE:
        case ERROR_READ_FAULT:
        case ERROR_WRITE_FAULT:
            return FileFault::InputOutput;
        default:
            return std::nullopt;
    }
}

std::optional<OpenFailure> openToRead(const std::string& path, QFile& file) {
    const QString name = QString::fromStdString(path);
    const QFileInfo info(name);
    if (info.isDir()) {
        return OpenFailure{0, NotAFile::Folder};
    }
    if (info.exists() && !info.isFile()) {
        return OpenFailure{0, NotAFile::DeviceOrPipe};
    }
    file.setFileName(name);
    clearFileError();
    if (!file.open(QIODevice::ReadOnly)) {
        return OpenFailure{lastFileError(), std::nullopt};
    }
    return std::nullopt;
}

}  // namespace tessaro
