// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace parlomatic::cli {

// The position (1 or more) of the first command-line argument that does not
// survive the trip into text and back: bytes that are not valid in the local
// 8-bit encoding would, as a --profile path, name another file, and as a value
// write something else. 0 when every argument is exact. Always 0 on Windows,
// where the arguments arrive as wide text.
int firstInexactArgument(int argc, char* argv[]);

} // namespace parlomatic::cli
