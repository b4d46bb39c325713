// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "movie/movie.h"

namespace zentrel::cli {

// What the command line asks of a movie: its keyframes (a file, or the
// pictures --from and --to with the seconds between), its rate and quality,
// and the sampling options applied to every keyframe.
struct MovieRequest {
    std::string keyframes;  // --movie: a keyframe file, or a movie that keeps its path
    std::string to;         // --to: the picture the flight from --from ends on
    std::optional<double> seconds;
    bool from = false;  // --from was given
    MovieSettings settings;
    std::vector<std::pair<std::string, std::string>> frameOptions;  // --size and the like
    std::vector<std::string> otherViewOptions;  // options of a view that no movie takes

    bool wanted() const { return !keyframes.empty() || !to.empty(); }
};

bool isMovieOption(const std::string& option);

// Takes a movie option's value, or says what is wrong with it; a view
// option is noted for checkMovie.
std::optional<std::string> applyMovieOption(MovieRequest& movie, const std::string& option,
                                            const std::string& value);

// What a movie's command line lacks or holds too much of, if anything.
std::optional<std::string> checkMovie(const MovieRequest& movie, const std::string& output,
                                      bool all);

// The help's lines of the movie options.
std::string movieHelp();

}  // namespace zentrel::cli
