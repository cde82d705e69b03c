// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <utility>

namespace parlomatic {

// Success, or failure with a reason in plain words that the caller may show.
class Result {
public:
    static Result success() { return Result(); }
    static Result failure(QString reason) { return Result(std::move(reason)); }

    bool ok() const { return m_ok; }
    const QString& error() const { return m_error; }

private:
    Result() = default;
    explicit Result(QString reason) : m_ok(false), m_error(std::move(reason)) {}

    bool m_ok = true;
    QString m_error;
};

} // namespace parlomatic
