// The web services' answers, read without a network.
#include "lobby/web_services.h"

#include <gtest/gtest.h>

#include "game/memory_settings.h"

namespace tavolex {
namespace {

TEST(WebServices, GameServerDataIsReadLineByLine) {
    struct Case {
        const char* answer;
        const char* server;
        int port;
    };
    const Case cases[] = {
        {"server=lobby.example.org\r\nport=5000\r\n", "lobby.example.org", 5000},
        {"server=lobby.example.org\n", "lobby.example.org", 4444},  // no port line
        {"port=abc\nserver=10.0.0.2", "10.0.0.2", 4444},
        {"port=70000\nserver=h", "h", 4444},
        {"# comment\nname=value\n", "", 4444},
        {"", "", 0},  // no answer at all
    };
    for (const Case& c : cases) {
        const GameServerAddress address = ParseGameServerAddress(c.answer);
        EXPECT_EQ(address.server, c.server) << c.answer;
        EXPECT_EQ(address.port, c.port) << c.answer;
    }
}

TEST(WebServices, UpgradeIsOfferedOnlyForALaterKnownVersion) {
    EXPECT_EQ(LatestVersionFromAnswer("5.1\nnotes"), "5.1");
    EXPECT_EQ(LatestVersionFromAnswer(""), "unknown");
    struct Case {
        const char* current;
        const char* latest;
        bool later;
    };
    const Case cases[] = {
        {"5.0", "5.1", true},  {"5.0", "5.0", false},    {"5.0", "5", false},
        {"5.0", "4.9", false}, {"5.0", "5.10", true},    {"5.0", "unknown", false},
        {"5.0", "beta", true}, {"unknown", "5.0", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsLaterVersion(c.current, c.latest), c.later) << c.current << " " << c.latest;
    }
}

TEST(WebServices, OnlyTheLosingSideOrBothAfterADrawReport) {
    const MatchReport lost{"Anna Maria", "4120", "Ben", "5230", 1};
    EXPECT_TRUE(ShouldReportMatch(lost));
    EXPECT_FALSE(ShouldReportMatch({"Ben", "5230", "Anna Maria", "4120", 1}));
    EXPECT_TRUE(ShouldReportMatch({"Ben", "5000", "Anna", "5000", 0}));
    EXPECT_FALSE(ShouldReportMatch({"Ben", "20", "Anna", "lots", 0}));  // not a number: 0
    EXPECT_EQ(MatchReportPath({"a&b=c#", "-5", "x", "0", 2}),
              "/lobby/matchlog.php?nickname1=a%26b%3Dc%23&score1=-5&nickname2=x&score2=0"
              "&gametype=2");
    EXPECT_EQ(MatchMailAddress("ben@example.org", {"A&B", "4120", "Ben", "5230", 1},
                               "Ben's score:", "07/12/2026 13:05:09"),
              "mailto:ben@example.org?Subject=Canasta Match Result&Body=A%26B's Score:4120%0D%0A"
              "Ben%27s%20score%3A 5230%0D%0ATimestamp: 07%2F12%2F2026%2013%3A05%3A09%0D%0A");
}

}  // namespace
}  // namespace tavolex
