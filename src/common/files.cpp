#include "common/files.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace common {

std::optional<QByteArray> readWholeFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // A short write (a full disk, a file-size limit) can pass unnoticed through commit(), which would
    // then put the cut file in place of the old one; an explicit flush reports it first.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool isValidFileName(const QString& name)
{
    if (name.isEmpty() || name == u"." || name == u"..") return false;
#ifdef Q_OS_WIN
    const QString separators = QStringLiteral("/\\:");
#else
    const QString separators = QStringLiteral("/");
#endif
    for (const QChar c : name) {
        if (separators.contains(c) || c.isNull()) return false;
    }
    return true;
}

QString joinPath(const QString& folder, const QString& name)
{
    const QChar sep = QDir::separator();
    if (folder.endsWith(sep) || folder.endsWith(u'/')) return folder + name;
    return folder + sep + name;
}

} // namespace common
