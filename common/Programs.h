// Starting the suite's programs without a shell and waiting for them, and
// the paths every program works out: its own executable's and the folder
// part of a path.
#pragma once

#include <cstddef>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zorbik {

struct ProgramStart {
    std::string program;            // the executable's path
    std::vector<std::string> words; // its arguments, argument 0 first
    std::string folder;             // where it runs; empty: where this program runs
    // Only standard input, output and error are passed on (else every open
    // file that is not closed on starting a program).
    bool onlyStandardFiles = false;
    // Descriptors that become its standard input and output; -1: this
    // program's own.
    int input = -1, output = -1;
};

// Starts the program with this program's environment, no blocked signals
// and the default handling of every signal. Its process id, or -1 with
// `error` (an errno value) set.
pid_t StartProgram(const ProgramStart& start, int& error);

// Waits for a started program: its exit status, 128 + the signal that ended
// it, or -1 when it has not ended yet and `block` is false. A program reaped
// elsewhere counts as ended, with status 1.
int WaitForProgram(pid_t program, bool block);

// Starts the program with `input` on its standard input and only its
// standard files, reads at most `maxOutput` bytes of its standard output into
// `output` and waits for it: its status as WaitForProgram gives it, or -1
// when it could not be started. `input` must fit a pipe (64 KiB).
int RunWithInput(ProgramStart start, const std::string& input, std::string& output, std::size_t maxOutput);

// The real path of the running executable, links resolved; empty when the
// system does not say.
std::string OwnExecutablePath();

// The path of `name` in `folder`, with a "/" between them unless the folder
// ends in one; an empty folder gives the bare name, an empty name the folder
// with its final "/".
std::string PathIn(const std::string& folder, const std::string& name);

// The folder part of a path, up to and including its last separator; empty
// when it has none. Both "/" and "\" count, as a host may write either.
std::string FolderPart(const std::string& path);

} // namespace zorbik
