// The batch program's pictures in English: only with --english-pictures, and
// otherwise exactly the Japanese pictures, whatever language its messages speak.
// Tables stay as they are in every language.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/wait.h>

#include "app/batch_program.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace tremblo {
namespace {

using testing::ReadWholeFile;
using testing::SamplePath;
using testing::TempFolder;

using testing::RunProgram;

TEST(BatchLanguage, PicturesTurnEnglishOnlyWhenAsked) {
    TempFolder folder;
    const char* const languages[][2] = {
        {"ja", "--lang ja"}, {"en", "--lang en"}, {"english-pictures", "--lang en --english-pictures"}};
    for (const auto& [name, options] : languages) {
        const std::string out = folder / name;
        const std::string arguments = std::string(options) + " --data '" + SamplePath("data/DATA") + "' --out '" +
                                      out + "' --fas --target bsl-safety --target bsl-damage --superpose '" + out +
                                      "/super.png' '" + SamplePath("samples/knet/AIC0012411051012.NS") + "'";
        ASSERT_EQ(RunProgram(arguments), 0) << options;
    }
    const struct {
        const char* file;
        bool picture;
    } files[] = {
        {"AIC001-202411051012rsp.png", true},     {"AIC001-202411051012_NS_SdSa.png", true},
        {"AIC001-202411051012fas.png", true},     {"super.png", true},
        {"AIC001-202411051012.png", true},        {"AIC001-202411051012rsp.csv", false},
        {"AIC001-202411051012fas.csv", false},    {"AIC001-202411051012.csv", false},
    };
    for (const auto& f : files) {
        const std::string japanese = ReadWholeFile(folder / (std::string("ja/") + f.file));
        ASSERT_FALSE(japanese.empty()) << f.file;
        EXPECT_TRUE(ReadWholeFile(folder / (std::string("en/") + f.file)) == japanese) << f.file << " changed with --lang en";
        EXPECT_EQ(ReadWholeFile(folder / (std::string("english-pictures/") + f.file)) != japanese, f.picture)
            << f.file << (f.picture ? " kept its Japanese" : " changed with --english-pictures");
    }
}

}  // namespace
}  // namespace tremblo
