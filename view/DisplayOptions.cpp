#include "DisplayOptions.h"

#include "common/Protocol.h"

#include <cstdlib>
#include <cstring>

namespace zorbik {

namespace {

bool On(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && std::strcmp(value, "1") == 0;
}

} // namespace

DisplayOptions DisplayOptionsFromEnvironment()
{
    return {On(ColourBlindMapVariable), On(HighContrastVariable), On(LargerTextVariable)};
}

} // namespace zorbik
