#pragma once
#include <QDir>
#include <QString>

// The tax authority's certification cases, beside the checkout (or where CVI_SHARED_DATA says).
inline QString AuthorityCaseFile()
{
    QString folder = qEnvironmentVariable("CVI_SHARED_DATA");
    if (folder.isEmpty())
        folder = QStringLiteral(CVI_SOURCE_DIR "/../shared/data");
    return QDir(folder).filePath(QStringLiteral("control-code-v7-cases.txt"));
}
