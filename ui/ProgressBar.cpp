#include "ProgressBar.h"

ProgressBar::ProgressBar(QWidget *parent) : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
    setAlignment(Qt::AlignCenter);
    m_pendingPaint.setSingleShot(true);
    connect(&m_pendingPaint, &QTimer::timeout, this, [this] { update(); });
}

// A run over tiny archives changes the caption a couple of thousand times a
// second, and painting the skinned bar each time took more than half of such
// a run. The caption is kept at once (text() answers it) but painted at most
// once a frame; the latest caption is always painted in the end.
void ProgressBar::SetText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (!m_lastPaint.isValid() || m_lastPaint.elapsed() >= CaptionFrameMs) {
        update();
        return;
    }
    if (!m_pendingPaint.isActive())
        m_pendingPaint.start(int(CaptionFrameMs - m_lastPaint.elapsed()));
}

void ProgressBar::paintEvent(QPaintEvent *event)
{
    m_lastPaint.start();
    QProgressBar::paintEvent(event);
}
