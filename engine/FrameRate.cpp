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

}  // namespace framerate
