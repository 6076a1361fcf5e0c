#include "shell/paths.h"

#include "common/fields.h"
#include "common/file_text.h"

namespace shell {

QString rootPathFileName(int n) { return QStringLiteral("pa ") + QString::number(n) + QStringLiteral(".txt"); }

QString characterPathFileName() { return QStringLiteral("pathC.txt"); }

QByteArray pathFileBytes(const QString& path)
{
    return common::encodeFileText(common::record({common::quotedField(path)}));
}

std::optional<QString> readPathFile(const QByteArray& bytes) { return common::firstField(bytes); }

QString placeOf(const QString& path, QChar separator)
{
    int count = 0;
    for (qsizetype i = path.size() - 1; i >= 0; --i) {
        if (path[i] == separator && ++count == 2) return path.mid(i + 1);
    }
    return QString();
}

std::array<QString, kRootFolders> designRootFolders(const QString& home)
{
#ifdef Q_OS_WIN
    Q_UNUSED(home);
    return {QStringLiteral("c:\\QOD\\Charac"), QStringLiteral("c:\\QOD\\"), QStringLiteral("c:")};
#else
    return {home + QStringLiteral("/QOD/Charac"), home + QStringLiteral("/QOD/"), home};
#endif
}

} // namespace shell
