// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The standard descriptors a program may start without.
namespace zentrel {

// Opens each of standard input, output and error that the program was
// started with closed on /dev/null, so that no file the program opens later
// takes descriptor 1 or 2 and receives what is printed there. Called first
// thing in main(), before anything else is opened.
void openClosedStandardStreams();

}  // namespace zentrel
