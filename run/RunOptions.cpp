#include "RunOptions.h"

#include "common/Settings.h"

#include <array>
#include <utility>

namespace {

template <typename Rule, size_t N>
std::optional<Rule> fromWord(const std::array<std::pair<Rule, const char *>, N> &words, const QString &word)
{
    for (const auto &[rule, text] : words) {
        if (word.compare(QLatin1String(text), Qt::CaseInsensitive) == 0)
            return rule;
    }
    return std::nullopt;
}

template <typename Rule, size_t N> QString toWord(const std::array<std::pair<Rule, const char *>, N> &words, Rule rule)
{
    for (const auto &[known, text] : words) {
        if (known == rule)
            return QString::fromLatin1(text);
    }
    return {};
}

using S = RunOptions::SubfolderName;
using C = RunOptions::OnConflict;
using K = RunOptions::Kinds;
constexpr std::array<std::pair<K, const char *>, 2> KindsWords{{{K::Zip, "zip"}, {K::All, "all"}}};
constexpr std::array<std::pair<S, const char *>, 3> SubfolderWords{
    {{S::FirstDot, "first-dot"}, {S::Full, "full"}, {S::Smart, "smart"}}};
constexpr std::array<std::pair<C, const char *>, 4> ConflictWords{
    {{C::Replace, "replace"}, {C::Skip, "skip"}, {C::Rename, "rename"}, {C::Newer, "newer"}}};

// A stored value is only ever read; one that cannot be read is the default.
QString stored(const QString &key)
{
    try {
        return ReadSetting(key);
    } catch (...) {
        return SettingDefault(key);
    }
}

void store(const QString &key, const QString &value)
{
    if (stored(key) != value)
        WriteSetting(key, value);
}

} // namespace

QString SubfolderNameWord(RunOptions::SubfolderName rule) { return toWord(SubfolderWords, rule); }
std::optional<RunOptions::SubfolderName> SubfolderNameFromWord(const QString &word)
{
    return fromWord(SubfolderWords, word);
}
QString OnConflictWord(RunOptions::OnConflict rule) { return toWord(ConflictWords, rule); }
std::optional<RunOptions::OnConflict> OnConflictFromWord(const QString &word) { return fromWord(ConflictWords, word); }

QString KindsWord(RunOptions::Kinds kinds) { return toWord(KindsWords, kinds); }
std::optional<RunOptions::Kinds> KindsFromWord(const QString &word) { return fromWord(KindsWords, word); }

QString AfterWord(RunOptions::After after, const QString &folder)
{
    switch (after) {
    case RunOptions::After::Trash: return QStringLiteral("trash");
    case RunOptions::After::Move: return QStringLiteral("move:") + folder;
    case RunOptions::After::Keep: break;
    }
    return QStringLiteral("keep");
}

bool AfterFromWord(const QString &word, RunOptions::After &after, QString &folder)
{
    folder.clear();
    if (word.compare(QLatin1String("keep"), Qt::CaseInsensitive) == 0)
        after = RunOptions::After::Keep;
    else if (word.compare(QLatin1String("trash"), Qt::CaseInsensitive) == 0)
        after = RunOptions::After::Trash;
    else if (word.startsWith(QLatin1String("move:"), Qt::CaseInsensitive) && word.size() > 5) {
        after = RunOptions::After::Move;
        folder = word.mid(5);
    } else
        return false;
    return true;
}

QString NestedWord(bool nested, bool remove)
{
    return !nested ? QStringLiteral("off") : remove ? QStringLiteral("extract-remove") : QStringLiteral("extract");
}

bool NestedFromWord(const QString &word, bool &nested, bool &remove)
{
    const QString w = word.toLower();
    if (w != QLatin1String("off") && w != QLatin1String("extract") && w != QLatin1String("extract-remove"))
        return false;
    nested = w != QLatin1String("off");
    remove = w == QLatin1String("extract-remove");
    return true;
}

RunOptions LoadRunOptions()
{
    RunOptions options;
    options.subfolderName = SubfolderNameFromWord(stored(SettingKey::SubfolderName)).value_or(options.subfolderName);
    options.onConflict = OnConflictFromWord(stored(SettingKey::OnConflict)).value_or(options.onConflict);
    if (!AfterFromWord(stored(SettingKey::AfterExtract), options.after, options.afterFolder))
        options.after = RunOptions::After::Keep;
    if (!NestedFromWord(stored(SettingKey::NestedArchives), options.nested, options.removeNested))
        options.nested = options.removeNested = false;
    options.kinds = KindsFromWord(stored(SettingKey::ArchiveKinds)).value_or(options.kinds);
    try {
        options.report = SettingToBoolean(stored(SettingKey::WriteReport));
    } catch (...) {
        options.report = false;
    }
    try {
        options.askPasswords = SettingToBoolean(stored(SettingKey::AskForPasswords));
    } catch (...) {
        options.askPasswords = false;
    }
    return options;
}

void SaveRunOptions(const RunOptions &options)
{
    store(SettingKey::SubfolderName, SubfolderNameWord(options.subfolderName));
    store(SettingKey::OnConflict, OnConflictWord(options.onConflict));
    store(SettingKey::AfterExtract, AfterWord(options.after, options.afterFolder));
    store(SettingKey::WriteReport, BooleanToSetting(options.report));
    store(SettingKey::AskForPasswords, BooleanToSetting(options.askPasswords));
    store(SettingKey::NestedArchives, NestedWord(options.nested, options.removeNested));
    store(SettingKey::ArchiveKinds, KindsWord(options.kinds));
}
