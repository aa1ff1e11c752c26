// SPDX-License-Identifier: MIT
// Runs the built zirev1-calc as a user would, through a shell, and checks what it prints.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct CalcRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string quoted(const std::string& word) {
    std::string result = "'";
    for (const char ch : word) {
        result += ch == '\'' ? std::string("'\\''") : std::string(1, ch);
    }
    return result + "'";
}

// Runs "env... zirev1-calc args..." with the given input; locale "C" unless told otherwise.
CalcRun runCalc(const std::string& args, const std::string& input = "",
                const std::string& locale = "C") {
    const auto dir =
        std::filesystem::temp_directory_path() / ("zirev1-calc-test-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    const std::string command = "LC_ALL=" + locale + " " + quoted(ZIREV1_CALC_PATH) + " " + args +
                                " < " + quoted(dir / "in") + " > " + quoted(dir / "out") + " 2> " +
                                quoted(dir / "err");
    CalcRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readFile(dir / "out");
    run.err = readFile(dir / "err");
    std::filesystem::remove_all(dir);
    return run;
}

// Runs a bash script and returns what it printed, with the script's exit status.
std::pair<std::string, int> runScript(const std::string& script) {
    FILE* pipe = ::popen(("bash -c " + quoted(script)).c_str(), "r");
    if (pipe == nullptr) {
        return {"", -1};
    }
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) {
        output += buffer;
    }
    const int raw = ::pclose(pipe);
    return {output, WIFEXITED(raw) ? WEXITSTATUS(raw) : -1};
}

bool localeInstalled(const char* name) {
    const bool ok = std::setlocale(LC_ALL, name) != nullptr;
    std::setlocale(LC_ALL, "C");
    return ok;
}

const std::string RESULT_345 = "36\n52\n12\n53\n7\n48\n89\n59\n60\n4.\n6.\n12.\n";

TEST(ZirevCalcArguments, SolvesThreeSides) {
    const CalcRun run = runCalc("3 4 5");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, RESULT_345);
    EXPECT_EQ(run.err, "");
}

TEST(ZirevCalcArguments, NoSolutionPrintsNothing) {
    for (const char* args : {"1 2 3", "3 0 4", "'' '' ''", "-1 -- x", "3 4 9"}) {
        const CalcRun run = runCalc(args);
        EXPECT_EQ(run.status, 1) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_EQ(run.err, "") << args;
    }
}

// Long numbers are built with append(): GCC 12 at -O3 warns falsely (-Wrestrict) about
// "literal" + std::string.
TEST(ZirevCalcArguments, FaultsAreNamedOnStandardError) {
    const std::string e78 = std::string("1").append(78, '0');
    const std::string e170 = std::string("0.").append(169, '0').append("1");
    struct {
        std::string args;
        std::string message;
    } cases[] = {{e78 + " " + e78 + " " + e78, "Overflow\n"},
                 {std::string(400, '9') + " 0 4", "Overflow\n"},
                 {e170 + " " + e170 + " " + e170, "Divisione per zero\n"}};
    for (const auto& c : cases) {
        const CalcRun run = runCalc(c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, c.message);
    }
}

TEST(ZirevCalcArguments, OptionsOnlyAsTheSoleArgument) {
    const CalcRun help = runCalc("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Uso: zirev1-calc A B C"), std::string::npos);
    const CalcRun version = runCalc("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("zirev1-calc ") + ZIREV1_VERSION + "\n");
    // Proper Italian in UTF-8: accented letters, not a vowel and an apostrophe.
    EXPECT_NE(help.out.find("c'è"), std::string::npos);
    for (std::size_t quote = help.out.find('\''); quote != std::string::npos;
         quote = help.out.find('\'', quote + 1)) {
        const bool afterVowel = quote > 0 && std::string_view("aeiou").find(help.out[quote - 1]) !=
                                                 std::string_view::npos;
        const bool endsWord = quote + 1 == help.out.size() || std::isspace(help.out[quote + 1]);
        EXPECT_FALSE(afterVowel && endsWord) << help.out.substr(quote - 10, 12);
    }
    EXPECT_NE(help.out.find("--elements"), std::string::npos);
    // With three arguments, "--help" is a field text like any other.
    EXPECT_EQ(runCalc("--help 4 5").status, 1);
    EXPECT_EQ(runCalc("--elements 4 5").status, 1);
}

TEST(ZirevCalcArguments, WrongNumberOfArgumentsIsAUsageError) {
    for (const char* args :
         {"3", "3 4", "3 4 5 6", "--bogus", "3 --elements 4 5", "--elements 3 4 5 6"}) {
        const CalcRun run = runCalc(args);
        EXPECT_EQ(run.status, 64) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err.find("Uso:"), std::string::npos) << args;
    }
}

TEST(ZirevCalcLocale, MeasuresFollowTheCommaLocale) {
    if (!localeInstalled("it_IT.UTF-8")) {
        GTEST_SKIP() << "it_IT.UTF-8 is not installed";
    }
    const CalcRun run = runCalc("2 3 4", "", "it_IT.UTF-8");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "28\n57\n18\n46\n34\n3\n104\n28\n39\n2,904738\n2,904738\n9,\n");
    // Sides are still read with the point.
    EXPECT_EQ(runCalc("3.0 4 5", "", "it_IT.UTF-8").out,
              "36\n52\n12\n53\n7\n48\n89\n59\n60\n4,\n6,\n12,\n");
}

TEST(ZirevCalcLocale, UnknownLocaleFallsBackToThePoint) {
    EXPECT_EQ(runCalc("3 4 5", "", "xx_YY.UTF-8").out, RESULT_345);
}

const std::string LINE_345 = "36\t52\t12\t53\t7\t48\t89\t59\t60\t4.\t6.\t12.\n";
const std::string LINE_111 = "59\t59\t60\t59\t59\t60\t59\t59\t60\t0.866025\t0.433013\t3.\n";

TEST(ZirevCalcBatch, OneOutputLinePerInputLine) {
    // "1e78" is 1: exponents are not read.
    const CalcRun run = runCalc("", "3\t4\t5\n1\t2\t3\n\n1e78\t1e78\t1e78\n" +
                                        std::string(400, '9') + "\t4\t5\n3\t4\n3\t0\t4\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, LINE_345 + "\n\n" + LINE_111 + "Overflow\n\n\n");
}

TEST(ZirevCalcBatch, ThirdFieldTakesTheRestOfTheLine) {
    // Tabs inside a field are ignored like blanks: "5\t0" reads as 50, no triangle with 3 and 4.
    EXPECT_EQ(runCalc("", "3\t4\t5\t0\n").out, "\n");
    EXPECT_EQ(runCalc("", "3\t4\t\t5\n").out, LINE_345);
}

TEST(ZirevCalcBatch, LineEnds) {
    EXPECT_EQ(runCalc("", "3\t4\t5").out, LINE_345);                           // no final newline
    EXPECT_EQ(runCalc("", "3\t4\t5\r\n3\t4\t5\r\n").out, LINE_345 + LINE_345); // CRLF
    EXPECT_EQ(runCalc("", "").out, "");
}

TEST(ZirevCalcBatch, DivisionByZeroLine) {
    const std::string e170 = std::string("0.").append(169, '0').append("1");
    EXPECT_EQ(runCalc("", e170 + "\t" + e170 + "\t" + e170 + "\n").out, "Divisione per zero\n");
}

TEST(ZirevCalcBatch, OverlongLineIsAnsweredAndTheNextGoesOn) {
    const std::string longLine(3 << 20, '1');
    const CalcRun run = runCalc("", "3\t4\t5\n" + longLine + "\n3\t4\t5\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, LINE_345 + "Riga troppo lunga\n" + LINE_345);
}

// A 100 MB line streams through in bounded memory: peak resident size of every process of the
// pipeline stays far below the line's size.
TEST(ZirevCalcBatch, HundredMegabyteLineInBoundedMemory) {
    const std::string script = std::string("{ printf '3\\t4\\t5\\n'; head -c 100000000 /dev/zero | "
                                           "tr '\\0' '7'; printf '\\n3\\t4\\t5'; } | ") +
                               quoted(ZIREV1_CALC_PATH);
    const auto [output, status] = runScript(script);
    ASSERT_EQ(status, 0);
    EXPECT_EQ(output, LINE_345 + "Riga troppo lunga\n" + LINE_345);
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    EXPECT_LT(usage.ru_maxrss, 64 * 1024) << "KiB at the peak";
}

TEST(ZirevCalcBatch, NulBytesAndInvalidUtf8AreJustText) {
    const std::string input = std::string("3\t4\t5\0"
                                          "9\n\xff\xfe\t4\t5\n",
                                          15);
    EXPECT_EQ(runCalc("", input).out, LINE_345 + "\n");
}

TEST(ZirevCalcBatch, CommaLocale) {
    if (!localeInstalled("it_IT.UTF-8")) {
        GTEST_SKIP() << "it_IT.UTF-8 is not installed";
    }
    EXPECT_EQ(runCalc("", "3\t4\t5\n", "it_IT.UTF-8").out,
              "36\t52\t12\t53\t7\t48\t89\t59\t60\t4,\t6,\t12,\n");
}

TEST(ZirevCalcBatch, ClosedOutputPipeEndsQuietly) {
    const std::string command = std::string("yes '3\t4\t5' | head -c 50000000 | ") +
                                quoted(ZIREV1_CALC_PATH) + " | head -n 1";
    // The status of zirev1-calc itself; yes and head -c die of SIGPIPE as usual.
    EXPECT_EQ(runScript(command + "; echo status=${PIPESTATUS[2]}").first, LINE_345 + "status=0\n");
}

const std::string TINY = std::string("0.").append(100, '0').append("1");

std::size_t count(const std::string& text, char ch) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), ch));
}

TEST(ZirevCalcElements, TheTwelveThenTheElementsOneALine) {
    const CalcRun run = runCalc("--elements 3 4 5");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind(RESULT_345 + "6.\n3.\n2.\n1.\n0.333333\n18.4349\n", 0), 0u);
    EXPECT_EQ(count(run.out, '\n'), 12u + 52u);
    EXPECT_NE(run.out.find("\n90\n0\n0\n180.0000\n200.0000\n"), std::string::npos);
    EXPECT_TRUE(run.out.ends_with("\nrettangolo\nscaleno\n"));
}

TEST(ZirevCalcElements, FaultsAndNoTriangleAsWithoutThem) {
    EXPECT_EQ(runCalc("--elements 1 2 3").status, 1);
    const CalcRun tiny = runCalc("--elements " + TINY + " " + TINY + " " + TINY);
    EXPECT_EQ(tiny.status, 2);
    EXPECT_EQ(tiny.out, "");
    EXPECT_EQ(tiny.err, "Divisione per zero\n");
    EXPECT_EQ(runCalc(TINY + " " + TINY + " " + TINY).status, 0); // the twelve alone do not divide
}

TEST(ZirevCalcElements, BatchLinesHoldTheTwelveThenTheElements) {
    const CalcRun run = runCalc("--elements", "3\t4\t5\n1\t2\t3\n" + TINY + "\t" + TINY + "\t" +
                                                  TINY + "\n7\t8\t9\n");
    EXPECT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line.rfind(LINE_345.substr(0, LINE_345.size() - 1) + "\t6.\t3.\t", 0), 0u);
    EXPECT_EQ(count(line, '\t'), 12u + 52u - 1);
    std::getline(lines, line);
    EXPECT_EQ(line, "");
    std::getline(lines, line);
    EXPECT_EQ(line, "Divisione per zero");
    std::getline(lines, line);
    EXPECT_TRUE(line.ends_with("\tacutangolo\tscaleno")) << line;
}

TEST(ZirevCalcElements, CommaLocale) {
    if (!localeInstalled("it_IT.UTF-8")) {
        GTEST_SKIP() << "it_IT.UTF-8 is not installed";
    }
    const CalcRun run = runCalc("--elements 3 4 5", "", "it_IT.UTF-8");
    EXPECT_NE(run.out.find("\n0,333333\n18,4349\n20,4833\n0,321751\n"), std::string::npos);
    EXPECT_EQ(run.out.find('.'), std::string::npos);
}

} // namespace
