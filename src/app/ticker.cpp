// The news ticker engine; see ticker.h.
#include "app/ticker.h"

#include <algorithm>

namespace kawaban {
namespace {

constexpr char kDot[] = "・";
constexpr char kName[] = "＜でたらめ瓦版＞";
constexpr const char* kJoints[kWordCategoryCount] = {"が、", "で、", "。"};

void AppendDots(std::string& text, int count) {
    for (int i = 0; i < count; ++i)
        text += kDot;
}

}  // namespace

std::string MakeBannerText() {
    std::string banner;
    AppendDots(banner, 9);
    banner += kName;
    AppendDots(banner, 8);
    return banner;
}

TickerEngine::TickerEngine(const WordData& words, MsRandom& random)
    : BannerText(MakeBannerText()), words_(words), random_(random) {
    for (std::vector<int>& history : PickHistory)
        history.assign(5, -1);
}

TickerStepResult TickerEngine::TickerStep() {
    if (TickerText.size() > 2 * static_cast<std::size_t>(std::max(TickerWidth, 0))) {
        TickerText.erase(0, 2);
        return TickerStepResult::Cut;
    }
    return AppendSentence() ? TickerStepResult::Appended : TickerStepResult::Stopped;
}

int TickerEngine::Pick(int category) {
    const WordList& list = words_.Lists[category];
    const auto n = static_cast<long long>(list.size());
    std::vector<int>& history = PickHistory[category];
    int r;
    for (;;) {
        r = static_cast<int>(random_.Next() % n);
        const bool recent = std::find(history.begin(), history.end(), r) != history.end();
        if (!recent || n <= kAvoidRepeatsAbove)
            break;
    }
    history.insert(history.begin(), r);
    history.resize(kHistoryLength, 0);
    return r;
}

std::string TickerEngine::ComposeSentence() {
    std::string sentence;
    if (!words_.AllListsNonEmpty())
        return sentence;
    for (int c = 0; c < kWordCategoryCount; ++c) {
        sentence += words_.Lists[c][Pick(c)];
        sentence += kJoints[c];
    }
    return sentence;
}

bool TickerEngine::AppendSentence() {
    if (!words_.AllListsNonEmpty())
        return false;
    if (SentenceCount > kSentencesBetweenBanners) {
        TickerText += BannerText;
        SentenceCount = 0;
    }
    ++SentenceCount;
    TickerText += ComposeSentence();
    AppendDots(TickerText, std::max(TickerWidth, 10));
    return true;
}

void TickerEngine::ResetTickerText(bool saver) {
    TickerText = BannerText;
    if (saver) {
        TickerText.clear();
        AppendDots(TickerText, TickerWidth);
        TickerText += kName;
        AppendDots(TickerText, TickerWidth / 2);
    }
}

}  // namespace kawaban
