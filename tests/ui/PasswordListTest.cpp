// The window's list of passwords: where it is kept, how it is edited, and a
// run that tries it.
#include "FormFixture.h"
#include "PasswordListEditor.h"
#include "PasswordListStore.h"
#include "WorkerWait.h"
#include "ZipBuilder.h"

#include <QLabel>
#include <QListWidget>

using namespace std::chrono_literals;

namespace {

const QString TestService = QStringLiteral("Marrowlyn test");

// A store that asks no keyring keeps the list in memory, for its own life
// alone; where this machine has no keyring, one that asks must fall back the
// same way.
TEST(PasswordListStoreTest, WithoutAKeyringTheListIsKeptInMemory)
{
    std::vector<std::unique_ptr<PasswordListStore>> stores;
    stores.push_back(std::make_unique<PasswordListStore>(TestService, 0ms));
    if (!PasswordListStore(TestService).keyringAvailable())
        stores.push_back(std::make_unique<PasswordListStore>(TestService));
    for (auto &store : stores) {
        EXPECT_FALSE(store->keyringAvailable());
        EXPECT_EQ(store->load(), QStringList());
        EXPECT_TRUE(store->save({"one", " ", "", "two"}));
        EXPECT_EQ(store->load(), (QStringList{"one", "two"}));
        EXPECT_EQ(PasswordListStore(TestService, 0ms).load(), QStringList()) << "another program's life";
    }
}

TEST(PasswordListStoreTest, AKeyringKeepsTheListForTheNextStore)
{
    PasswordListStore store(TestService);
    if (!store.keyringAvailable())
        GTEST_SKIP() << "no keyring (secret service) answers on this machine";
    ASSERT_TRUE(store.save({"one", "two"}));
    EXPECT_EQ(PasswordListStore(TestService).load(), (QStringList{"one", "two"}));
    ASSERT_TRUE(store.save({}));
    EXPECT_EQ(PasswordListStore(TestService).load(), QStringList());
}

TEST(PasswordListEditorTest, AddRemoveAndMoveShowOnlyDots)
{
    ScriptedPrompts prompts;
    PasswordListStore store(TestService, 0ms);
    store.save({"first"});
    PasswordListEditor editor(prompts, store);
    EXPECT_EQ(editor.WhereKept->text(), KeptInMemoryText());
    for (QWidget *control : std::initializer_list<QWidget *>{editor.List, editor.AddButton, editor.RemoveButton,
                                                             editor.MoveUpButton, editor.MoveDownButton})
        EXPECT_FALSE(control->accessibleName().isEmpty()) << control->metaObject()->className();

    // A cancelled or blank answer adds nothing.
    for (const char *typed : {"second", "", "   ", "third"}) {
        prompts.expectInput(typed);
        editor.Add_Click();
        EXPECT_TRUE(prompts.last().secret);
        EXPECT_EQ(prompts.last().text, AddPasswordPrompt());
    }
    EXPECT_EQ(editor.passwords(), (QStringList{"first", "second", "third"}));
    EXPECT_EQ(editor.List->currentRow(), 2) << "the one added is chosen";

    struct Step {
        int row;
        void (PasswordListEditor::*click)();
        QStringList after;
        int chosen;
    } steps[] = {
        {2, &PasswordListEditor::MoveUp_Click, {"first", "third", "second"}, 1},
        {0, &PasswordListEditor::MoveUp_Click, {"first", "third", "second"}, 0},
        {0, &PasswordListEditor::MoveDown_Click, {"third", "first", "second"}, 1},
        {2, &PasswordListEditor::MoveDown_Click, {"third", "first", "second"}, 2},
        {1, &PasswordListEditor::Remove_Click, {"third", "second"}, 1},
        {1, &PasswordListEditor::Remove_Click, {"third"}, 0},
    };
    for (const Step &step : steps) {
        editor.List->setCurrentRow(step.row);
        (editor.*step.click)();
        EXPECT_EQ(editor.passwords(), step.after);
        EXPECT_EQ(editor.List->currentRow(), step.chosen);
    }
    EXPECT_EQ(editor.List->item(0)->text(), QStringLiteral("1.  ") + QString(8, QChar(0x2022)));
    EXPECT_EQ(store.load(), QStringList{"first"}) << "nothing reaches the store before save()";
    EXPECT_TRUE(editor.save());
    EXPECT_EQ(store.load(), QStringList{"third"});
}

// In one folder, each archive opened by its own password, the run's first;
// the box names the place in the list, never a password.
TEST_F(FormTest, TheWindowsRunTriesTheListAfterThePasswordSet)
{
    namespace fs = std::filesystem;
    fs::create_directories(dir / "in");
    fs::create_directories(dir / "out");
    MakeZip(dir / "in/own.zip", {{.name = "own.txt", .data = "o", .encrypted = true}}, "Pw1x");
    MakeZip(dir / "in/listed.zip", {{.name = "listed.txt", .data = "l", .encrypted = true}}, "Pw2x");
    MakeZip(dir / "in/none.zip", {{.name = "none.txt", .data = "n", .encrypted = true}}, "Pw9x");
    store(SettingKey::OutputDirectory, q(dir / "out"));
    Form1 &f = load();
    f.Option2->setChecked(true);
    for (const char *name : {"own.zip", "listed.zip", "none.zip"})
        f.JobRows().Add(q(dir / "in" / name));
    prompts.expectInput("Pw1x");
    f.PushButton7_Click();
    f.Run().runArchive = &RunOnWorkerThread;
    f.Run().passwordList = [] { return QStringList{"Pw0x", "Pw2x", "Pw1x"}; };

    prompts.expectMessage();
    f.PushButton2_Click();
    EXPECT_EQ(dir.read("out/own.txt"), "o");
    EXPECT_EQ(dir.read("out/listed.txt"), "l");
    EXPECT_FALSE(fs::exists(dir / "out/none.txt"));
    const QString done = prompts.last().text;
    EXPECT_TRUE(done.contains("none.zip: wrong password")) << done.toStdString();
    EXPECT_TRUE(done.contains("listed.zip: opened by the 2nd password of the list")) << done.toStdString();
    EXPECT_FALSE(done.contains("own.zip: opened")) << done.toStdString();
    // No password is named (not "Pw" alone: the test's random folder may hold it).
    for (const char *password : {"Pw0x", "Pw1x", "Pw2x", "Pw9x"})
        EXPECT_FALSE(done.contains(password)) << done.toStdString();
}

} // namespace
