// Writes an invented card database in the card data format (CP932, CR LF).
//   gen_zemlo_dat OUTPUT [UNITS MISSIONS CHARACTERS]
// Without counts it writes the bundled sample (1,500 units, 300 missions, 400 characters);
// "max" writes the largest database the format allows (32,767 of each kind).
// The output depends only on the counts, so every build writes the same bytes.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "platform/code_page.h"

namespace {

using zemlo::FromUtf8;

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    uint32_t Next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<uint32_t>(state_ >> 33);
    }
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

private:
    uint64_t state_;
};

const std::vector<std::string> kSyllables = {
    "ガ", "ル", "ド", "セ", "リ", "オ", "ヴァ", "ン", "ト", "ラ", "ム", "ザ", "ク", "ネ",
    "ス", "カ", "イ", "ロ", "ベ", "ツ", "フィ", "ノ", "メ", "ジ", "ハ", "ユ", "テ", "ポ"};

// The fifteen affiliations the search panel compares, plus unaffiliated and unknown ones.
const std::vector<std::string> kTeams = {"地球連邦",
                                         "エゥーゴ",
                                         "ティターンズ",
                                         "ジオン公国",
                                         "デラーズフリート",
                                         "ネオ・ジオン",
                                         "コロニー国家連合",
                                         "Ｗ連合勢力",
                                         "ＮＥＦ",
                                         "ムーンレィス",
                                         "リガ・ミリティア",
                                         "ザンスカール帝国",
                                         "クロスボーン・バンガード",
                                         "ＤＧ軍団",
                                         "ＯＺ",
                                         "（無所属）",
                                         "（傭兵団）",
                                         "辺境自警団",
                                         "交易同盟"};

const std::vector<std::string> kTerrains = {
    "",     "宇",   "陸",   "空",     "海",     "宇陸",   "宇空",   "宇海",
    "陸空", "陸海", "空海", "宇陸空", "宇陸海", "宇空海", "陸空海", "宇陸空海"};

std::string Word(Random& r, int minLen, int maxLen) {
    std::string w;
    int n = minLen + r.Below(maxLen - minLen + 1);
    for (int i = 0; i < n; ++i) w += kSyllables[r.Below(static_cast<int>(kSyllables.size()))];
    return w;
}

std::vector<std::string> Pool(Random& r, int n, const std::string& suffix) {
    std::vector<std::string> pool;
    for (int i = 0; i < n; ++i) pool.push_back(Word(r, 2, 3) + suffix);
    return pool;
}

const std::string& Pick(Random& r, const std::vector<std::string>& v) {
    return v[r.Below(static_cast<int>(v.size()))];
}

std::string Number(Random& r, int lo, int hi, int dashPercent) {
    if (r.Chance(dashPercent)) return "－";
    return std::to_string(lo + r.Below(hi - lo + 1));
}

std::string FullWidthDigits(int v) {
    std::string out;
    for (char c : std::to_string(v))
        out += std::string("０１２３４５６７８９").substr((c - '0') * 3, 3);
    return out;
}

std::string CardNo(const char* prefix, int i, int sixCharLimit) {
    char buf[32];
    if (i < sixCharLimit && i < 10000) {
        std::snprintf(buf, sizeof buf, "%s%04d", prefix, i);
    } else {
        std::snprintf(buf, sizeof buf, "%sX%05d", prefix, i);  // eight characters
    }
    return buf;
}

std::string Code(Random& r) {
    static const char* letters = "ABCDEFGHJKLMNPQRSTUVWXYZ";
    std::string code;
    for (int i = 0; i < 2; ++i) code += letters[r.Below(24)];
    code += "-" + std::to_string(100 + r.Below(900));
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 3 && argc != 5) {
        std::fprintf(stderr, "usage: %s OUTPUT [max | UNITS MISSIONS CHARACTERS]\n", argv[0]);
        return 2;
    }
    int units = 1500, missions = 300, characters = 400;
    if (argc == 3) units = missions = characters = 32767;
    if (argc == 5) {
        units = std::stoi(argv[2]);
        missions = std::stoi(argv[3]);
        characters = std::stoi(argv[4]);
    }

    Random r(20261207);
    const auto devLines = Pool(r, 24, "系");
    const auto unitLines = Pool(r, 16, "型");
    const auto designConds = Pool(r, 12, "計画");
    const auto abilities = Pool(r, 20, "");
    const auto functions = Pool(r, 18, "機構");
    const auto weapons = Pool(r, 30, "砲");
    const auto blades = Pool(r, 20, "刃");
    const std::vector<std::string> timings = {"準備フェイズ", "戦闘フェイズ", "戦闘フェイズ後",
                                              "終了フェイズ", "常時",         "任意"};
    const std::vector<std::string> effects = {
        "自軍ユニット１体のＨＰを２回復する。", "敵軍ユニット１体は次のターン行動できない。",
        "カードを１枚引く。", "この戦闘の間、遠距離攻撃力＋１。", "山札の上から３枚を見る。"};

    std::string out;
    auto line = [&out](const std::string& s) { out += s + "\r\n"; };
    line("; ZEMLOSAGA card data (invented sample)");
    line("");

    const int sixLimit = (units <= 2000) ? units - 100 : 10000;
    for (int i = 1; i <= units; ++i) {
        line("[" + CardNo("ZM", i, sixLimit) + "]");
        std::string name = Word(r, 2, 4) + (r.Chance(20) ? "改" : "");
        line("形式番号：" + std::string("ZX-") + std::to_string(100 + i % 900));
        line("名称：" + name);
        line("所属：" + kTeams[i % kTeams.size()]);
        line("ロールアウト：" + Number(r, 0, 9, 3));
        line("地形適正：" + kTerrains[(i * 7) % kTerrains.size()]);
        line("開発系統１：" + (r.Chance(15) ? std::string("－") : Pick(r, devLines)));
        line("開発系統２：" + (r.Chance(55) ? std::string("－") : Pick(r, devLines)));
        line("開発系統３：" + (r.Chance(80) ? std::string("－") : Pick(r, devLines)));
        line("ユニット系統１：" + (r.Chance(10) ? std::string("－") : Pick(r, unitLines)));
        line("ユニット系統２：" + (r.Chance(60) ? std::string("－") : Pick(r, unitLines)));
        line("設計条件１：" + (r.Chance(30) ? std::string("－") : Pick(r, designConds)));
        line("設計条件２：" + (r.Chance(70) ? std::string("－") : Pick(r, designConds)));
        line("近距離武器：" + Pick(r, blades));
        line("近距離：" + Number(r, 0, 8, 4));
        std::string far = Pick(r, weapons);
        if (r.Chance(25))
            far += "[Ｂ]";
        else if (r.Chance(3))
            far += "[B]";
        else if (r.Chance(3))
            far = "[Ｂ]" + far;
        line("遠距離武器：" + far);
        line("遠距離：" + Number(r, 0, 8, 4));
        line("ＨＰ：" + Number(r, 1, 12, 2));
        line("特殊能力１：" +
             (r.Chance(40) ? std::string("－") : Pick(r, abilities) + "：" + Pick(r, effects)));
        line("特殊能力２：" +
             (r.Chance(75) ? std::string("－")
                           : Pick(r, abilities) + (r.Chance(90) ? "：" : "") + Pick(r, effects)));
        line("特殊機能１：" +
             (r.Chance(50) ? std::string("－") : Pick(r, functions) + "：" + Pick(r, effects)));
        line("特殊機能２：" +
             (r.Chance(85) ? std::string("－") : Pick(r, functions) + "：" + Pick(r, effects)));
        line("補足１：" + (r.Chance(70) ? std::string("－") : "量産型の試験機。"));
        line("補足２：" + (r.Chance(90) ? std::string("－") : "指揮官機仕様。"));
        line("テキスト：" + (r.Chance(50) ? std::string("－") : Pick(r, effects)));
        line("コード：" + (r.Chance(10) ? std::string("－") : Code(r)));
        if (i % 50 == 0) line("");
    }
    line("");
    const int missionSix = (missions <= 2000) ? missions - 20 : 10000;
    for (int i = 1; i <= missions; ++i) {
        line("[" + CardNo("MI", i, missionSix) + "]");
        line("名称：" + Word(r, 2, 3) + "作戦");
        line("獲得戦果：" + Number(r, 1, 6, 2));
        line("必要ユニット数：" +
             (r.Chance(3) ? std::string("－") : FullWidthDigits(1 + r.Below(5))));
        line("地形適正：" + kTerrains[(i * 5) % kTerrains.size()]);
        line("勝利条件：" + std::string("自軍ユニットが") + FullWidthDigits(1 + r.Below(3)) +
             "体以上生き残る。");
        line("効果：" + Pick(r, effects));
        line("テキスト：" + (r.Chance(60) ? std::string("－") : "辺境宙域での作戦。"));
    }
    line("");
    const int charSix = (characters <= 2000) ? characters - 30 : 10000;
    for (int i = 1; i <= characters; ++i) {
        line("[" + CardNo("CH", i, charSix) + "]");
        line("名称：" + Word(r, 2, 3) + "・" + Word(r, 2, 4));
        line("所属：" + kTeams[(i * 3) % kTeams.size()]);
        line("損失戦果：" + Number(r, 0, 5, 3));
        line("使用タイミング：" + Pick(r, timings) + "：" + (r.Chance(50) ? "自軍" : "敵軍"));
        line("使用条件：" + std::string("自軍に") + Pick(r, unitLines) + "がいる。");
        line("効果：" + Pick(r, effects));
        line("テキスト：" + (r.Chance(60) ? std::string("－") : "歴戦の操縦者。"));
        line("コード：" + (r.Chance(10) ? std::string("－") : Code(r)));
    }

    std::ofstream file(argv[1], std::ios::binary);
    const std::string bytes = zemlo::EncodeCp932(FromUtf8(out));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file ? 0 : 1;
}
