// Entries of every kind a folder may hold, made the way each system makes them: links, hard links,
// pipes. What a system cannot make is reported as false, for the test to skip with the reason.
#pragma once

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

// Why a test of links is skipped where the system makes none: Wine answers Windows' call with
// success and makes nothing, and Windows itself only for an administrator or in developer mode.
inline constexpr char kNoLinks[] = "this system makes no symbolic links for this user";
inline constexpr char kNoPipes[] = "Windows makes no named pipe inside a folder";

// A symbolic link at path to target (relative to the link's folder, or absolute). False where the
// system cannot make one.
inline bool makeSymbolicLink(const QString& target, const QString& path)
{
#ifdef Q_OS_WIN
    const QString folder = QFileInfo(path).absolutePath();
    const bool toFolder = QFileInfo(QDir(folder).absoluteFilePath(target)).isDir();
    const DWORD flags = SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE | (toFolder ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0);
    CreateSymbolicLinkW(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                        reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()), flags);
    return QFileInfo(path).isSymLink();
#else
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(path).constData()) == 0;
#endif
}

inline bool makeHardLink(const QString& existing, const QString& path)
{
#ifdef Q_OS_WIN
    return CreateHardLinkW(reinterpret_cast<const wchar_t*>(path.utf16()),
                           reinterpret_cast<const wchar_t*>(existing.utf16()), nullptr);
#else
    return ::link(QFile::encodeName(existing).constData(), QFile::encodeName(path).constData()) == 0;
#endif
}

inline bool makePipe([[maybe_unused]] const QString& path)
{
#ifdef Q_OS_WIN
    return false;
#else
    return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0;
#endif
}

// What stands at a path, links not followed: "link", "folder", "file", "other" (a pipe) or "none".
inline QString kindAt(const QString& path)
{
    const QFileInfo info(path);
    if (info.isSymLink()) return QStringLiteral("link");
    if (info.isDir()) return QStringLiteral("folder");
    if (info.isFile()) return QStringLiteral("file");
    return info.exists() ? QStringLiteral("other") : QStringLiteral("none");
}
