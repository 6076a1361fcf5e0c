// Files made under names given as bytes, as an archive from another system leaves them: on Linux names
// that are not UTF-8, or hold a line break, which Qt's own file functions cannot make. Windows keeps
// every name as UTF-16, so there the bytes are read as the program reads a name's bytes.
#pragma once

#include "common/native_names.h"

#include <QDateTime>
#include <QFile>
#include <QtTest>

#ifndef Q_OS_WIN
#include <cstdio>
#include <fcntl.h>
#include <ftw.h>
#include <unistd.h>
#endif

inline QByteArray rawPath(const QString& folder, const QByteArray& name)
{
    return QFile::encodeName(folder) + '/' + name;
}

// With a size, the file is then made that long (sparse on Linux: big on paper, cheap to make).
inline void createRaw(const QString& folder, const QByteArray& name, const QByteArray& bytes = {}, qint64 size = -1)
{
#ifdef Q_OS_WIN
    QFile file(folder + u'/' + common::nameFromNative(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
    if (size >= 0) QVERIFY(file.resize(size));
#else
    const int fd = ::open(rawPath(folder, name).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    QVERIFY(fd >= 0);
    QCOMPARE(::write(fd, bytes.constData(), static_cast<size_t>(bytes.size())), static_cast<ssize_t>(bytes.size()));
    if (size >= 0) QCOMPARE(::ftruncate(fd, size), 0);
    ::close(fd);
#endif
}

// A file, made empty where there is none, two hours old: older than any save still under way.
inline void makeTwoHoursOld(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-7200), QFileDevice::FileModificationTime));
}

// Empties a folder by the raw names of its entries, which Qt's own removal cannot name. Meant for a
// scope guard, so that a failed check leaves nothing behind either. On Windows Qt's removal names
// every entry, and the temporary folder's own removal is enough.
inline void emptyFolder([[maybe_unused]] const QString& folder)
{
#ifndef Q_OS_WIN
    ::nftw(
        QFile::encodeName(folder).constData(),
        [](const char* path, const struct stat*, int, FTW* at) { return at->level == 0 ? 0 : std::remove(path); }, 16,
        FTW_DEPTH | FTW_PHYS);
#endif
}
