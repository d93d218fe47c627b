// The ticker engine: cutting and appending, the sentence's shape, the banner every 21
// sentences, repeat avoidance in long lists, the saver opening, and empty lists.
#include "app/ticker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace kawaban {
namespace {

std::string Dots(int n) {
    std::string s;
    for (int i = 0; i < n; ++i)
        s += "・";
    return s;
}

WordData Lists(WordList who, WordList where, WordList what) {
    WordData words;
    words.Lists = {std::move(who), std::move(where), std::move(what)};
    return words;
}

WordList Numbered(const std::string& prefix, int n) {
    WordList list;
    for (int i = 0; i < n; ++i)
        list.push_back(prefix + std::to_string(i));
    return list;
}

TEST(MsRandom, IsTheMicrosoftRuntimeSequence) {
    MsRandom random(1);
    const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
    for (int value : expected)
        EXPECT_EQ(random.Next(), value);
    random.Seed(0xFFFFFFFFu);
    for (int i = 0; i < 1000; ++i) {
        const int v = random.Next();
        ASSERT_GE(v, 0);
        ASSERT_LE(v, MsRandom::kMax);
    }
}

TEST(TickerEngine, StartsEmptyWithTheBannerReady) {
    WordData words;
    MsRandom random;
    TickerEngine engine(words, random);
    EXPECT_EQ(engine.TickerText, "");
    EXPECT_EQ(engine.TickerWidth, 20);
    EXPECT_EQ(engine.BannerText, Dots(9) + "＜でたらめ瓦版＞" + Dots(8));
    EXPECT_EQ(engine.BannerText,
              "\x81\x45\x81\x45\x81\x45\x81\x45\x81\x45\x81\x45\x81\x45\x81\x45\x81\x45"
              "\x81\x83\x82\xC5\x82\xBD\x82\xE7\x82\xDF\x8A\xA2\x94\xC5\x81\x84"
              "\x81\x45\x81\x45\x81\x45\x81\x45\x81\x45\x81\x45\x81\x45\x81\x45");
    for (const auto& history : engine.PickHistory)
        EXPECT_EQ(history, std::vector<int>(5, -1));
}

TEST(TickerEngine, ResetShowsTheBannerOrTheSaverOpening) {
    WordData words;
    MsRandom random;
    TickerEngine engine(words, random);
    struct Case {
        int width;
        bool saver;
        std::string expected;
    } cases[] = {
        {8, false, engine.BannerText},
        {17, true, Dots(17) + "＜でたらめ瓦版＞" + Dots(8)},
        {20, true, Dots(20) + "＜でたらめ瓦版＞" + Dots(10)},
        {1, true, Dots(1) + "＜でたらめ瓦版＞"},
        {0, true, "＜でたらめ瓦版＞"},
    };
    for (const Case& c : cases) {
        engine.TickerWidth = c.width;
        engine.ResetTickerText(c.saver);
        EXPECT_EQ(engine.TickerText, c.expected) << c.width;
    }
}

TEST(TickerEngine, CutsTwoBytesOrAppendsAtTwiceTheWidth) {
    WordData words = Lists({"猫"}, {"駅"}, {"歌った"});
    MsRandom random;
    TickerEngine engine(words, random);
    engine.TickerWidth = 8;

    engine.TickerText = std::string(17, 'x');  // more than 2 x 8 bytes: cut
    EXPECT_EQ(engine.TickerStep(), TickerStepResult::Cut);
    EXPECT_EQ(engine.TickerText, std::string(15, 'x'));

    engine.TickerText = std::string(16, 'x');  // exactly 2 x 8: append, cut nothing
    EXPECT_EQ(engine.TickerStep(), TickerStepResult::Appended);
    EXPECT_EQ(engine.TickerText, std::string(16, 'x') + "猫が、駅で、歌った。" + Dots(10));

    engine.TickerText = "a";  // odd single bytes: still cut two at a time
    engine.TickerWidth = 0;
    EXPECT_EQ(engine.TickerStep(), TickerStepResult::Cut);
    EXPECT_EQ(engine.TickerText, "");
}

TEST(TickerEngine, FollowsEachSentenceWithAtLeastTenDots) {
    WordData words = Lists({"猫"}, {"駅"}, {"歌った"});
    MsRandom random;
    TickerEngine engine(words, random);
    for (int width : {1, 8, 10, 17}) {
        engine.TickerWidth = width;
        engine.TickerText.clear();
        ASSERT_TRUE(engine.AppendSentence());
        EXPECT_EQ(engine.TickerText, "猫が、駅で、歌った。" + Dots(std::max(width, 10))) << width;
    }
}

TEST(TickerEngine, RunsTheBannerBeforeThe22ndAnd43rdAnd64thSentence) {
    WordData words = Lists({"猫"}, {"駅"}, {"歌った"});
    MsRandom random;
    TickerEngine engine(words, random);
    std::vector<int> bannerBefore;
    for (int sentence = 1; sentence <= 64; ++sentence) {
        engine.TickerText.clear();
        ASSERT_TRUE(engine.AppendSentence());
        if (engine.TickerText.rfind(engine.BannerText, 0) == 0)
            bannerBefore.push_back(sentence);
        if (sentence == 30)
            engine.ResetTickerText(false);  // a reload does not restart the count
    }
    EXPECT_EQ(bannerBefore, (std::vector<int>{22, 43, 64}));
}

// Which word of each list the sentences used, from the sentence text (words are unique).
std::vector<int> PicksOfWho(TickerEngine& engine, const WordList& who, int sentences) {
    std::vector<int> picks;
    for (int i = 0; i < sentences; ++i) {
        engine.TickerText.clear();
        EXPECT_TRUE(engine.AppendSentence());
        const std::string& text = engine.TickerText;
        const std::size_t end = text.find("が、");
        const std::size_t start = text.rfind(engine.BannerText, 0) == 0 ? engine.BannerText.size() : 0;
        const auto it = std::find(who.begin(), who.end(), text.substr(start, end - start));
        picks.push_back(static_cast<int>(it - who.begin()));
    }
    return picks;
}

TEST(TickerEngine, LongListsAvoidTheLastTenPicks) {
    for (int n : {21, 25, 40}) {
        const WordList who = Numbered("w", n);
        WordData words = Lists(who, {"駅"}, {"歌った"});
        MsRandom random(12345);
        TickerEngine engine(words, random);
        const std::vector<int> picks = PicksOfWho(engine, who, 400);
        for (std::size_t k = 0; k < picks.size(); ++k) {
            for (std::size_t back = 1; back <= 10 && back <= k; ++back)
                ASSERT_NE(picks[k], picks[k - back]) << "n=" << n << " pick " << k;
            if (k >= 1 && k <= 4) {  // the zero entries after the first pick keep index 0 out
                ASSERT_NE(picks[k], 0) << "n=" << n << " pick " << k;
            }
        }
        EXPECT_EQ(engine.PickHistory[0].size(), 10u);
        EXPECT_EQ(engine.PickHistory[0][0], picks.back());
    }
}

TEST(TickerEngine, ShortListsMayRepeatAtOnce) {
    const WordList who = Numbered("w", 20);
    WordData words = Lists(who, {"駅"}, {"歌った"});
    MsRandom random(7);
    TickerEngine engine(words, random);
    const std::vector<int> picks = PicksOfWho(engine, who, 400);
    int immediateRepeats = 0;
    for (std::size_t k = 1; k < picks.size(); ++k)
        immediateRepeats += picks[k] == picks[k - 1];
    EXPECT_GT(immediateRepeats, 0);
    EXPECT_EQ(engine.PickHistory[0].size(), 10u);
}

TEST(TickerEngine, HistoryAfterTheFirstPick) {
    WordData words = Lists({"猫"}, {"駅"}, {"歌った"});
    MsRandom random;
    TickerEngine engine(words, random);
    ASSERT_TRUE(engine.AppendSentence());
    EXPECT_EQ(engine.PickHistory[1], (std::vector<int>{0, -1, -1, -1, -1, -1, 0, 0, 0, 0}));
}

TEST(TickerEngine, OnlyTheFirst32768WordsOfAHugeListAppear) {
    const WordList who = Numbered("w", 40000);
    WordData words = Lists(who, {"駅"}, {"歌った"});
    MsRandom random(99);
    TickerEngine engine(words, random);
    for (int pick : PicksOfWho(engine, who, 3000))
        ASSERT_LT(pick, 32768);
}

TEST(TickerEngine, ASentenceDueWithAnEmptyListStopsTheTicker) {
    WordData words = Lists({"猫"}, {}, {"歌った"});
    MsRandom random;
    TickerEngine engine(words, random);
    engine.TickerWidth = 8;
    engine.TickerText = "・・";
    EXPECT_EQ(engine.TickerStep(), TickerStepResult::Stopped);
    EXPECT_EQ(engine.TickerText, "・・");
    EXPECT_EQ(engine.SentenceCount, 0);
    EXPECT_EQ(engine.ComposeSentence(), "");

    words.List(WordCategory::Where).push_back("駅");  // a usable load: it goes on
    EXPECT_EQ(engine.TickerStep(), TickerStepResult::Appended);
}

// The draws in order, one per list, each taken modulo the list's length: with seed 1 the
// generator gives 41, 18467, 6334, 26500, 19169, 15724.
TEST(TickerEngine, DrawsWhoWhereWhatInThatOrder) {
    WordData words = Lists(Numbered("a", 3), Numbered("b", 5), Numbered("c", 7));
    MsRandom random(1);
    TickerEngine engine(words, random);
    EXPECT_EQ(engine.ComposeSentence(), "a2が、b2で、c6。");  // 41 % 3, 18467 % 5, 6334 % 7
    EXPECT_EQ(engine.ComposeSentence(), "a1が、b4で、c2。");  // 26500 % 3, 19169 % 5, 15724 % 7
}

TEST(TickerEngine, TheSameSeedGivesTheSameText) {
    WordData words = Lists(Numbered("a", 30), Numbered("b", 5), Numbered("c", 50));
    auto run = [&](std::uint32_t seed) {
        MsRandom random(seed);
        TickerEngine engine(words, random);
        engine.ResetTickerText(false);
        std::string all;
        for (int i = 0; i < 2000; ++i) {
            engine.TickerStep();
            all += engine.TickerText.substr(0, 4);
        }
        return all;
    };
    EXPECT_EQ(run(42), run(42));
    EXPECT_NE(run(42), run(43));
}

}  // namespace
}  // namespace kawaban
