// Binary PPM: a header of text, the view in its comment lines, then the rows.

#include "picture/image_file.h"

namespace zentrel {
namespace {

class PpmFile final : public ImageFile {
public:
    using ImageFile::ImageFile;

private:
    bool start(const PictureHeader& header) override
    {
        return std::fprintf(file_, "P6\n# %s: %s\n# %s: %s\n%d %d\n255\n", kSoftwareKey,
                            softwareName(), kViewKey, header.recipe.c_str(), width_,
                            header.height) > 0;
    }
    bool writeRow(const unsigned char* rgb) override
    {
        return std::fwrite(rgb, 3, width_, file_) == static_cast<std::size_t>(width_);
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
