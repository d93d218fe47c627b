// kawaban-cli: a command-line tool over the program's own core, for word-list authors and
// for tests. It reads word files exactly as the program loads them and composes news and
// ticker text with the same generator. Its output is UTF-8 (or raw Shift-JIS with --raw);
// messages are in English and Japanese. The literals here are u8"" so that they stay UTF-8
// although the project compiles ordinary literals to code page 932.
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "app/ms_random.h"
#include "app/ticker.h"
#include "text/cp932_text.h"
#include "text/file_io.h"
#include "text/sjis.h"
#include "words/word_data.h"

namespace kawaban {
namespace {

constexpr int kExitOk = 0;
constexpr int kExitFindings = 1;
constexpr int kExitError = 2;

std::string U8(std::u8string_view s) {
    return std::string(s.begin(), s.end());
}

void Out(std::string_view s) {
    std::fwrite(s.data(), 1, s.size(), stdout);
}

void Err(std::string_view s) {
    std::fwrite(s.data(), 1, s.size(), stderr);
}

// A path or word from the command line or a file, shown in UTF-8.
std::string Show(std::string_view sjis) {
    return Cp932ToUtf8(sjis);
}

// The start of an over-long word, cut at a character boundary, and its length.
std::string ShowLong(std::string_view sjis) {
    constexpr std::size_t kShown = 40;
    std::size_t end = 0;
    while (end < sjis.size() && end + CharLength(sjis, end) <= kShown)
        end += CharLength(sjis, end);
    return std::to_string(sjis.size()) + " bytes: " + Show(sjis.substr(0, end)) + (end < sjis.size() ? "..." : "");
}

int Fail(std::u8string_view english, std::u8string_view japanese, std::string_view detail = {}) {
    std::string line = U8(u8"kawaban-cli: ") + U8(english);
    if (!detail.empty())
        line += U8(u8": ") + std::string(detail);
    line += U8(u8"\n  ") + U8(japanese) + U8(u8"\n");
    Err(line);
    return kExitError;
}

int UsageError(std::string_view detail, std::u8string_view help) {
    Fail(u8"bad arguments", u8"引数が正しくありません", detail);
    Err(U8(help));
    return kExitError;
}

const char8_t kMainHelp[] =
    u8"usage: kawaban-cli COMMAND ...\n"
    u8"  check FILE                 report what loading FILE would find / 単語ファイルを検査する\n"
    u8"  normalize IN OUT           load IN and save it as OUT / 読み込んで保存し直す\n"
    u8"  import IN.txt OUT.dat      UTF-8 text to Shift-JIS word file / UTF-8 から単語ファイルへ\n"
    u8"  export IN.dat OUT.txt      Shift-JIS word file to UTF-8 text / 単語ファイルから UTF-8 へ\n"
    u8"  news [--seed N] [--count K] FILE\n"
    u8"                             K sentences, one per line / ニュース文を K 行\n"
    u8"  ticker --seed N --width W [--saver] --ticks K [--raw] FILE\n"
    u8"                             the ticker text after each of K steps / 各ステップ後の表示文字列\n"
    u8"Run 'kawaban-cli COMMAND --help' for one command.\n";

const char8_t kCheckHelp[] =
    u8"usage: kawaban-cli check FILE\n"
    u8"Reads FILE as the program loads it and reports, per list: words read, duplicates dropped\n"
    u8"(equal ignoring case), words the word editor would refuse (not all full-width), words over\n"
    u8"100 bytes, and count problems (missing, not a number, negative, more than the words left).\n"
    u8"読み込み時と同じ方法で FILE を読み、一覧ごとの問題を報告します。\n"
    u8"Exit status: 0 nothing found, 1 findings, 2 FILE cannot be read.\n";

const char8_t kNormalizeHelp[] =
    u8"usage: kawaban-cli normalize IN OUT\n"
    u8"Loads IN as the program does (duplicates dropped) and saves it as OUT in the program's layout.\n"
    u8"IN をプログラムと同じく読み込み、OUT に保存します。\n";

const char8_t kImportHelp[] =
    u8"usage: kawaban-cli import IN.txt OUT.dat\n"
    u8"Converts a UTF-8 text in the word file layout into a Shift-JIS word file. Characters that\n"
    u8"Shift-JIS cannot hold are reported with their line, and nothing is written.\n"
    u8"UTF-8 のテキストを Shift-JIS の単語ファイルに変換します。\n";

const char8_t kExportHelp[] =
    u8"usage: kawaban-cli export IN.dat OUT.txt\n"
    u8"Loads a word file as the program does and writes it as UTF-8 text in the same layout.\n"
    u8"Bytes that are no Shift-JIS character are reported with their line, and nothing is written.\n"
    u8"単語ファイルを UTF-8 のテキストに変換します。\n";

const char8_t kNewsHelp[] =
    u8"usage: kawaban-cli news [--seed N] [--count K] FILE\n"
    u8"Prints K sentences (default 10), one per line in UTF-8, composed as the ticker composes them.\n"
    u8"Without --seed the generator is seeded from the clock, as the program does.\n"
    u8"ティッカーと同じ方法でニュース文を作って表示します。\n";

const char8_t kTickerHelp[] =
    u8"usage: kawaban-cli ticker --seed N --width W [--saver] --ticks K [--raw] FILE\n"
    u8"Loads FILE, resets the ticker text (the saver opening with --saver), then runs K ticker\n"
    u8"steps and prints the ticker text after each, in UTF-8 (U+FFFD for a byte that cannot be\n"
    u8"decoded) or, with --raw, as its exact Shift-JIS bytes.\n"
    u8"ティッカーを K ステップ動かし、各ステップ後の表示文字列を表示します。\n";

bool IsHelp(const std::vector<std::string>& args) {
    for (const std::string& a : args) {
        if (a == "--help" || a == "-h")
            return true;
    }
    return false;
}

bool ParseNumber(const std::string& text, long long min, long long max, long long& value) {
    // Digits with an optional minus sign, nothing else (strtoll alone would skip blanks).
    if (text.empty() || !(std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-'))
        return false;
    char* end = nullptr;
    errno = 0;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < min || v > max)
        return false;
    value = v;
    return true;
}

bool LoadOrFail(WordData& words, const std::string& path, int& status, WordFileReport* report = nullptr) {
    if (ReadWordFile(words, path, false, PlatformCaseKey(), report))
        return true;
    status = Fail(u8"cannot read the word file", u8"単語ファイルを読み込めません", Show(path));
    return false;
}

const char8_t* const kListNames[kWordCategoryCount] = {u8"who 誰が", u8"where どこで", u8"did-what 何をした"};

int Check(const std::vector<std::string>& args) {
    if (IsHelp(args))
        return Out(U8(kCheckHelp)), kExitOk;
    if (args.size() != 1)
        return UsageError("check takes one FILE", kCheckHelp);
    WordData words;
    WordFileReport report;
    int status = kExitOk;
    if (!LoadOrFail(words, args[0], status, &report))
        return status;
    bool findings = false;
    std::string out;
    auto finding = [&](const std::string& line) {
        out += "  " + line + "\n";
        findings = true;
    };
    for (int c = 0; c < kWordCategoryCount; ++c) {
        const WordSectionReport& s = report.sections[c];
        out += U8(kListNames[c]) + ": " + std::to_string(words.Lists[c].size()) + U8(u8" words kept / 単語 ") +
               std::to_string(words.Lists[c].size()) + U8(u8" 件 (") + std::to_string(s.wordsRead) +
               U8(u8" read / 読み込み)\n");
        if (s.countMissing)
            finding(U8(u8"count missing: the file ends here / 件数がありません（ファイルの終わり）"));
        if (s.countInvalid)
            finding(U8(u8"count is not a number, read as 0 / 件数が数値ではありません（0 として読みます）"));
        if (s.count < 0)
            finding(U8(u8"negative count ") + std::to_string(s.count) + U8(u8", no words read / 件数が負です"));
        if (s.endOfFile)
            finding(U8(u8"count ") + std::to_string(s.count) + U8(u8" but the file ended after ") +
                    std::to_string(s.wordsRead) + U8(u8" words / 件数より単語が足りません"));
        if (s.duplicates > 0)
            finding(std::to_string(s.duplicates) + U8(u8" duplicates dropped (equal ignoring case) / 重複 ") +
                    std::to_string(s.duplicates) + U8(u8" 件を除きました"));
        for (const std::string& w : s.notFullWidth)
            finding(U8(u8"not all full-width, the editor would refuse it / 全角でない単語: ") + Show(w));
        for (const std::string& w : s.tooLong)
            finding(U8(u8"longer than 100 bytes / 100 バイトを超える単語: ") + ShowLong(w));
        for (const std::string& w : s.skipped)
            finding(U8(u8"longer than 1024 bytes, skipped / 1024 バイトを超えるため読み飛ばした語: ") + ShowLong(w));
    }
    if (report.trailingTokens > 0) {
        out += U8(u8"after the last list / 最後の一覧の後:\n");
        finding(std::to_string(report.trailingTokens) + U8(u8" tokens ignored / 個の語を無視しました"));
    }
    out += findings ? U8(u8"findings / 問題あり\n") : U8(u8"ok / 問題なし\n");
    Out(out);
    return findings ? kExitFindings : kExitOk;
}

int Normalize(const std::vector<std::string>& args) {
    if (IsHelp(args))
        return Out(U8(kNormalizeHelp)), kExitOk;
    if (args.size() != 2)
        return UsageError("normalize takes IN and OUT", kNormalizeHelp);
    WordData words;
    int status = kExitOk;
    if (!LoadOrFail(words, args[0], status))
        return status;
    if (!WriteWordFile(words, args[1]))
        return Fail(u8"cannot write the word file", u8"単語ファイルを書き込めません", Show(args[1]));
    return kExitOk;
}

std::string Hex(char32_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

int Import(const std::vector<std::string>& args) {
    if (IsHelp(args))
        return Out(U8(kImportHelp)), kExitOk;
    if (args.size() != 2)
        return UsageError("import takes IN.txt and OUT.dat", kImportHelp);
    std::string text;
    if (!ReadWholeFile(args[0], text, kMaxWordFileBytes))
        return Fail(u8"cannot read the text file", u8"テキストファイルを読み込めません", Show(args[0]));
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        text.erase(0, 3);  // a UTF-8 byte-order mark is no part of the words
    // Convert line by line so that every line with a problem can be named.
    std::string sjis;
    std::string problems;
    std::size_t lineNo = 0;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        ++lineNo;
        std::string converted;
        Utf8Error error;
        if (Utf8ToCp932(std::string_view(text).substr(start, end - start), converted, error)) {
            sjis += converted;
        } else if (error.codePoint == 0) {
            problems += U8(u8"line ") + std::to_string(lineNo) + U8(u8": not valid UTF-8 / 行 ") +
                        std::to_string(lineNo) + U8(u8": UTF-8 として正しくありません\n");
        } else {
            const std::size_t at = start + error.offset;
            std::size_t length = 1;
            while (at + length < text.size() && (static_cast<unsigned char>(text[at + length]) & 0xC0) == 0x80)
                ++length;
            problems += U8(u8"line ") + std::to_string(lineNo) + ": " + Hex(error.codePoint) + " '" +
                        text.substr(at, length) + "' " +
                        U8(u8"cannot be written in Shift-JIS / Shift-JIS にない文字です\n");
        }
        start = end;
    }
    if (!problems.empty()) {
        Err(problems);
        return Fail(u8"nothing written", u8"何も書き込みませんでした", Show(args[1]));
    }
    WordData words;
    if (!ReadWordText(words, sjis, false))
        return Fail(u8"out of memory", u8"メモリが足りません", Show(args[0]));
    if (!WriteWordFile(words, args[1]))
        return Fail(u8"cannot write the word file", u8"単語ファイルを書き込めません", Show(args[1]));
    return kExitOk;
}

int Export(const std::vector<std::string>& args) {
    if (IsHelp(args))
        return Out(U8(kExportHelp)), kExitOk;
    if (args.size() != 2)
        return UsageError("export takes IN.dat and OUT.txt", kExportHelp);
    WordData words;
    int status = kExitOk;
    if (!LoadOrFail(words, args[0], status))
        return status;
    const std::string sjis = FormatWordFile(words);
    const std::string utf8 = Cp932ToUtf8(sjis);
    // A byte that is no Shift-JIS character turned into U+FFFD; find its line and refuse.
    std::string problems;
    std::size_t lineNo = 0;
    for (std::size_t start = 0; start < sjis.size();) {
        std::size_t end = sjis.find('\n', start);
        end = end == std::string::npos ? sjis.size() : end + 1;
        ++lineNo;
        const std::string_view line = std::string_view(sjis).substr(start, end - start);
        std::size_t undecodable = 0;
        Cp932ToUtf8(line, &undecodable);
        if (undecodable > 0)
            problems += U8(u8"line ") + std::to_string(lineNo) + U8(u8": bytes that are no Shift-JIS character / 行 ") +
                        std::to_string(lineNo) + U8(u8": Shift-JIS として読めないバイトがあります\n");
        start = end;
    }
    if (!problems.empty()) {
        Err(problems);
        return Fail(u8"nothing written", u8"何も書き込みませんでした", Show(args[1]));
    }
    if (!WriteFileAtomically(args[1], utf8))
        return Fail(u8"cannot write the text file", u8"テキストファイルを書き込めません", Show(args[1]));
    return kExitOk;
}

// Options of news and ticker: "--name value" pairs, flags, and one FILE.
struct Options {
    std::string file;
    long long seed = -1;
    long long count = 10;
    long long width = -1;
    long long ticks = -1;
    bool saver = false;
    bool raw = false;
};

bool ParseOptions(const std::vector<std::string>& args, bool ticker, Options& o, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](long long min, long long max, long long& into) {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            if (!ParseNumber(args[++i], min, max, into)) {
                error = a + " takes a whole number from " + std::to_string(min) + " to " + std::to_string(max);
                return false;
            }
            return true;
        };
        if (a == "--seed") {
            if (!value(0, 0xFFFFFFFFLL, o.seed))
                return false;
        } else if (a == "--count" && !ticker) {
            if (!value(0, 100000000, o.count))
                return false;
        } else if (a == "--width" && ticker) {
            if (!value(0, 100000, o.width))
                return false;
        } else if (a == "--ticks" && ticker) {
            if (!value(0, 100000000, o.ticks))
                return false;
        } else if (a == "--saver" && ticker) {
            o.saver = true;
        } else if (a == "--raw" && ticker) {
            o.raw = true;
        } else if (a.size() > 1 && a[0] == '-') {
            error = "unknown option " + a;
            return false;
        } else if (o.file.empty()) {
            o.file = a;
        } else {
            error = "more than one FILE";
            return false;
        }
    }
    if (o.file.empty()) {
        error = "FILE is missing";
        return false;
    }
    if (ticker && (o.seed < 0 || o.width < 0 || o.ticks < 0)) {
        error = "--seed, --width and --ticks are required";
        return false;
    }
    return true;
}

int News(const std::vector<std::string>& args) {
    if (IsHelp(args))
        return Out(U8(kNewsHelp)), kExitOk;
    Options o;
    std::string error;
    if (!ParseOptions(args, false, o, error))
        return UsageError(error, kNewsHelp);
    WordData words;
    int status = kExitOk;
    if (!LoadOrFail(words, o.file, status))
        return status;
    if (!words.AllListsNonEmpty())
        return Fail(u8"a word list is empty", u8"空の単語一覧があります", Show(o.file));
    MsRandom random(o.seed >= 0 ? static_cast<std::uint32_t>(o.seed) : static_cast<std::uint32_t>(std::time(nullptr)));
    TickerEngine engine(words, random);
    std::string out;
    for (long long i = 0; i < o.count; ++i) {
        out += Cp932ToUtf8(engine.ComposeSentence());
        out += '\n';
        if (out.size() > (1 << 16)) {
            Out(out);
            out.clear();
        }
    }
    Out(out);
    return kExitOk;
}

int Ticker(const std::vector<std::string>& args) {
    if (IsHelp(args))
        return Out(U8(kTickerHelp)), kExitOk;
    Options o;
    std::string error;
    if (!ParseOptions(args, true, o, error))
        return UsageError(error, kTickerHelp);
    WordData words;
    int status = kExitOk;
    if (!LoadOrFail(words, o.file, status))
        return status;
    MsRandom random(static_cast<std::uint32_t>(o.seed));
    TickerEngine engine(words, random);
    engine.TickerWidth = static_cast<int>(o.width);
    engine.ResetTickerText(o.saver);
    for (long long i = 0; i < o.ticks; ++i) {
        engine.TickerStep();
        Out(o.raw ? engine.TickerText : Cp932ToUtf8(engine.TickerText));
        Out("\n");
    }
    return kExitOk;
}

int Run(const std::vector<std::string>& args) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        Out(U8(kMainHelp));
        return args.empty() ? kExitError : kExitOk;
    }
    const std::string& command = args[0];
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (command == "check")
        return Check(rest);
    if (command == "normalize")
        return Normalize(rest);
    if (command == "import")
        return Import(rest);
    if (command == "export")
        return Export(rest);
    if (command == "news")
        return News(rest);
    if (command == "ticker")
        return Ticker(rest);
    return UsageError("unknown command " + Show(command), kMainHelp);
}

}  // namespace
}  // namespace kawaban

int main(int argc, char** argv) {
#ifdef _WIN32
    // Exact bytes on every build: no LF -> CR LF translation on the standard streams.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
#endif
    std::vector<std::string> args(argv + 1, argv + argc);
    const int status = kawaban::Run(args);
    if (std::fflush(stdout) != 0)
        return 2;
    return status;
}
