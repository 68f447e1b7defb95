// Reading a classroom folder's class record (common/ClassRecord.h) for the
// teacher's view: only a regular file, never through a link, never blocking
// on a FIFO, and bounded; and the message that tells a teacher why it was
// not read.
#pragma once

#include <cstddef>
#include <string>

namespace zorbik {

// Far above a school year of a class: 30 pupils x 6,000 lines of about 200
// bytes are some 36 MB.
constexpr std::size_t ClassRecordByteLimit = std::size_t(64) << 20;

enum class RecordReading {
    Read,
    NotAllowed, // the folder or the record may not be read by this user
    Missing,    // no record: the folder was not set up by this version
    NoFolder,   // the folder cannot be opened
    NotPlain,   // a link, a FIFO, a folder or a device stands at its name
    TooLarge,
    Failed, // a read error
};

struct ClassRecordBytes {
    RecordReading reading = RecordReading::Failed;
    std::string bytes;
    int error = 0; // errno, for Failed and NoFolder
};

// DIR/Class.record, read whole when it is a regular file of at most
// ClassRecordByteLimit bytes.
ClassRecordBytes ReadClassRecordIn(const std::string& folder);

// Why the record was not read, translated, with what to do about it.
std::string RecordRefusal(const ClassRecordBytes& read, const std::string& folder);

// True when this user may read the record of `folder` (root, or a member
// of the class's teacher group): the launcher then offers the class's window.
bool MayReadClassRecord(const std::string& folder);

} // namespace zorbik
