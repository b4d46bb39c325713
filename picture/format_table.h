// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

// A table of formats, pictures' or movies': each row has a name and the
// endings of file names that ask for it, both matched in any letter case.
namespace zentrel {

inline bool sameLetters(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

template <class Row>
const Row* rowNamed(const std::vector<Row>& rows, std::string_view name)
{
    for (const Row& row : rows)
        if (sameLetters(row.name, name)) return &row;
    return nullptr;
}

template <class Row>
const Row* rowForPath(const std::vector<Row>& rows, std::string_view path)
{
    for (const Row& row : rows)
        for (const std::string& ending : row.extensions)
            if (path.size() >= ending.size() &&
                sameLetters(path.substr(path.size() - ending.size()), ending))
                return &row;
    return nullptr;
}

}  // namespace zentrel
