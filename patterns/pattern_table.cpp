#include "patterns/pattern_table.h"

#include "patterns/patterns.h"

namespace zentrel {

const std::array<const Pattern*, kPatternCount>& patternTable()
{
#define ZENTREL_ADDRESS_OF(routine) &routine,
    static const std::array<const Pattern*, kPatternCount> table = {
        ZENTREL_FOR_EACH_PATTERN(ZENTREL_ADDRESS_OF)};
#undef ZENTREL_ADDRESS_OF
    return table;
}

const Pattern* findPattern(std::string_view name)
{
    for (const Pattern* p : patternTable())
        if (p->caption == name || p->routine == name) return p;
    return nullptr;
}

}  // namespace zentrel
