#include "patterns/pattern_table.h"

#include "patterns/patterns.h"

namespace zentrel {

const std::array<const Pattern*, kPatternCount>& patternTable()
{
    static const std::array<const Pattern*, kPatternCount> table = {
        &aries, &blood, &celt, &dune,  &eeee, &fun,  &grin, &hix,    &ice,  &joke,
        &kraken, &limbo, &numb, &ooh, &Punk, &qwin, &rook, &sizZle, &Tame,
    };
    return table;
}

const Pattern* findPattern(std::string_view name)
{
    for (const Pattern* p : patternTable())
        if (p->caption == name || p->routine == name) return p;
    return nullptr;
}

}  // namespace zentrel
