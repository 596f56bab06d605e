// The error-box convention of the command handlers: each statement runs as a
// numbered step; when one fails, the user sees one "Application Error" box
// naming the procedure and the line, and the handler goes on with the next step.
#pragma once

#include <QString>
#include <functional>

class Prompts;

inline const QString SupportAddress = QStringLiteral("help@marrowlyn.app");

class TrappedProcedure {
public:
    // `location` is the full location text, e.g. "in Plindrave2021/08/31.Form1.Form_Load ".
    TrappedProcedure(Prompts &prompts, QString location);

    // Runs one statement; a failure shows the box and is then forgotten.
    void step(int line, const std::function<void()> &statement);
    // Runs the test of a conditional; a failure shows the box and answers true,
    // so execution goes on with the first statement of the then-branch.
    bool test(int line, const std::function<bool()> &condition);

    int failures() const { return m_failures; }

    // The box's text for a failure with `description` at `line`.
    static QString errorText(const QString &description, const QString &location, int line);
    static QString location(const QString &module,
                            const QString &procedure); // "in Plindrave2021/08/31.<module>.<procedure> "

private:
    void report(const QString &description, int line);

    Prompts &m_prompts;
    QString m_location;
    int m_failures = 0;
};
