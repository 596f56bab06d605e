#include "DropData.h"

#include <QMimeData>
#include <QUrl>

std::optional<QStringList> DroppedFileList(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return std::nullopt;
    const QList<QUrl> urls = data->urls();
    if (urls.isEmpty())
        return std::nullopt;
    QStringList paths;
    paths.reserve(urls.size());
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            return std::nullopt;
        paths << url.toLocalFile();
    }
    return paths;
}
