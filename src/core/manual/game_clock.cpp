#include "manual/game_clock.h"

#include "base/text.h"
#include "files/safe_file.h"
#include "manual/hint.h"
#include "manual/saved_game.h"

#include <filesystem>
#include <fstream>
#include <map>

namespace vextor {

namespace {

// "KEY SECONDS" per line, one line per puzzle.
constexpr const char* kBestTimesFile = "best-times.txt";

std::string bestTimesFile(const AppState& st) {
    return st.savefolder.empty() ? std::string()
                                 : (std::filesystem::path(st.savefolder) / kBestTimesFile).string();
}

// The best times kept; lines that are not "KEY SECONDS" are skipped.
std::map<std::string, long long> readBestTimes(const std::string& file) {
    std::map<std::string, long long> times;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (times.size() < 100000 && std::getline(in, line)) {
        if (line.ends_with('\r'))
            line.pop_back();
        const std::vector<std::string> words = split(line, ' ');
        if (words.size() != 2 || words[0].size() != 16 || words[1].empty() || words[1].size() > 9 ||
            words[1].find_first_not_of("0123456789") != std::string::npos)
            continue;
        times[words[0]] = std::stoll(words[1]);
    }
    return times;
}

void writeBestTimes(const std::string& file, const std::map<std::string, long long>& times) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(file).parent_path(), ec);
    ReplacingWriter out(file);
    for (const auto& [key, seconds] : times)
        out.line(key + " " + std::to_string(seconds));
    out.commit(); // a best time that cannot be kept is not worth a message
}

} // namespace

bool TickGameClock(AppState& st) {
    GameProgress& g = st.game;
    if (!g.timerOn || !st.manualmode || g.finished || st.autosolving)
        return false;
    ++g.seconds;
    return true;
}

std::string ClockText(long long seconds) {
    const long long h = seconds / 3600, m = seconds / 60 % 60, s = seconds % 60;
    auto two = [](long long v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return h > 0 ? std::to_string(h) + ":" + two(m) + ":" + two(s)
                 : std::to_string(m) + ":" + two(s);
}

std::string TimerText(const AppState& st) {
    return st.game.timerOn && st.manualmode ? ClockText(st.game.seconds) : std::string();
}

void SetTimer(AppState& st, bool on) {
    st.game.timerOn = on;
}

void ResetGameClock(AppState& st) {
    st.game.seconds = 0;
    st.game.finished = false;
}

long long BestTime(const AppState& st) {
    const std::string file = bestTimesFile(st);
    if (file.empty())
        return -1;
    const auto times = readBestTimes(file);
    const auto at = times.find(PuzzleKey(st));
    return at == times.end() ? -1 : at->second;
}

void FinishGame(AppState& st) {
    GameProgress& g = st.game;
    if (!st.manualmode || g.finished)
        return;
    g.finished = true;
    ForgetSavedGame(st);
    if (!g.timerOn)
        return;
    long long best = g.seconds;
    if (const std::string file = bestTimesFile(st); !file.empty()) {
        auto times = readBestTimes(file);
        const std::string key = PuzzleKey(st);
        const auto at = times.find(key);
        if (at != times.end() && at->second <= best) {
            best = at->second;
        } else {
            times[key] = best;
            writeBestTimes(file, times);
        }
    }
    st.texts.status = "Solved in " + ClockText(g.seconds) + " (best " + ClockText(best) + ")";
    ClearHint(st); // the hint line would stand in its place
}

} // namespace vextor
