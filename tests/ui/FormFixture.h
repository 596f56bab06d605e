// A fresh window over a fresh settings folder and program folder.
#pragma once

#include "Form1.h"
#include "ProgressBar.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TempDir.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

inline QString q(const std::filesystem::path &path) { return QString::fromStdString(path.string()); }

// A caption as it shows: "&Clear List" reads "Clear List", "&&" reads "&".
inline QString withoutMnemonic(QString text)
{
    return text.replace(QStringLiteral("&&"), QStringLiteral("\x01"))
        .remove(QLatin1Char('&'))
        .replace(QChar(1), QLatin1Char('&'));
}

// The captions of `root`'s visible buttons and group boxes that are wider
// than their control: a caption cut short is a fault at any density and in
// any language.
inline QStringList CutCaptions(QWidget *root)
{
    QStringList cut;
    for (QWidget *w : root->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        QString caption;
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            caption = withoutMnemonic(button->text());
        else if (auto *group = qobject_cast<QGroupBox *>(w))
            caption = group->title();
        int room = w->width();
        bool tooLow = false;
        // A push button's caption has the room its style (and style sheet) leaves inside the frame:
        // across for its advance, and down for its ascent and descent (the "g" of "Hinzufügen").
        if (auto *push = qobject_cast<QPushButton *>(w)) {
            QStyleOptionButton option;
            option.initFrom(push);
            option.text = push->text();
            const QRect contents = push->style()->subElementRect(QStyle::SE_PushButtonContents, &option, push);
            room = contents.width();
            // The line is centred in the contents; its ink must stay inside them.
            const QFontMetrics &metrics = push->fontMetrics();
            const QRect ink = metrics.tightBoundingRect(caption);
            const double baseline = contents.top() + (contents.height() - metrics.height()) / 2.0 + metrics.ascent();
            tooLow = !caption.isEmpty()
                && (baseline + ink.top() < contents.top() || baseline + ink.bottom() > contents.bottom() + 1);
        }
        if (!w->parentWidget()->rect().contains(w->geometry()) || tooLow
            || (!caption.isEmpty() && w->fontMetrics().horizontalAdvance(caption) > room))
            cut << (caption.isEmpty() ? w->objectName() : caption);
    }
    return cut;
}

class FormTest : public ::testing::Test {
protected:
    void SetUp() override { SetSettingsFolder(q(dir / "config")); }

    Form1 &load(double draw = 0.5)
    {
        form = std::make_unique<Form1>(prompts, Form1Environment{q(dir / "program"), [draw] { return draw; }});
        // The list in the user's own keyring is no part of a test.
        form->Run().passwordList = nullptr;
        form->Form_Load();
        return *form;
    }

    static QString stored(const QString &key, const QString &fallback = QStringLiteral("<absent>"))
    {
        return GetSetting(SettingsApplication, SettingsSection, key, fallback);
    }
    static void store(const QString &key, const QString &value)
    {
        SaveSetting(SettingsApplication, SettingsSection, key, value);
    }

    TempDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<Form1> form;
};
