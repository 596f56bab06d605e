#include "TrappedProcedure.h"

#include "Prompts.h"
#include "RuntimeError.h"

#include <QCoreApplication>

#include <exception>

namespace {

const QString ProjectPrefix = QStringLiteral("in Plindrave2021/08/31.");

QString errorTitle() { return QCoreApplication::translate("TrappedProcedure", "Application Error"); }

// What the user sees for a failure that carries no description of its own.
QString unknownFailure() { return QString::fromStdString(RuntimeError::defaultDescription(ErrorNumber(0))); }

} // namespace

TrappedProcedure::TrappedProcedure(Prompts &prompts, QString location)
    : m_prompts(prompts), m_location(std::move(location))
{}

void TrappedProcedure::step(int line, const std::function<void()> &statement)
{
    try {
        statement();
    } catch (const std::exception &failure) {
        // RuntimeError is a std::exception; its what() is the description.
        report(QString::fromUtf8(failure.what()), line);
    } catch (...) {
        report(unknownFailure(), line);
    }
}

bool TrappedProcedure::test(int line, const std::function<bool()> &condition)
{
    try {
        return condition();
    } catch (const std::exception &failure) {
        report(QString::fromUtf8(failure.what()), line);
    } catch (...) {
        report(unknownFailure(), line);
    }
    // A failed test resumes at the next statement, which is the first of the then-branch.
    return true;
}

QString TrappedProcedure::errorText(const QString &description, const QString &location, int line)
{
    return QCoreApplication::translate("TrappedProcedure",
                                       "%1\r\n%2at line %3\r\rPlease email screenshot of this message to %4")
        .arg(description, location, QString::number(line), SupportAddress);
}

QString TrappedProcedure::location(const QString &module, const QString &procedure)
{
    return ProjectPrefix + module + QLatin1Char('.') + procedure + QLatin1Char(' ');
}

void TrappedProcedure::report(const QString &description, int line)
{
    ++m_failures;
    m_prompts.message(errorText(description, m_location, line), errorTitle(), Prompts::Buttons::Ok,
                      Prompts::Icon::Exclamation);
}
