// The job list shown in the window's list control: the rows are the control's
// items, so what the user sees is exactly what the batch run walks.
#pragma once

#include "joblist/JobList.h"

class QTreeWidget;

class ListViewJobList : public JobList {
public:
    explicit ListViewJobList(QTreeWidget &view) : m_view(view) {}

    void Add(const QString &path) override;
    qsizetype Count() const override;
    QString Text(qsizetype index) const override;
    void SetText(qsizetype index, const QString &text) override;
    void Remove(qsizetype index) override;
    void Clear() override;
    qsizetype SelectedIndex() const override;
    void Select(qsizetype index) override;

private:
    void check(qsizetype index) const;

    QTreeWidget &m_view;
};
