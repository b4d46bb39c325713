// SPDX-License-Identifier: GPL-3.0-or-later
// Binary PPM: a header of text, the view in its comment lines, then the rows;
// at 16 bits a channel the largest value is 65535 and each takes two bytes.

#include "picture/image_file.h"

namespace zentrel {
namespace {

class PpmFile final : public ImageFile {
public:
    using ImageFile::ImageFile;

private:
    bool start(const PictureHeader& header) override
    {
        return std::fprintf(file_, "P6\n# %s: %s\n# %s: %s\n%d %d\n%d\n", kSoftwareKey,
                            softwareName(), kViewKey, header.recipe.c_str(), width_, header.height,
                            depth_ == 16 ? 65535 : 255) > 0;
    }
    bool writeRow(const unsigned char* rgb) override
    {
        return std::fwrite(rgb, 1, rowBytes_, file_) == rowBytes_;
    }
    bool finish() override { return true; }
};

}  // namespace

Outcome<std::unique_ptr<PictureSink>> openPpmFile(const std::string& path,
                                                  const PictureHeader& header)
{
    return ImageFile::open<PpmFile>(path, header);
}

}  // namespace zentrel
