// A saved configuration reloads to exactly the settings saved, whatever their size: random
// tables of up to 512 columns with long names, long variable lists and "in" lists of 1,000
// values, with every other setting drawn at random too.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "analysis_fixture.h"
#include "engine/analysis/config_file.h"
#include "engine/data/data_file.h"
#include "engine/data/transform.h"
#include "engine/helpers/text_helpers.h"
#include "support/temp_dir.h"

namespace vostrel::testing {
namespace {

class RandomSettings {
  public:
    explicit RandomSettings(unsigned seed) : rng_(seed) {}

    int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    // A name that starts with a letter (so that the name line is recognised), holds
    // punctuation, colons, UTF-8 and inner spaces, and can be long.
    std::string Name(int length) {
        static const std::vector<std::string> pieces = {"a", "Z", "q", "7",        "0",
                                                        "_", "-", ".", ":",        "(",
                                                        ")", "#", "/", "\xC2\xB5", "\xC3\xA9"};
        std::string name(1, static_cast<char>('A' + Between(0, 25)));
        while (static_cast<int>(name.size()) < length) {
            name +=
                pieces[static_cast<std::size_t>(Between(0, static_cast<int>(pieces.size()) - 1))];
            if (Chance(0.05) && static_cast<int>(name.size()) + 2 < length) name += " x";
        }
        return name;
    }

    // A number as a user types it: integers, decimals, negatives, exponents.
    std::string Number() {
        switch (Between(0, 3)) {
            case 0:
                return std::to_string(Between(-100000, 100000));
            case 1:
                return ShortestText(Between(-1000000, 1000000) / 1000.0);
            case 2:
                return std::to_string(Between(1, 9)) + "e" + std::to_string(Between(-5, 5));
            default:
                return "0." + std::to_string(Between(1, 999));
        }
    }
    std::string PositiveNumber() { return std::to_string(Between(1, 999)) + ".5"; }

    std::string List(int entries) {
        std::string list;
        for (int i = 0; i < entries; ++i) list += (i > 0 ? "," : "") + Number();
        return list;
    }

    // k distinct columns from 1..columns, ascending.
    std::vector<int> Columns(int columns, int k) {
        std::vector<int> all(static_cast<std::size_t>(columns));
        for (int c = 1; c <= columns; ++c) all[static_cast<std::size_t>(c - 1)] = c;
        std::shuffle(all.begin(), all.end(), rng_);
        all.resize(static_cast<std::size_t>(k));
        std::sort(all.begin(), all.end());
        return all;
    }

  private:
    std::mt19937 rng_;
};

class ConfigRoundTrip : public AnalysisTest {
  protected:
    // A table of the given width with random names, saved so that the configuration can
    // name it, and settings for it drawn at random.
    void RandomConfiguration(RandomSettings& random, int columns) {
        std::vector<std::string> names;
        std::vector<std::string> row;
        for (int c = 1; c <= columns; ++c) {
            names.push_back(random.Name(random.Between(1, 60)));
            row.push_back(std::to_string(c));
        }
        Table(names, {row, row});
        ASSERT_TRUE(SaveFile(ws, dir.File("data.dat"), true, true, false));
        ws.analysis.Settings.RebuildVariableLists(ws.data, true);

        const std::vector<int> chosen = random.Columns(columns, random.Between(2, columns));
        const int streams = std::min(random.Between(0, 3), static_cast<int>(chosen.size()) - 1);
        Streams(std::vector<int>(chosen.begin(), chosen.begin() + streams));
        Measures(std::vector<int>(chosen.begin() + streams, chosen.end()));

        AnalysisSettings& s = ws.analysis.Settings;
        s.Multiple = static_cast<MultipleMeasures>(random.Between(0, 2));
        s.ApplyListRules();
        s.SetTitle(random.Name(random.Between(1, 80)));
        s.SetDecimals(random.Between(0, 9));
        for (UserSetSD* box : {&s.Measurement, &s.Potential, &s.Stream}) {
            if (random.Chance(0.5)) {
                const std::string text = random.PositiveNumber();
                box->Set(text, std::stod(text));
            }
        }
        for (int k = 1; k <= 2; ++k) {
            const std::string text = random.Number();
            ws.rules.SetMissingRule(k, random.Between(0, 5), text, std::stod(text));
        }
        // Condition 1 holds an "in" or "Not in" list of 1,000 values.
        const int column1 = random.Between(1, columns);
        ws.rules.SetProcessIfRule(1, column1, random.Between(7, 8), names[column1 - 1], 0,
                                  random.List(1000));
        const int column2 = random.Between(1, columns);
        const int sign2 = random.Between(1, 8);
        const std::string value2 =
            sign2 >= 7 ? random.List(random.Between(1, 50)) : random.Number();
        ws.rules.SetProcessIfRule(random.Between(2, 3), column2, sign2, names[column2 - 1],
                                  sign2 >= 7 ? 0 : std::stod(value2), value2);
        const std::string a = random.PositiveNumber(), b = random.Number(),
                          c = random.PositiveNumber();
        SetTransform(ws.transform, random.Between(1, TransformKindCount - 1), a, b, c, std::stod(a),
                     std::stod(b), std::stod(c));
    }

    TempDir dir{"config-round-trip"};
};

TEST_F(ConfigRoundTrip, RandomLargeConfigurationsReloadExactly) {
    for (unsigned seed = 1; seed <= 6; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        RandomSettings random(seed);
        // The widest table the program holds, then random widths.
        RandomConfiguration(random, seed == 1 ? MaxColumns : random.Between(1, MaxColumns));
        if (HasFatalFailure()) return;
        const std::string config = dir.File("run.vos");
        ASSERT_TRUE(SaveConfig(ws, config));

        ScriptedUserInterface readerUi;
        MemorySettingsStore readerSettings;
        Workspace reader(readerUi, readerSettings);
        ASSERT_TRUE(LoadConfig(reader, config)) << ::testing::PrintToString(readerUi.errors);
        EXPECT_TRUE(readerUi.errors.empty());
        EXPECT_EQ(ConfigFileText(reader), ConfigFileText(ws));
        const ProcessIfRec& saved = ws.rules.ProcessIf;
        const ProcessIfRec& read = reader.rules.ProcessIf;
        EXPECT_EQ(read.Condition1.LA.size(), 1000u);
        EXPECT_EQ(read.Condition1.LA, saved.Condition1.LA);
        EXPECT_EQ(read.Condition2.LA, saved.Condition2.LA);
        EXPECT_EQ(read.Condition2.X, saved.Condition2.X);
        EXPECT_EQ(read.AndOr, saved.AndOr);
        for (int c = 1; c <= ws.table.MaxCol(); ++c)
            ASSERT_EQ(reader.table.ColumnName(c), ws.table.ColumnName(c)) << "column " << c;
    }
}

}  // namespace
}  // namespace vostrel::testing
