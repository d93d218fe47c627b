// The news ticker engine: one text, TickerText, that the board shows from its first byte on.
// Each step either cuts one double-byte character off the front or, when no more than
// 2 x TickerWidth bytes are left, appends a new sentence: who + "が、" + where + "で、" +
// what + "。" and a run of "・". After every 21 sentences the banner runs in between.
//
// The engine counts bytes, never characters. It owns no timer: TickerStep tells its caller
// whether it appended (the window then restarts its timer for a full interval) or could not
// (a list is empty: the window stops the ticker until a usable load).
#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/ms_random.h"
#include "words/word_data.h"

namespace kawaban {

enum class TickerStepResult {
    Cut,       // two bytes were cut off the front
    Appended,  // a sentence was appended; restart the timer for a full interval
    Stopped,   // a sentence was due but a list is empty; nothing changed, stop the timer
};

class TickerEngine {
public:
    static constexpr int kHistoryLength = 10;
    static constexpr int kSentencesBetweenBanners = 20;  // the banner comes when more have run
    static constexpr int kAvoidRepeatsAbove = 20;        // lists longer than this avoid recent picks

    TickerEngine(const WordData& words, MsRandom& random);

    TickerStepResult TickerStep();
    // Appends one sentence (and the banner when due). False, with nothing changed, when a
    // list is empty.
    bool AppendSentence();
    // Draws one sentence, who + "が、" + where + "で、" + what + "。", as AppendSentence does
    // (same draws, same repeat avoidance), without the banner or dots. Empty when a list is empty.
    std::string ComposeSentence();
    // TickerText := BannerText; in a saver or preview run the saver opening instead:
    // TickerWidth dots, "＜でたらめ瓦版＞", TickerWidth / 2 dots.
    void ResetTickerText(bool saver);

    std::string TickerText;
    int TickerWidth = 20;
    const std::string BannerText;
    int SentenceCount = 0;
    std::array<std::vector<int>, kWordCategoryCount> PickHistory;

private:
    int Pick(int category);

    const WordData& words_;
    MsRandom& random_;
};

// The banner: nine "・", "＜でたらめ瓦版＞", eight "・".
std::string MakeBannerText();

}  // namespace kawaban
