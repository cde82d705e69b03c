// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>

namespace parlomatic {

// Tells when the profile's content changes, whoever changed it. Watches the
// file and its folder, so that a file replaced by a rename (as careful
// programs and this one write) is watched again at once. Notifications are
// gathered for a short moment, and only a content other than the last one
// known counts as a change.
class ProfileWatcher : public QObject {
    Q_OBJECT

public:
    explicit ProfileWatcher(QString profilePath, QObject* parent = nullptr);

    // Takes the file's present content as known: the program's own writes call
    // this, so that they are not reported as changes from outside.
    void acceptCurrent();

signals:
    // The content differs from the last one known (which it now is).
    void changed();

private:
    void watch();
    void check();

    QString m_path;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    QByteArray m_knownHash;
};

} // namespace parlomatic
