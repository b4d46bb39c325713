// SPDX-License-Identifier: GPL-3.0-or-later
// zentrel-render: writes a pattern's picture to a PNG or PPM file.

#include <string>
#include <vector>

#include "cli/render_command.h"
#include "engine/standard_streams.h"
#include "picture/hidden_name.h"

int main(int argc, char** argv)
{
    zentrel::openClosedStandardStreams();
    zentrel::setProgramName("zentrel-render");
    return zentrel::cli::runRenderCommand(std::vector<std::string>(argv + 1, argv + argc));
}
