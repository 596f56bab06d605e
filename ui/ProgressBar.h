// The progress bar of the window: a percentage and a caption drawn on the bar
// ("Progress Bar" when idle, "Processing: NAME" during a run). The caption is
// shown as given: a file name with "%p" in it is not a placeholder.
#pragma once

#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>

class ProgressBar : public QProgressBar {
public:
    explicit ProgressBar(QWidget *parent = nullptr);

    // The caption as last set, whether or not it has been painted yet.
    QString text() const override { return m_text; }
    void SetText(const QString &text);

    // A caption is painted at most once per this many milliseconds.
    static constexpr int CaptionFrameMs = 16;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_text;
    QElapsedTimer m_lastPaint;
    QTimer m_pendingPaint;
};
