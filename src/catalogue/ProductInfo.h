#pragma once

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
    return QStringLiteral("written by the Parlomatic team");
}
inline QString downloadHost() {
    return QStringLiteral("parlomatic.example.org");
}
inline QString downloadAddress() {
    return QStringLiteral("https://parlomatic.example.org/");
}

} // namespace product
} // namespace parlomatic
