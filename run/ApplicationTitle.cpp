#include "ApplicationTitle.h"

namespace {
QString &storedTitle()
{
    static QString title = ProductName;
    return title;
}
} // namespace

QString TitleFromProductName(const QString &name)
{
    constexpr qsizetype limit = 40;
    QString title = name;
    while (title.size() > limit) {
        const qsizetype space = title.lastIndexOf(QLatin1Char(' '));
        if (space < 0)
            return title.left(limit);
        title = title.left(space);
    }
    return title;
}

QString ApplicationTitle() { return storedTitle(); }
void SetApplicationTitle(const QString &title) { storedTitle() = title; }
