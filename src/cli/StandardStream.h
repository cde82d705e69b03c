// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIODevice>

#include <cstdio>
#include <memory>

namespace parlomatic::cli {

// The device the command line's text for stream (stdout or stderr) goes
// through, open for writing. The text arrives as UTF-8. On a Windows console
// the device hands it to the console as wide text, so that every character
// shows whatever code page the console has; a file, a pipe, and every other
// system get the UTF-8 bytes as they are.
std::unique_ptr<QIODevice> standardStream(FILE* stream);

} // namespace parlomatic::cli
