// A fresh window over a fresh settings folder and program folder.
#pragma once

#include "Form1.h"
#include "ProgressBar.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "TempDir.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>

inline QString q(const std::filesystem::path &path) { return QString::fromStdString(path.string()); }

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
