// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the tests of every layer share: field texts written short, rows that
// print as their names, and whole pictures compared and kept in files.

#include <gtest/gtest.h>

#include <concepts>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/field_texts.h"
#include "engine/math_path.h"
#include "engine/render.h"

namespace zentrel::test {

// The five field texts in window order: TextOne, TextTwo, TextThree,
// TextFour, Textfive.
FieldTexts F(std::string across, std::string down, std::string size, std::string xoom = "1",
             std::string brightness = "150");

// A table row with a name: the name is the test's and is what a failure
// prints, instead of the row's bytes.
struct NamedRow {
    const char* name;
};

template <class Row>
requires std::derived_from<Row, NamedRow>
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

// Names a parameterised test after its row.
inline constexpr auto byName = [](const auto& info) { return std::string(info.param.name); };

// Gives the maths path back as it was when the scope ends.
class MathPathScope {
public:
    MathPathScope() : path_(mathPath()) {}
    ~MathPathScope() { useMathPath(path_); }
    MathPathScope(const MathPathScope&) = delete;
    MathPathScope& operator=(const MathPathScope&) = delete;

private:
    MathPath path_;
};

// A whole picture that fails, or not: the message of its first failing
// pixel in sweep order (column by column, top to bottom), "" when it draws.
struct PictureFaultRow : NamedRow {
    const Pattern* pattern;
    FieldTexts fields;
    const char* message;
};

// Renders the row's picture on every maths path the processor runs, with
// that many threads, several times when the workers can race, and expects
// the row's message each time.
void expectFirstFailure(const PictureFaultRow& row, int threads);

// Names a test of a (row, threads) pair: "overflow_threads3".
inline constexpr auto byNameAndThreads = [](const auto& info) {
    return std::string(std::get<0>(info.param).name) + "_threads" +
           std::to_string(std::get<1>(info.param));
};

// Same size and every pixel the same; otherwise where the first pixels differ
// and how many do.
::testing::AssertionResult samePicture(const Picture& actual, const Picture& expected);

// The names in a folder, sorted.
using Names = std::vector<std::string>;

// A file's bytes, or "" when it cannot be read.
std::string readFile(const std::filesystem::path& path);

// A picture kept as a binary PPM file, rows top to bottom.
void writePpm(const std::filesystem::path& path, const Picture& picture);
std::optional<Picture> readPpm(const std::filesystem::path& path);
// The picture a PNG file's bytes decode to with libpng, 8 bits a channel.
std::optional<Picture> decodedPng(const std::string& bytes);

}  // namespace zentrel::test
