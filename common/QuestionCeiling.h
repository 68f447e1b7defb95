// The ceiling on the quiz's steps as a teacher writes it in the class-wide
// settings and the launcher hands it to the quiz (common/Protocol.h).
#pragma once

#include <optional>
#include <string>

namespace zorbik {

// A ceiling in words: "gentle" (step 4), "standard" (step 9),
// "challenging" (the highest step, no ceiling) or a step from 0 to the
// highest, in any case and with blanks anywhere; nothing for any other word.
std::optional<int> CeilingFromWord(const std::string& word);

// The lower of the teacher's ceiling and the launcher's; the highest step
// where neither says one (or says something unreadable).
int LowerCeiling(const std::string& teachers, const std::string& launchers);

} // namespace zorbik
