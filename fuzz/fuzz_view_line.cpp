// SPDX-License-Identifier: GPL-3.0-or-later
// A line pasted as a view, any text at all: it is a view or a refusal that
// says why, never a crash; a view's recipe and command read back to the
// same view, and its recipe is one line.

#include <string>

#include "fuzz_input.h"
#include "picture/view.h"

namespace zentrel::fuzz {
namespace {

void checkViewLine(std::string_view line)
{
    const Outcome<View> view = viewOf(line);
    if (!view) {
        require(view.failure().fault == Fault::NotAView && !view.failure().where.empty(),
                "a refusal says why");
        return;
    }
    for (const std::string& written : {recipeOf(view.value()), commandOf(view.value())}) {
        require(written.find('\n') == std::string::npos, "one line");
        const Outcome<View> back = viewOf(written);
        require(back.ok() && back.value() == view.value(), "the view reads back");
    }
}

}  // namespace
}  // namespace zentrel::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    zentrel::fuzz::checkViewLine(zentrel::fuzz::bytesAsText(data, size));
    return 0;
}
