// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

namespace parlomatic::cli {

// A JSON object written out as QJsonDocument::Indented writes it (four spaces
// a level, one value a line, the same escapes), but directly: the lists of a
// large profile hold many thousands of strings, and the way through
// QJsonObject costs more than all the rest of a command. Members appear in
// the order they are added.
class IndentedJsonObject {
public:
    IndentedJsonObject();

    void add(QStringView name, QStringView value);
    void add(QStringView name, qint64 value);
    void add(QStringView name, const QStringList& values);

    // The object's text, closed and ending with a line end.
    QString text() &&;

private:
    void beginMember(QStringView name);
    void appendString(QStringView text);

    QString m_text;
    bool m_empty = true;
};

} // namespace parlomatic::cli
