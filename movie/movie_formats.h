// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "movie/movie_sink.h"

namespace zentrel {

// One way of writing movies: a row of a format table.
struct MovieFormat {
    std::string name;                     // as --format takes it: "mp4"
    std::vector<std::string> extensions;  // the endings of names that ask for it: ".mp4"
    std::string description;              // for --help: "H.264 video in MP4"
    std::string encoder;                  // the library's encoder; "" for none
    int largestSide = 0;                  // the most pixels across or down
    long long largestFrame = 0;           // the most pixels a frame
    bool evenSides = false;               // 4:2:0 colour needs even sides
    OpenMovieSink open;
};

// The movie formats: MP4 (H.264), WebM (VP9), AV1 in Matroska, and the PNG
// sequence of a name that holds kFrameMark.
class MovieFormats {
public:
    explicit MovieFormats(std::vector<MovieFormat> rows);

    const MovieFormat* named(std::string_view name) const;
    // A name holding kFrameMark asks for the PNG sequence, whatever it ends in.
    const MovieFormat* forPath(std::string_view path) const;
    const std::vector<MovieFormat>& rows() const { return rows_; }

private:
    std::vector<MovieFormat> rows_;
};

const MovieFormats& movieFiles();

}  // namespace zentrel
