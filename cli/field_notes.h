// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

#include "engine/field_texts.h"

namespace zentrel::cli {

// Whether the text is a number and nothing else, blanks around it aside:
// the field conversion reads all of it.
bool isWhollyANumber(const std::string& text);

// A line for each field whose text the field conversion reads only in part,
// as the window does: --xoom "0,15" reads as 0. A field whose number is out
// of range gets no line; its failure says more.
std::vector<std::string> partlyReadFields(const FieldTexts& fields);

}  // namespace zentrel::cli
