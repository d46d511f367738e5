#include "engine/AVConvert.h"

AVConvert::AVConvert() {
    for (auto& s : fileState) s.store(kRowPending, std::memory_order_relaxed);
}

AVConvert::~AVConvert() = default;

void AVConvert::resetRowStates() {
    for (int i = 0; i < fileCount && i <= kMaxRows; ++i) fileState[i].store(kRowPending, std::memory_order_relaxed);
    sourcePaths.resize(fileCount);
    outputPaths.resize(fileCount);
}
