// What a PDF holds, as the poppler tools read it (poppler-utils, a test package): pdftotext for its
// text, pdffonts for its fonts. Where a tool is missing its output says so, so that every check on
// it fails rather than passes.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

inline QString popplerOutput(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty()) return QStringLiteral("(%1 is missing: install poppler-utils)").arg(tool);
    QProcess run;
    run.start(program, arguments);
    if (!run.waitForFinished(30000)) return QStringLiteral("(%1 did not finish)").arg(tool);
    return QString::fromUtf8(run.readAllStandardOutput());
}

// The PDF's text, in reading order.
inline QString pdfText(const QString& pdf)
{
    return popplerOutput(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
}
