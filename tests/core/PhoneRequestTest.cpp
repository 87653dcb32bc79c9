#include "phones/ConnectionBook.h"
#include "phones/HttpAnswer.h"
#include "phones/MeetingToken.h"
#include "phones/PhoneSettings.h"
#include "phones/PhoneSite.h"
#include "phones/RequestHead.h"
#include "storage/SettingsStore.h"
#include "text/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

std::string headerOf(const HttpAnswer& answer, std::string_view name) {
    for (const auto& [key, value] : answer.headers) {
        if (key == name) {
            return value;
        }
    }
    return {};
}

} // namespace

TEST(RequestHead, AcceptsOnlyWellFormedGets) {
    const std::string longTarget = "/" + std::string(kMaxTargetLength + 40, 'a');
    const std::string manyHeaders = "GET / HTTP/1.1\r\n" + std::string(kMaxHeadLength, 'x');
    struct Case {
        std::string received;
        HeadStatus status;
        int refusal;
    };
    const Case cases[] = {
        {"GET /abc/ HTTP/1.1\r\nHost: x\r\n\r\n", HeadStatus::Complete, 0},
        {"GET /abc/ HTTP/1.0\r\n\r\n", HeadStatus::Complete, 0},
        {"GET /abc/ HTTP/1.1\r\nContent-Length: 0\r\n\r\n", HeadStatus::Complete, 0},
        {"GET /abc/ HTTP/1.1\r\nHost: x\r\n", HeadStatus::Incomplete, 0},
        {"GET /ab", HeadStatus::Incomplete, 0},
        {"POST /abc/ HTTP/1.1\r\n", HeadStatus::Refused, 405},
        {"HEAD /abc/ HTTP/1.1\r\n\r\n", HeadStatus::Refused, 405},
        {"OPTIONS * HTTP/1.1\r\n\r\n", HeadStatus::Refused, 400},
        {"GET abc HTTP/1.1\r\n\r\n", HeadStatus::Refused, 400},
        {"GET /a b HTTP/1.1\r\n\r\n", HeadStatus::Refused, 400},
        {"GET /\x01 HTTP/1.1\r\n\r\n", HeadStatus::Refused, 400},
        {"GET /abc/ SPDY/3\r\n\r\n", HeadStatus::Refused, 400},
        {"G(T / HTTP/1.1\r\n\r\n", HeadStatus::Refused, 400},
        {"\r\n\r\n", HeadStatus::Refused, 400},
        {"GET / HTTP/1.1\r\nno colon\r\n\r\n", HeadStatus::Refused, 400},
        {"GET / HTTP/1.1\r\nContent-Length: 5\r\n\r\nhello", HeadStatus::Refused, 400},
        {"GET / HTTP/1.1\r\nTransfer-Encoding: chunked\r\n\r\n", HeadStatus::Refused, 400},
        {"GET " + longTarget + " HTTP/1.1\r\n\r\n", HeadStatus::Refused, 414},
        {"GET " + longTarget, HeadStatus::Refused, 414},
        {manyHeaders, HeadStatus::Refused, 431},
    };
    for (const Case& c : cases) {
        const HeadCheck check = checkRequestHead(c.received);
        EXPECT_EQ(check.status, c.status) << c.received.substr(0, 60);
        EXPECT_EQ(check.refusal, c.refusal) << c.received.substr(0, 60);
    }
    const HeadCheck good = checkRequestHead("GET /t/state.json?x=1 HTTP/1.1\r\n\r\nGET /");
    EXPECT_EQ(good.target, "/t/state.json?x=1");
    EXPECT_EQ(good.length, 34u);
}

TEST(PhoneSite, AnswersOnlyTheMeetingsTokenPaths) {
    const PhoneSnapshot snapshot{"0123456789abcdef0123456789abcdef", R"({"title":"x"})"};
    const std::vector<PhoneAsset> assets = {{"", "text/html; charset=utf-8", "<html>"},
                                            {"page.js", "text/javascript", "js"}};
    const std::string page = phonePagePath(snapshot.token);
    struct Case {
        std::string target;
        int status;
        std::string body;
    };
    const Case cases[] = {
        {page, 200, "<html>"},
        {page + "?from=qr", 200, "<html>"},
        {page + "page.js", 200, "js"},
        {page + "state.json", 200, R"({"title":"x"})"},
        {page + "unknown", 404, "Not Found\n"},
        {page + "../page.js", 404, "Not Found\n"},
        {"/" + snapshot.token, 404, "Not Found\n"},
        {"/ffffffffffffffffffffffffffffffff/", 404, "Not Found\n"},
        {"/ffffffffffffffffffffffffffffffff/state.json", 404, "Not Found\n"},
        {"//state.json", 404, "Not Found\n"},
        {"/", 404, "Not Found\n"},
        {"/favicon.ico", 404, "Not Found\n"},
    };
    for (const Case& c : cases) {
        const HttpAnswer answer = answerPhoneRequest(c.target, snapshot, assets);
        EXPECT_EQ(answer.status, c.status) << c.target;
        EXPECT_EQ(answer.body, c.body) << c.target;
        EXPECT_EQ(headerOf(answer, "Content-Security-Policy"), kContentSecurityPolicy) << c.target;
        EXPECT_EQ(headerOf(answer, "Cache-Control"), "no-store");
        EXPECT_EQ(headerOf(answer, "Set-Cookie"), "");
    }
    EXPECT_EQ(headerOf(answerPhoneRequest(page + "state.json", snapshot, assets), "Content-Type"),
              "application/json; charset=utf-8");
}

TEST(PhoneSite, RefusalsNameTheAllowedMethodAndClose) {
    const std::string bytes = wireBytes(refusal(405));
    EXPECT_EQ(bytes.rfind("HTTP/1.1 405 Method Not Allowed\r\n", 0), 0u);
    EXPECT_NE(bytes.find("\r\nAllow: GET\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nConnection: close\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nContent-Length: 19\r\nConnection: close\r\n\r\nMethod Not Allowed\n"),
              std::string::npos);
}

TEST(MeetingToken, IsNewForEveryMeetingAndRun) {
    MeetingToken tokens;
    const std::string first = tokens.forMeeting(u"/club/2026.rly", 3);
    EXPECT_EQ(tokens.forMeeting(u"/club/2026.rly", 3), first);
    const std::string nextWeek = tokens.forMeeting(u"/club/2026.rly", 4);
    EXPECT_NE(nextWeek, first);
    EXPECT_NE(tokens.forMeeting(u"/club/other.rly", 4), nextWeek);
    EXPECT_NE(MeetingToken().forMeeting(u"/club/2026.rly", 3), first);

    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) {
        const std::string token = newRandomToken();
        ASSERT_EQ(token.size(), 32u);
        EXPECT_TRUE(std::all_of(token.begin(), token.end(),
                                [](char c) { return std::isxdigit(c) && !std::isupper(c); }));
        seen.insert(token);
    }
    EXPECT_EQ(seen.size(), 200u);
}

TEST(MeetingToken, ComparesWholeTokensOnly) {
    EXPECT_TRUE(sameToken("abc", "abc"));
    EXPECT_FALSE(sameToken("abd", "abc"));
    EXPECT_FALSE(sameToken("ab", "abc"));
    EXPECT_FALSE(sameToken("abcd", "abc"));
    EXPECT_FALSE(sameToken("", ""));
}

TEST(ConnectionBook, LimitsEachAddressAndTheWhole) {
    ConnectionBook book(2, 3);
    EXPECT_EQ(book.admit("10.0.0.5"), Admission::Admitted);
    EXPECT_EQ(book.admit("10.0.0.5"), Admission::Admitted);
    EXPECT_EQ(book.admit("10.0.0.5"), Admission::AddressFull);
    EXPECT_EQ(book.admit("10.0.0.6"), Admission::Admitted);
    EXPECT_EQ(book.admit("10.0.0.7"), Admission::ServerFull);
    EXPECT_EQ(book.openFrom("10.0.0.7"), 0);
    book.release("10.0.0.5");
    EXPECT_EQ(book.openFrom("10.0.0.5"), 1);
    EXPECT_EQ(book.admit("10.0.0.7"), Admission::Admitted);
    book.release("10.0.0.9");
    EXPECT_EQ(book.openTotal(), 3);
}

TEST(PhoneSettings, KeepsOnlyUsablePorts) {
    MemorySettingsStore store;
    EXPECT_EQ(loadPhonePort(store), kDefaultPhonePort);
    for (const auto& [text, port] :
         std::vector<std::pair<std::u16string, int>>{{u"8765", 8765},
                                                     {u"1024", 1024},
                                                     {u"65535", 65535},
                                                     {u"80", kDefaultPhonePort},
                                                     {u"65536", kDefaultPhonePort},
                                                     {u"12ab", kDefaultPhonePort},
                                                     {u"", kDefaultPhonePort},
                                                     {u"-9000", kDefaultPhonePort}}) {
        store.setValue(u"RgPhone", u"Port", text);
        EXPECT_EQ(loadPhonePort(store), port) << toUtf8(text);
    }
    savePhonePort(store, 9090);
    EXPECT_EQ(loadPhonePort(store), 9090);
}
