// The job list: one row per archive, its text the archive's path. Rows are
// 1-based, appended at the bottom, duplicates allowed, never saved. The window
// shows it in its list control; tests and the batch command keep it in memory.
#pragma once

#include <QString>
#include <QStringList>

class JobList {
public:
    virtual ~JobList() = default;

    virtual void Add(const QString &path) = 0;
    virtual qsizetype Count() const = 0;
    // 1 <= index <= Count(); otherwise RuntimeError (9).
    virtual QString Text(qsizetype index) const = 0;
    virtual void SetText(qsizetype index, const QString &text) = 0;
    virtual void Remove(qsizetype index) = 0;
    virtual void Clear() = 0;
    // 1-based index of the selected row, 0 when none.
    virtual qsizetype SelectedIndex() const = 0;
    // 0 selects nothing.
    virtual void Select(qsizetype index) = 0;
};

// Exact comparison: same length, same characters, letter case significant.
bool IsInList(const JobList &list, const QString &text);
// Swaps the texts of two rows, as row dragging does; RuntimeError (9) for a bad index.
void ExchangeTexts(JobList &list, qsizetype first, qsizetype second);

class MemoryJobList : public JobList {
public:
    void Add(const QString &path) override;
    qsizetype Count() const override;
    QString Text(qsizetype index) const override;
    void SetText(qsizetype index, const QString &text) override;
    void Remove(qsizetype index) override;
    void Clear() override;
    qsizetype SelectedIndex() const override;
    void Select(qsizetype index) override;

    const QStringList &rows() const { return m_rows; }

private:
    QStringList m_rows;
    qsizetype m_selected = 0;
};
