// Files on Linux: errno, and a saved game opened without blocking.
#include "persistence/SystemFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tessaro {

int lastFileError() {
    return errno;
}

void clearFileError() {
    errno = 0;
}

std::optional<FileFault> faultOf(int error) {
    switch (error) {
        case ENOENT:
            return FileFault::NoSuchFile;
        case EACCES:
        case EPERM:
            return FileFault::NoAccess;
        case ENOSPC:
            return FileFault::DiskFull;
        case EDQUOT:
            return FileFault::QuotaExceeded;
        case EROFS:
            return FileFault::ReadOnlyDisk;
        case ENOTDIR:
            return FileFault::PathNotAFolder;
        case EISDIR:
            return FileFault::IsAFolder;
        case EFBIG:
            return FileFault::TooLarge;
        case ENAMETOOLONG:
            return FileFault::NameTooLong;
        case EIO:
            return FileFault::InputOutput;
        default:
            return std::nullopt;
    }
}

std::optional<OpenFailure> openToRead(const std::string& path, QFile& file) {
    // Looked at before anything is read: a pipe or a device would otherwise hold the program
    // until someone wrote to it. Opened by the path's own bytes: a name that is not UTF-8 (a
    // Latin-1 name from an old disk) would not survive a round trip through QString.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (descriptor < 0) {
        return OpenFailure{errno, std::nullopt};
    }
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return OpenFailure{0, S_ISDIR(status.st_mode) ? NotAFile::Folder : NotAFile::DeviceOrPipe};
    }
    errno = 0;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const int error = errno;
        ::close(descriptor);
        return OpenFailure{error, std::nullopt};
    }
    return std::nullopt;
}

}  // namespace tessaro
