#include "profiles/OutputSettings.h"

OutputSettings& CurrentOutputSettings() {
    static OutputSettings settings;
    return settings;
}
