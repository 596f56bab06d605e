#include "ListViewJobList.h"

#include "RuntimeError.h"

#include <QTreeWidget>
#include <QTreeWidgetItem>

#include <climits>

// The control counts its rows with an int; the model's indexes are wider so
// that the run walks lists of any length, and anything beyond is simply absent.
void ListViewJobList::check(qsizetype index) const
{
    if (index < 1 || index > Count())
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
}

void ListViewJobList::Add(const QString &path)
{
    auto *item = new QTreeWidgetItem(QStringList{path});
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    // The row may show only part of the path; the tip shows all of it.
    item->setToolTip(0, path);
    m_view.addTopLevelItem(item);
}

qsizetype ListViewJobList::Count() const { return m_view.topLevelItemCount(); }

QString ListViewJobList::Text(qsizetype index) const
{
    check(index);
    return m_view.topLevelItem(int(index - 1))->text(0);
}

void ListViewJobList::SetText(qsizetype index, const QString &text)
{
    check(index);
    QTreeWidgetItem *item = m_view.topLevelItem(int(index - 1));
    item->setText(0, text);
    item->setToolTip(0, text);
}

void ListViewJobList::Remove(qsizetype index)
{
    check(index);
    delete m_view.takeTopLevelItem(int(index - 1));
}

void ListViewJobList::Clear() { m_view.clear(); }

qsizetype ListViewJobList::SelectedIndex() const
{
    const QList<QTreeWidgetItem *> selected = m_view.selectedItems();
    if (selected.isEmpty())
        return 0;
    return m_view.indexOfTopLevelItem(selected.first()) + 1;
}

void ListViewJobList::Select(qsizetype index)
{
    check(index);
    QTreeWidgetItem *item = m_view.topLevelItem(int(index - 1));
    m_view.setCurrentItem(item);
    item->setSelected(true);
}
