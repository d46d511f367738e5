#include "engine/FrameRate.h"

namespace framerate {
namespace {

struct RateRow {
    double framesPerSecond;  // compared exactly: the settings texts give these values
    AVRational timeBase;
};

constexpr RateRow kTranscodeTable[] = {
    {10, {1, 10}},         {12, {1, 12}},  {14.985, {1001, 15000}}, {15, {1, 15}},
    {18, {1, 18}},         {20, {1, 20}},  {23.975, {1001, 24000}}, {24, {1, 24}},
    {25, {1, 25}},         {29.97, {1001, 30000}}, {30, {1, 30}},   {50, {1, 50}},
    {60, {1, 60}},
};

constexpr RateRow kMergeTable[] = {
    {10, {1, 10}},              {12, {1001, 12012}}, {14.985, {1001, 15000}}, {15, {1001, 15015}},
    {18, {1, 18}},              {20, {1001, 20020}}, {23.975, {1001, 24000}}, {24, {1001, 24024}},
    {25, {1001, 25025}},        {29.97, {1001, 30000}}, {30, {1001, 30030}},  {50, {1, 50}},
    {60, {1, 60}},
};

AVRational inverted(AVRational rate) {
    if (rate.num <= 0 || rate.den <= 0) return {0, 0};
    return {rate.den, rate.num};
}

template <int N>
AVRational lookUp(const RateRow (&table)[N], double outputFrameRate, AVRational sourceRate) {
    if (outputFrameRate == 0) return inverted(sourceRate);
    for (const auto& row : table)
        if (row.framesPerSecond == outputFrameRate) return row.timeBase;
    return {0, 0};
}

}  // namespace

AVRational normaliseSourceRate(AVRational rate) {
    if (wholeRate(rate) > 1000) rate.den = 1001;
    return rate;
}

int wholeRate(AVRational rate) { return rate.den > 0 && rate.num > 0 ? rate.num / rate.den : 0; }

bool isOddRate(AVRational rate) { return rate.num == 359 && rate.den == 12; }

AVRational transcodeTimeBase(double outputFrameRate, AVRational sourceRate, bool rmOutput) {
    if (rmOutput) return inverted(sourceRate);
    return lookUp(kTranscodeTable, outputFrameRate, sourceRate);
}

AVRational mergeTimeBase(double outputFrameRate, AVRational sourceRate) {
    return lookUp(kMergeTable, outputFrameRate, sourceRate);
}

int ticksPerSecond(AVRational timeBase) { return timeBase.num > 0 ? timeBase.den / timeBase.num : 0; }

namespace {

struct LevelLimit {
    int level;
    long maxFrameMacroblocks;
    long maxMacroblocksPerSecond;
};

// Table A-1 of the H.264 standard (the levels our devices name, and their neighbours).
constexpr LevelLimit kH264Levels[] = {
    {10, 99, 1485},     {11, 396, 3000},     {12, 396, 6000},      {13, 396, 11880},     {20, 396, 11880},
    {21, 792, 19800},   {22, 1620, 20250},   {30, 1620, 40500},    {31, 3600, 108000},   {32, 5120, 216000},
    {40, 8192, 245760}, {41, 8192, 245760},  {42, 8704, 522240},   {50, 22080, 589824},  {51, 36864, 983040},
};

}  // namespace

bool fitsH264Level(int level, int width, int height, double rate) {
    if (level <= 0) return true;
    const LevelLimit* limit = nullptr;
    for (const auto& row : kH264Levels)
        if (row.level == level) limit = &row;
    if (!limit || width <= 0 || height <= 0) return false;
    const long macroblocks = static_cast<long>((width + 15) / 16) * ((height + 15) / 16);
    return macroblocks <= limit->maxFrameMacroblocks && macroblocks * rate <= limit->maxMacroblocksPerSecond + 0.5;
}

double rateWithinH264Level(int level, int width, int height, double rate) {
    if (fitsH264Level(level, width, height, rate)) return rate;
    const double half = rate / 2;
    for (const auto& row : kTranscodeTable)
        if (row.framesPerSecond == half && fitsH264Level(level, width, height, half)) return half;
    double best = 0;
    for (const auto& row : kTranscodeTable)
        if (row.framesPerSecond < rate && row.framesPerSecond > best &&
            fitsH264Level(level, width, height, row.framesPerSecond))
            best = row.framesPerSecond;
    return best;
}

}  // namespace framerate
