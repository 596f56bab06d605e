#include "PathHelpers.h"

#include "Prompts.h"

#include <QTime>
#include <random>

void OpenHomePageAtRandom(Prompts &prompts, const std::function<double()> &random)
{
    double fraction;
    if (random) {
        fraction = random();
    } else {
        // Seeded from the time of day, so each start draws afresh.
        std::mt19937 generator(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
        fraction = std::uniform_real_distribution<double>(0.0, 1.0)(generator);
    }
    const int drawn = static_cast<int>(fraction * 100) + 1;
    if (drawn == 7)
        prompts.openWithShell(HomePageAddress); // a chance visit; a failure is nobody's concern
}
