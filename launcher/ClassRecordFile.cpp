#include "ClassRecordFile.h"

#include "common/ClassRecord.h"
#include "common/OpenedFolders.h"
#include "common/Programs.h"
#include "common/Utf8Text.h"
#include "desktop/FilledText.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zorbik {

namespace {

ClassRecordBytes Outcome(RecordReading reading, int error = 0)
{
    ClassRecordBytes read;
    read.reading = reading;
    read.error = error;
    return read;
}

// Reads to the end, or one byte past the limit; false on a read error.
bool ReadBounded(int fd, std::size_t expected, std::string& bytes)
{
    bytes.resize(std::min(expected, ClassRecordByteLimit) + 1);
    std::size_t have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (have > ClassRecordByteLimit)
                break;
            bytes.resize(std::min(have * 2, ClassRecordByteLimit + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + have, bytes.size() - have);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        have += static_cast<std::size_t>(n);
    }
    bytes.resize(have);
    return true;
}

} // namespace

ClassRecordBytes ReadClassRecordIn(const std::string& folder)
{
    const UniqueFd dir(::open(folder.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!dir)
        return Outcome(errno == EACCES ? RecordReading::NotAllowed : RecordReading::NoFolder, errno);
    // Looked at before it is opened: opening a device may act on it.
    struct stat st {};
    if (::fstatat(dir.get(), ClassRecordName, &st, AT_SYMLINK_NOFOLLOW) != 0)
        return Outcome(errno == ENOENT   ? RecordReading::Missing
                       : errno == EACCES ? RecordReading::NotAllowed
                                         : RecordReading::Failed,
                       errno);
    if (!S_ISREG(st.st_mode))
        return Outcome(RecordReading::NotPlain);
    // O_NONBLOCK: a FIFO swapped in meanwhile does not hold the open, and
    // the second look turns it away before anything is read.
    const UniqueFd file(
        ::openat(dir.get(), ClassRecordName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file)
        return Outcome(errno == EACCES   ? RecordReading::NotAllowed
                       : errno == ELOOP  ? RecordReading::NotPlain
                       : errno == ENOENT ? RecordReading::Missing
                                         : RecordReading::Failed,
                       errno);
    if (::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode))
        return Outcome(RecordReading::NotPlain);
    if (static_cast<unsigned long long>(st.st_size) > ClassRecordByteLimit)
        return Outcome(RecordReading::TooLarge);
    ClassRecordBytes read;
    if (!ReadBounded(file.get(), static_cast<std::size_t>(st.st_size), read.bytes))
        return Outcome(RecordReading::Failed, errno);
    if (read.bytes.size() > ClassRecordByteLimit)
        return Outcome(RecordReading::TooLarge);
    read.reading = RecordReading::Read;
    return read;
}

std::string RecordRefusal(const ClassRecordBytes& read, const std::string& folder)
{
    const std::string shown = WithoutInvisibleControls(folder);
    const std::string record = WithoutInvisibleControls(PathIn(folder, ClassRecordName));
    switch (read.reading) {
    case RecordReading::Read:
        return {};
    case RecordReading::NotAllowed:
        return Filled(QCoreApplication::translate(
                          "ClassReport",
                          "%1 may be read only by the class's teachers (root, and the teacher group "
                          "chosen at set-up: sudo zorbik --shared-folder %2 --set-up --teacher GROUP)."),
                      record, shown);
    case RecordReading::Missing:
        return Filled(QCoreApplication::translate(
                          "ClassReport",
                          "%1 has no class record: the folder was not set up by this version of Zorbik. "
                          "Set it up with: sudo zorbik --shared-folder %1 --set-up --teacher GROUP"),
                      shown);
    case RecordReading::NoFolder:
        return Filled(QCoreApplication::translate("ClassReport", "The class folder %1 cannot be opened: %2."),
                      shown, std::strerror(read.error));
    case RecordReading::NotPlain:
        return Filled(
            QCoreApplication::translate(
                "ClassReport", "%1 is not a plain file (a link, a FIFO or a folder); it is not read."),
            record);
    case RecordReading::TooLarge:
        return Filled(QCoreApplication::translate(
                          "ClassReport",
                          "%1 is larger than %2 MiB, more than a class writes in a school year; it is "
                          "not read."),
                      record, ClassRecordByteLimit >> 20);
    case RecordReading::Failed:
        break;
    }
    return Filled(QCoreApplication::translate("ClassReport", "%1 could not be read: %2."), record,
                  std::strerror(read.error));
}

bool MayReadClassRecord(const std::string& folder)
{
    const std::string record = PathIn(folder, ClassRecordName);
    struct stat st {};
    return !folder.empty() && ::lstat(record.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::faccessat(AT_FDCWD, record.c_str(), R_OK, AT_EACCESS) == 0;
}

} // namespace zorbik
