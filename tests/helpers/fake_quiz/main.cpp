// Stand-in quiz program for tests. It appends one line to the file named by
// FAKE_QUIZ_LOG: its working folder, the number of its arguments and every
// argument, separated by tabs. Then it leaves "Return.ret" in its working
// folder as FAKE_QUIZ_VERDICT says, or, when FAKE_QUIZ_SCRIPT names a file,
// as the next word of that file says (one word a line; a counter file
// "<script>.count" beside it remembers how many were used). Words:
//   1, 0, 2   a file holding that one byte
//   1more     the byte 1 followed by more bytes
//   empty     an empty file
//   none      no file
//   dir       a folder named Return.ret
// FAKE_QUIZ_JOURNAL set makes it write the pupil's journal line beside it as
// the quiz does: a right LCM question, or a wrong one with the product named.
// FAKE_QUIZ_SLEEP_MS makes it wait that long before leaving the verdict, so
// a test can tell that the game really waited for it to end.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

// The next word of the script, or the empty text when it has run out.
std::string NextScriptedWord(const std::string& script)
{
    const std::string counterPath = script + ".count";
    long used = 0;
    {
        std::ifstream counter(counterPath);
        counter >> used;
    }
    std::ifstream in(script);
    std::string line;
    long index = 0;
    std::string word;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (index++ == used) {
            word = line;
            break;
        }
    }
    std::ofstream(counterPath, std::ios::trunc) << used + 1 << '\n';
    return word;
}

void WriteBytes(const std::string& bytes)
{
    std::ofstream out("Return.ret", std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace

int main(int argc, char** argv)
{
    const std::string log = Env("FAKE_QUIZ_LOG");
    if (!log.empty()) {
        char cwd[4096] = {};
        if (!getcwd(cwd, sizeof cwd))
            cwd[0] = '\0';
        std::string line = std::string(cwd) + '\t' + std::to_string(argc - 1);
        for (int i = 1; i < argc; ++i)
            line += '\t' + std::string(argv[i]);
        std::ofstream(log, std::ios::app) << line << '\n';
    }

    if (const std::string sleepMs = Env("FAKE_QUIZ_SLEEP_MS"); !sleepMs.empty())
        usleep(static_cast<useconds_t>(std::atoi(sleepMs.c_str())) * 1000);

    const std::string script = Env("FAKE_QUIZ_SCRIPT");
    const std::string verdict = script.empty() ? Env("FAKE_QUIZ_VERDICT") : NextScriptedWord(script);

    if (verdict == "1" || verdict == "0" || verdict == "2")
        WriteBytes(std::string(1, static_cast<char>(verdict[0] - '0')));
    else if (verdict == "1more")
        WriteBytes(std::string("\x01\x00\x02more", 7));
    else if (verdict == "empty")
        WriteBytes("");
    else if (verdict == "dir")
        mkdir("Return.ret", 0755);
    // "none" and anything unknown leave no file.
    if (!Env("FAKE_QUIZ_JOURNAL").empty())
        std::ofstream("Journal.txt", std::ios::app)
            << "2026-12-08T10:02:03+0100\t" << getppid() << "\tLCM\t0\t0\t"
            << (verdict == "1" ? "right" : "wrong") << "\tno-hint\tq\t12\t12\tw\t"
            << (verdict == "1" ? "-" : "product") << "\r\n";
    return 0;
}
