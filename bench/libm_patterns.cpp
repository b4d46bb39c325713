// SPDX-License-Identifier: GPL-3.0-or-later
#include "libm_patterns.h"

#include "patterns/pattern_list.h"
#include "patterns/pattern_table.h"

namespace zentrel {

#define ZENTREL_DECLARE_LIBM_COLUMN(object) \
    int object##ColumnLibm(const Snapshot&, double, const double*, int, Colour*);
ZENTREL_FOR_EACH_PATTERN(ZENTREL_DECLARE_LIBM_COLUMN)
#undef ZENTREL_DECLARE_LIBM_COLUMN

namespace bench {

const std::vector<Pattern>& libmPatterns()
{
#define ZENTREL_LIBM_COLUMN(object) &object##ColumnLibm,
    static const ColumnFormula columns[] = {ZENTREL_FOR_EACH_PATTERN(ZENTREL_LIBM_COLUMN)};
#undef ZENTREL_LIBM_COLUMN
    static const std::vector<Pattern> patterns = [] {
        std::vector<Pattern> list;
        for (int i = 0; i < kPatternCount; ++i) {
            Pattern p = *patternTable()[i];
            for (ColumnFormula& column : p.columns) column = columns[i];
            list.push_back(p);
        }
        return list;
    }();
    return patterns;
}

}  // namespace bench
}  // namespace zentrel
