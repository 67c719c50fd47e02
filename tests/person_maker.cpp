#include "person_maker.h"

#include "shell/settings.h"

void resetEngineSettings() {
    for (int i = 0; i < 256; ++i) settings.charMap[i] = static_cast<std::uint8_t>(i);
    settings.autoYW = 1;
    settings.lifePathMethod = 0;
}
