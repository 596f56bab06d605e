#include "PasswordQuestion.h"

#include "BatchCommand.h"
#include "PasswordInput.h"
#include "ProgressPrinter.h"

#include "UserText.h"
#include "VisibleText.h"

std::function<std::optional<std::string>(const std::string &, int)>
TerminalPasswordQuestion(int terminal, std::FILE *prompt, ProgressPrinter &progress)
{
    return [terminal, prompt, &progress](const std::string &archive, int attempt) {
        const std::size_t slash = archive.find_last_of('/');
        const std::string name = VisibleText(slash == std::string::npos ? archive : archive.substr(slash + 1));
        std::optional<std::string> answer;
        // The printer's lock is what keeps two archives' questions, and the
        // bar, from mixing on the screen.
        progress.aside([&] {
            if (attempt > 1)
                std::fputs((Translated("PasswordQuestion", "Wrong password.") + "\n").c_str(), prompt);
            answer = ReadPasswordLine(terminal, prompt, kMaxPasswordBytes,
                                      FillIn(Translated("PasswordQuestion", "Password for %1: "), {name}));
        });
        if (answer && answer->empty())
            answer.reset();
        return answer;
    };
}
