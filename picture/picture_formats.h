// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "picture/picture_sink.h"

namespace zentrel {

// One way of writing pictures: a row of a format table.
struct PictureFormat {
    std::string name;                     // as --format takes it: "png"
    std::vector<std::string> extensions;  // the endings of names that ask for it: ".png"
    std::string description;              // for --help: "PNG"
    OpenSink open;
};

// Formats by name or by a file name's ending, in any letter case.
class PictureFormats {
public:
    explicit PictureFormats(std::vector<PictureFormat> rows);

    const PictureFormat* named(std::string_view name) const;
    const PictureFormat* forPath(std::string_view path) const;
    const std::vector<PictureFormat>& rows() const { return rows_; }

private:
    std::vector<PictureFormat> rows_;
};

// The picture files this program writes, each carrying its view: PNG, the
// format of a name that asks for none, then binary PPM.
const PictureFormats& pictureFiles();

// Where a picture goes: a format and its destination.
struct PictureTarget {
    const PictureFormat* format;
    std::string destination;

    PictureTarget(const PictureFormat& format, std::string destination);
    // A file by its path: the format its ending asks for, PNG if none.
    PictureTarget(std::string path);
};

}  // namespace zentrel
