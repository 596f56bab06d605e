// The progress bar of the window: a percentage and a caption drawn on the bar
// ("Progress Bar" when idle, "Processing: NAME" during a run). The caption is
// shown as given: a file name with "%p" in it is not a placeholder.
#pragma once

#include <QProgressBar>

class ProgressBar : public QProgressBar {
public:
    explicit ProgressBar(QWidget *parent = nullptr);

    QString text() const override { return m_text; }
    void SetText(const QString &text);

private:
    QString m_text;
};
