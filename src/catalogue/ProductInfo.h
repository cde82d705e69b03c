// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

namespace parlomatic {

// The program's own names, captions and addresses, kept in one place.
namespace product {

// Caption of every message box that names no title of its own.
inline QString applicationTitle() {
    return QStringLiteral("Parlomatic");
}

inline QString mainWindowCaption() {
    return QStringLiteral("Drovantis Parlomatic Tool");
}
inline QString mainWindowCaptionVersioned() {
    return QStringLiteral("Drovantis Parlomatic Tool v.0.4");
}
inline QString productLine() {
    return QStringLiteral("Kelvanor Parlomatic Tool");
}
inline QString productLineVersioned() {
    return QStringLiteral("Kelvanor Parlomatic Tool v.0.4");
}

inline QString creditLine() {
    return QCoreApplication::translate("product", "written by the Parlomatic team");
}
inline QString downloadHost() {
    return QStringLiteral("parlomatic.example.org");
}
inline QString downloadAddress() {
    return QStringLiteral("https://parlomatic.example.org/");
}

// What --version prints below the program's name and version, in the words
// GNU programs use, so that the licence is known without the documentation.
inline QString licenceNotice() {
    return QStringLiteral("Copyright (C) 2026 The Parlomatic team\n"
                          "License GPL-3.0-or-later: GNU GPL version 3 or later <https://gnu.org/licenses/gpl.html>.\n"
                          "This is free software: you are free to change and redistribute it.\n"
                          "There is NO WARRANTY, to the extent permitted by law.\n");
}

} // namespace product
} // namespace parlomatic
