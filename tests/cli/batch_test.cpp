// SPDX-FileCopyrightText: 2026 the Octaval developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/batch.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <string>
#include <thread>
#include <vector>

#include "cli/json_writer.h"

namespace {

using namespace std::string_literals;

// Answers a whole input at once.
std::string answerAll(std::string_view input, bool* malformed = nullptr) {
    octaval::BatchReader reader;
    std::string out;
    reader.feed(input, out);
    reader.finish(out);
    if (malformed) *malformed = reader.malformedSeen();
    return out;
}

std::string statusOf(std::string_view jsonLine) {
    const auto key = jsonLine.find("\"status\":\"");
    if (key == std::string_view::npos) return {};
    const auto start = key + 10;
    return std::string(jsonLine.substr(start, jsonLine.find('"', start) - start));
}

std::vector<std::string> linesOf(const std::string& out) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (auto end = out.find('\n'); end != std::string::npos; end = out.find('\n', start)) {
        lines.push_back(out.substr(start, end - start));
        start = end + 1;
    }
    EXPECT_EQ(start, out.size()) << "output must end with a line feed";
    return lines;
}

TEST(SplitBatchFields, SplitsAtEveryTabAfterDroppingOneCr) {
    const std::vector<std::tuple<std::string, std::size_t, std::vector<std::string>>> cases = {
        {"1\t2\t3\t4\t5\t6\t7\t8", 8, {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {"1\t2\t3\t4\t5\t6\t7\t8\r", 8, {"1", "2", "3", "4", "5", "6", "7", "8"}},
        {"1\t2\t3\t4\t5\t6\t7\t8\r\r", 8, {"1", "2", "3", "4", "5", "6", "7", "8\r"}},
        {"\t\t\t\t\t\t\t", 8, {"", "", "", "", "", "", "", ""}},
        {" 1\r\t 2 \t\t\t\t\t\tx", 8, {" 1\r", " 2 ", "", "", "", "", "", "x"}},
        {"", 1, {""}},
        {"\r", 1, {""}},
        {"1\t2\t3\t4\t5\t6\t7", 7, {"1", "2", "3", "4", "5", "6", "7"}},
        {"1\t2\t3\t4\t5\t6\t7\t8\t", 9, {"1", "2", "3", "4", "5", "6", "7", "8"}},
    };
    for (const auto& [line, count, fields] : cases) {
        const auto split = octaval::splitBatchFields(line);
        EXPECT_EQ(split.count, count) << testing::PrintToString(line);
        for (std::size_t i = 0; i < fields.size(); ++i)
            EXPECT_EQ(split.fields[i], fields[i]) << testing::PrintToString(line) << " field " << i;
    }
}

TEST(ProcessBatchLine, GivesEveryStatusMessage) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"10\t1\t2\t3\t255\t255\t0\t0", "OK"},
        {"0\t1\t2\t3\t255\t0\t0\t0", "Illegal IP address"},
        {"10\t1\t2\t3\t255\t0\t255\t0", "Illegal subnet mask"},
        {"150\t1\t1\t1\t254\t0\t0\t0", "Illegal subnet mask versus network class"},
        {"10\t0\t1\t1\t255\t255\t0\t0", "Illegal subnet (all zeros) or use subnet-zero"},
        {"10\t255\t1\t1\t255\t255\t0\t0", "Illegal subnet (all ones)"},
        {"192\t168\t1\t1\t255\t255\t255\t255", "No host(s)"},
        {"192\t168\t1\t0\t255\t255\t255\t0", "Illegal host ip address (all zeros = network)"},
        {"192\t168\t1\t255\t255\t255\t255\t0", "Illegal host ip address (all ones = broadcast)"},
        // Texts are used as they stand, with no limit on their length.
        {"  10\t&H1\t2.0\t3e0\t255\t2.55e2\t\t0", "OK"},
        {"1000\t1\t1\t1\t255\t0\t0\t0", "Illegal IP address"},
    };
    octaval::CalculatorState state;
    octaval::MemoryBoxes boxes;
    for (const auto& [line, status] : cases) {
        std::string out;
        EXPECT_TRUE(octaval::processBatchLine(line, 1, state, boxes, out));
        EXPECT_EQ(statusOf(out), status) << line;
        EXPECT_EQ(out.find('\n'), out.size() - 1) << line;
    }
}

TEST(ProcessBatchLine, AnswersAMalformedLineWithItsNumber) {
    octaval::CalculatorState state;
    octaval::MemoryBoxes boxes;
    std::string out;
    EXPECT_FALSE(octaval::processBatchLine("10\t1\t2\t3", 42, state, boxes, out));
    EXPECT_EQ(out, R"({"line":42,"error":"expected 8 TAB-separated fields, found 4"})"
                   "\n");
}

TEST(BatchReader, KeepsOneCalculatorStateForTheWholeRun) {
    const std::string classCNoHosts = "192\t168\t1\t1\t255\t255\t255\t255\n";
    const std::string classD = "224\t1\t2\t3\t255\t255\t255\t0\n";
    const auto lines = linesOf(answerAll(classCNoHosts + classD));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(statusOf(lines[0]), "No host(s)");
    EXPECT_NE(lines[1].find(R"("networkLine":"Multicast, Class D")"), std::string::npos)
        << lines[1];
    EXPECT_EQ(lines[1] + "\n", answerAll(classD));
}

TEST(BatchReader, AnswersEveryLineInStepAndGoesOnAfterMalformedOnes) {
    bool malformed = false;
    const auto lines =
        linesOf(answerAll("10\t1\t2\t3\t255\t255\t0\t0\n"
                          "\n"
                          "10\t1\t2\t3\t255\t255\t0\t0\t9\r\n"
                          "192\t168\t1\t70\t255\t255\t255\t224\r\n"
                          "garbage",
                          &malformed));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(statusOf(lines[0]), "OK");
    EXPECT_EQ(lines[1], R"({"line":2,"error":"expected 8 TAB-separated fields, found 1"})");
    EXPECT_EQ(lines[2], R"({"line":3,"error":"expected 8 TAB-separated fields, found 9"})");
    EXPECT_EQ(statusOf(lines[3]), "OK");
    EXPECT_EQ(lines[4], R"({"line":5,"error":"expected 8 TAB-separated fields, found 1"})");
    EXPECT_TRUE(malformed);

    answerAll("10\t1\t2\t3\t255\t255\t0\t0\n", &malformed);
    EXPECT_FALSE(malformed);
    EXPECT_EQ(answerAll(""), "");
}

TEST(BatchReader, CrLfInputGivesTheSameAnswersAsLfInput) {
    const std::string lf = "10\t1\t2\t3\t255\t255\t0\t0\n172\t16\t5\t9\t255\t255\t240\t0\n";
    const std::string crlf = "10\t1\t2\t3\t255\t255\t0\t0\r\n172\t16\t5\t9\t255\t255\t240\t0\r\n";
    EXPECT_EQ(answerAll(crlf), answerAll(lf));
}

TEST(BatchReader, AnswersDoNotDependOnHowTheInputIsCut) {
    const std::string input =
        "10\t1\t2\t3\t255\t255\t0\t0\r\n\n192\t168\t1\t1\t255\t255\t255\t255\n"
        "224\t1\t2\t3\t255\t255\t255\t0\nx\ty\n172\t16\t5\t9\t255\t255\t240\t0";
    const std::string whole = answerAll(input);
    for (const std::size_t piece : {1u, 2u, 3u, 7u, 64u}) {
        octaval::BatchReader reader;
        std::string out;
        for (std::size_t at = 0; at < input.size(); at += piece)
            reader.feed(std::string_view(input).substr(at, piece), out);
        reader.finish(out);
        EXPECT_EQ(out, whole) << "pieces of " << piece;
    }
}

TEST(BatchReader, AnswersArbitraryBytes) {
    const std::string nul = "1\0\t2\t3\t4\t255\t0\t0\t0\n"s;
    const std::string invalidUtf8 = "\xff\xfe\t\xc3\t\x80\t\xed\xa0\x80\t255\t0\t0\t0\n";
    const std::string nulOnly = "\0\0\0\n"s;
    const auto lines = linesOf(answerAll(nul + invalidUtf8 + nulOnly));
    ASSERT_EQ(lines.size(), 3u);
    // A NUL ends the number like any other character that cannot continue it.
    EXPECT_EQ(statusOf(lines[0]), "OK");
    EXPECT_EQ(lines[0], linesOf(answerAll("1\t2\t3\t4\t255\t0\t0\t0\n"))[0]);
    EXPECT_EQ(statusOf(lines[1]), "Illegal IP address");
    EXPECT_EQ(lines[2], R"({"line":3,"error":"expected 8 TAB-separated fields, found 1"})");
}

TEST(BatchReader, AnswersLinesOfMegabytes) {
    // Blanks before a number are skipped, however many there are.
    const std::string blanks(3 << 20, ' ');
    const std::string digits(2 << 20, '9');
    const std::string input = blanks + "10\t1\t2\t3\t255\t255\t0\t0\n" + "1\t" + digits +
                              "\t1\t1\t255\t0\t0\t0\n" + "1\t2\t3\t4\t" + digits + "\t0\t0\t0\n";
    octaval::BatchReader reader;
    std::string out;
    for (std::size_t at = 0; at < input.size(); at += 65536)
        reader.feed(std::string_view(input).substr(at, 65536), out);
    reader.finish(out);
    const auto lines = linesOf(out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0] + "\n", answerAll("10\t1\t2\t3\t255\t255\t0\t0\n"));
    EXPECT_EQ(statusOf(lines[1]), "Illegal IP address");
    EXPECT_EQ(statusOf(lines[2]), "Illegal subnet mask");
}

TEST(BatchReader, AnswersALineBeyondItsLimitWithAnError) {
    octaval::BatchReader reader(40);
    std::string out;
    const std::string longLine(100, '1');
    reader.feed(longLine.substr(0, 30), out);
    reader.feed(longLine.substr(30) + "\n10\t1\t2\t3\t255\t255\t0\t0\n" + longLine, out);
    reader.finish(out);
    const auto lines = linesOf(out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], R"({"line":1,"error":"line longer than 40 bytes"})");
    EXPECT_EQ(statusOf(lines[1]), "OK");
    EXPECT_EQ(lines[2], R"({"line":3,"error":"line longer than 40 bytes"})");
    EXPECT_TRUE(reader.malformedSeen());
    EXPECT_EQ(reader.lines(), 3u);
}

// Reads one line from fd, waiting at most five seconds for it.
std::string readLineWithin5s(int fd) {
    std::string line;
    char c = 0;
    while (line.empty() || line.back() != '\n') {
        pollfd p{fd, POLLIN, 0};
        if (::poll(&p, 1, 5000) <= 0 || ::read(fd, &c, 1) != 1) break;
        line += c;
    }
    return line;
}

TEST(RunBatch, AnswersEachLineWhileTheInputStaysOpen) {
    int in[2];
    int out[2];
    ASSERT_EQ(::pipe(in), 0);
    ASSERT_EQ(::pipe(out), 0);
    octaval::BatchResult result;
    std::thread batch([&] {
        result = octaval::runBatch(in[0], out[1]);
        ::close(out[1]);
    });
    const std::string first = "10\t1\t2\t3\t255\t255\t0\t0\n";
    ASSERT_EQ(::write(in[1], first.data(), first.size()), static_cast<ssize_t>(first.size()));
    EXPECT_EQ(statusOf(readLineWithin5s(out[0])), "OK");
    const std::string second = "bad\n";
    ASSERT_EQ(::write(in[1], second.data(), second.size()), static_cast<ssize_t>(second.size()));
    EXPECT_EQ(readLineWithin5s(out[0]),
              R"({"line":2,"error":"expected 8 TAB-separated fields, found 1"})"
              "\n");
    ::close(in[1]);
    batch.join();
    EXPECT_EQ(readLineWithin5s(out[0]), "");  // nothing more
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.error, "");
    ::close(in[0]);
    ::close(out[0]);
}

TEST(RunBatch, ReportsAWriteError) {
    int in[2];
    int out[2];
    ASSERT_EQ(::pipe(in), 0);
    ASSERT_EQ(::pipe(out), 0);
    ::close(out[1]);
    const int closedForWriting = out[0];  // a read end refuses writes with EBADF
    const std::string line = "10\t1\t2\t3\t255\t255\t0\t0\n";
    ASSERT_EQ(::write(in[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    ::close(in[1]);
    const auto result = octaval::runBatch(in[0], closedForWriting);
    EXPECT_EQ(result.exitStatus, 1);
    EXPECT_EQ(result.error.rfind("cannot write the answers: ", 0), 0u) << result.error;
    ::close(in[0]);
    ::close(out[0]);
}

TEST(JsonWriter, EscapesWhatJsonRequires) {
    std::string out;
    octaval::appendJsonString(out, "a\"b\\c\n\x01\x1f z\xc3\xa9");
    EXPECT_EQ(out, R"("a\"b\\c\u000a\u0001\u001f z)"
                   "\xc3\xa9\"");
    out.clear();
    octaval::appendLineErrorJson(out, 18446744073709551615u, "x");
    EXPECT_EQ(out, R"({"line":18446744073709551615,"error":"x"})");
}

TEST(JsonWriter, EscapesBoxTextsThatNeedIt) {
    // The engine never writes such texts; the writer must stay correct if it ever did.
    octaval::MemoryBoxes boxes;
    for (const auto box : octaval::allBoxes)
        boxes.setText(box, std::to_string(octaval::numberOf(box)));
    boxes.setText(octaval::Box::Text10, "");
    boxes.setText(octaval::Box::Text17, "\"\\\t");
    boxes.setText(octaval::Box::Text21, "a\x7f\xc3\xa9");
    const std::string expected =
        R"(before {"network":["9","","11","12"],"broadcast":["13","14","15","16"],)"
        R"("class":"\"\\\u0009","networkLine":"18","subnetLine":"19","hostLine":"20",)"
        R"("firstSubnet":["26","27","28","29"],"lastSubnet":["30","31","32","33"],)"
        "\"status\":\"a\x7f\xc3\xa9\"}";
    std::string out = "before ";
    octaval::appendResultJson(out, boxes);
    EXPECT_EQ(out, expected);

    // Without a text to escape, the same object comes from the writer's faster way.
    boxes.setText(octaval::Box::Text17, "17");
    out = "before ";
    octaval::appendResultJson(out, boxes);
    std::string plain = expected;
    plain.replace(plain.find(R"("\"\\\u0009")"), 12, R"("17")");
    EXPECT_EQ(out, plain);
}

}  // namespace
