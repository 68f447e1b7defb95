// zorbik-class-writer CLASS-FOLDER: saves a finished game of a classroom
// folder, read from standard input, in the class's table and record; prints
// the merged table. Installed set-group-ID: it trusts nothing it was handed
// but its one argument and its input, both checked before use.
#include "ClassWriter.h"

#include "common/OpenedFolders.h"
#include "common/Protocol.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Standard input, output and error open, so that no class file opened later
// takes their numbers and gets what is printed.
bool StandardFilesOpen()
{
    for (int fd = 0; fd <= 2; ++fd)
        if (::fcntl(fd, F_GETFD) < 0 && ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY) != fd)
            return false;
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (!StandardFilesOpen())
        return zorbik::ClassWriterRefused;
    // Nothing of the caller's environment is used, not even the time zone.
    ::clearenv();
    ::umask(077);
    if (argc != 2 || argv[1][0] != '/') {
        std::fprintf(stderr, "usage: %s CLASS-FOLDER < finished-game\n", zorbik::ClassWriterName);
        return zorbik::ClassWriterRefused;
    }
    zorbik::ClassWriting writing;
    writing.folder = argv[1];
    const auto input = zorbik::ReadAtMost(0, zorbik::FinishedGameLimit + 1);
    writing.finished = input.value_or("");
    std::string shown, error;
    const int status = zorbik::WriteForClass(writing, shown, error);
    if (!error.empty())
        std::fprintf(stderr, "%s: %s\n", zorbik::ClassWriterName, error.c_str());
    zorbik::WriteAll(1, shown);
    return status;
}
