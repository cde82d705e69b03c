// SPDX-License-Identifier: GPL-3.0-or-later
#include "gamewatch/ProfileWatcher.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

#include <utility>

namespace parlomatic {

namespace {

// Long enough to gather the notifications of one replacement.
constexpr int settleMs = 150;

QByteArray contentHash(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha1);
    hash.addData(&file);
    return hash.result();
}

} // namespace

ProfileWatcher::ProfileWatcher(QString profilePath, QObject* parent) : QObject(parent), m_path(std::move(profilePath)) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleMs);
    connect(&m_settle, &QTimer::timeout, this, &ProfileWatcher::check);
    const auto notified = [this] {
        watch();
        m_settle.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, notified);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, notified);
    watch();
    acceptCurrent();
}

void ProfileWatcher::acceptCurrent() {
    m_knownHash = contentHash(m_path);
}

void ProfileWatcher::watch() {
    // A path renamed over or deleted drops out of the watcher's list.
    if (!m_watcher.files().contains(m_path) && QFileInfo::exists(m_path))
        m_watcher.addPath(m_path);
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!m_watcher.directories().contains(folder))
        m_watcher.addPath(folder);
}

void ProfileWatcher::check() {
    const QByteArray hash = contentHash(m_path);
    if (hash == m_knownHash)
        return;
    m_knownHash = hash;
    emit changed();
}

} // namespace parlomatic
