#include "JobList.h"

#include "RuntimeError.h"

bool IsInList(const JobList &list, const QString &text)
{
    const qsizetype count = list.Count();
    for (qsizetype i = 1; i <= count; ++i) {
        if (list.Text(i) == text)
            return true;
    }
    return false;
}

void ExchangeTexts(JobList &list, qsizetype first, qsizetype second)
{
    const QString firstText = list.Text(first);
    const QString secondText = list.Text(second);
    list.SetText(first, secondText);
    list.SetText(second, firstText);
}

namespace {

void checkIndex(qsizetype index, qsizetype count)
{
    if (index < 1 || index > count)
        throw RuntimeError(ErrorNumber::SubscriptOutOfRange);
}

} // namespace

void MemoryJobList::Add(const QString &path) { m_rows.append(path); }

qsizetype MemoryJobList::Count() const { return m_rows.size(); }

QString MemoryJobList::Text(qsizetype index) const
{
    checkIndex(index, m_rows.size());
    return m_rows.at(index - 1);
}

void MemoryJobList::SetText(qsizetype index, const QString &text)
{
    checkIndex(index, m_rows.size());
    m_rows[index - 1] = text;
}

void MemoryJobList::Remove(qsizetype index)
{
    checkIndex(index, m_rows.size());
    m_rows.removeAt(index - 1);
    // The selection stays on the same row, which moved up with the rest.
    if (m_selected == index)
        m_selected = 0;
    else if (m_selected > index)
        --m_selected;
}

void MemoryJobList::Clear()
{
    m_rows.clear();
    m_selected = 0;
}

qsizetype MemoryJobList::SelectedIndex() const { return m_selected; }

void MemoryJobList::Select(qsizetype index)
{
    if (index != 0)
        checkIndex(index, m_rows.size());
    m_selected = index;
}
