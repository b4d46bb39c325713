// zentrel-render: writes a pattern's picture to a PNG or PPM file.

#include <string>
#include <vector>

#include "cli/render_command.h"

int main(int argc, char** argv)
{
    return zentrel::cli::runRenderCommand(std::vector<std::string>(argv + 1, argv + argc));
}
