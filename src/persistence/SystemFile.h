#pragma once

#include <QFile>
#include <optional>
#include <string>

namespace tessaro {

// What the system says of a file, one file for each system (SystemFileLinux.cpp,
// SystemFileWindows.cpp), chosen by the build.

// The usual reasons of a failed file call, which the game tells in its own language.
enum class FileFault {
    NoSuchFile,
    NoAccess,
    DiskFull,
    QuotaExceeded,
    ReadOnlyDisk,
    PathNotAFolder,
    IsAFolder,
    TooLarge,
    NameTooLong,
    InputOutput,
};

// The system's error of the last file call (errno, GetLastError), cleared before a call so that
// none is left from another.
int lastFileError();
void clearFileError();
// The usual reason that an error stands for; nothing for an error of another kind, which Qt
// says in its own words (qt_error_string reads either system's errors).
std::optional<FileFault> faultOf(int error);

// Why a saved game cannot be read, before anything is read from it: it is not a file.
enum class NotAFile { Folder, DeviceOrPipe };

// Opens a saved game for reading, by the path's own bytes, without blocking on a pipe or a
// device. On failure `file` stays closed and the result says why: the system's error, or what
// the path is instead of a file.
struct OpenFailure {
    int error = 0;
    std::optional<NotAFile> notAFile;
};
std::optional<OpenFailure> openToRead(const std::string& path, QFile& file);

}  // namespace tessaro
