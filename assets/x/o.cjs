/* Marrowlyn's own skin: a light, calm look with one blue accent.
   Fonts stay as the window sets them; only colours, borders and spacing live here. */

QWidget#Form1, QMainWindow, QDialog {
    background-color: #f3f5f8;
}

QPushButton {
    background-color: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #f1f4f8);
    color: #1f2a37;
    border: 1px solid #c8d0db;
    border-radius: 6px;
    padding: 3px 12px;
}
QPushButton:hover {
    background-color: #eaf2fd;
    border-color: #3b82f6;
    color: #0f3d8a;
}
QPushButton:pressed {
    background-color: #d3e4fc;
    border-color: #2563eb;
}
QPushButton:focus {
    border-color: #3b82f6;
}
QPushButton:disabled {
    color: #9aa5b4;
    background-color: #eef1f5;
    border-color: #dde3ea;
}

QGroupBox {
    background-color: #ffffff;
    border: 1px solid #d6dde6;
    border-radius: 8px;
    margin-top: 10px;
    padding-top: 6px;
}
QGroupBox::title {
    subcontrol-origin: margin;
    subcontrol-position: top left;
    left: 10px;
    padding: 0 4px;
    color: #2563eb;
    background-color: transparent;
}

QRadioButton {
    color: #1f2a37;
    spacing: 7px;
    background-color: transparent;
}
QRadioButton::indicator {
    width: 14px;
    height: 14px;
    border-radius: 8px;
    border: 1px solid #9aa8b8;
    background-color: #ffffff;
}
QRadioButton::indicator:hover {
    border-color: #3b82f6;
}
QRadioButton::indicator:checked {
    border: 4px solid #3b82f6;
    width: 8px;
    height: 8px;
    background-color: #ffffff;
}

QLineEdit {
    background-color: #ffffff;
    color: #1f2a37;
    border: 1px solid #c8d0db;
    border-radius: 5px;
    padding: 2px 6px;
    selection-background-color: #3b82f6;
    selection-color: #ffffff;
}
QLineEdit:focus {
    border-color: #3b82f6;
}

QTreeWidget, QTreeView {
    background-color: #ffffff;
    alternate-background-color: #f7f9fc;
    color: #1f2a37;
    border: 1px solid #d6dde6;
    border-radius: 6px;
    selection-background-color: #3b82f6;
    selection-color: #ffffff;
    outline: 0;
}
/* The row cursor's own dotted frame is left out; the list's frame shows
   where the keyboard is instead. */
QTreeWidget:focus, QTreeView:focus {
    border-color: #3b82f6;
}
/* The same padding in every state: sideways padding would move only the
   selected row's text. */
QTreeWidget::item, QTreeView::item,
QTreeWidget::item:hover, QTreeView::item:hover,
QTreeWidget::item:selected, QTreeView::item:selected {
    padding: 1px 0px;
}
QTreeWidget::item:hover, QTreeView::item:hover {
    background-color: #eaf2fd;
    color: #1f2a37;
}
QTreeWidget::item:selected, QTreeView::item:selected {
    background-color: #3b82f6;
    color: #ffffff;
}

QHeaderView {
    background-color: transparent;
}
QHeaderView::section {
    background-color: #eef2f7;
    color: #374151;
    border: none;
    border-bottom: 1px solid #d6dde6;
    border-right: 1px solid #d6dde6;
    padding: 4px 6px;
}

QProgressBar {
    background-color: #e6ebf1;
    color: #1f2a37;
    border: 1px solid #c8d0db;
    border-radius: 6px;
    text-align: center;
}
QProgressBar::chunk {
    border-radius: 5px;
    background-color: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #60a5fa, stop:1 #2563eb);
}

QScrollBar:vertical {
    background: transparent;
    width: 10px;
    margin: 2px;
}
QScrollBar::handle:vertical {
    background: #c3ccd8;
    border-radius: 3px;
    min-height: 24px;
}
QScrollBar::handle:vertical:hover {
    background: #9aa8b8;
}
QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical,
QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical {
    background: none;
    height: 0;
}

QToolTip {
    background-color: #1f2a37;
    color: #f8fafc;
    border: 1px solid #111827;
    border-radius: 4px;
    padding: 4px 6px;
}
