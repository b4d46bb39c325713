// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "engine/outcome.h"

// For picture/ alone: the refusal of a line or a file that holds no view.
namespace zentrel {

inline Failure notAView(const std::string& why) { return Failure{Fault::NotAView, why}; }

}  // namespace zentrel
