// What the server is told from outside: its settings, how many sessions an address may hold,
// and the query of a match report.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <tuple>

#include "address_limit.h"
#include "config.h"
#include "match_query.h"

namespace tavolex::server {
namespace {

TEST(ServerConfig, FlagsOverrideTheFileAndMistakesAreNamed) {
    const std::string path = ::testing::TempDir() + "tavolex-server-test.ini";
    std::ofstream(path) << "# comment\n[server]\nport = 4000\nhttp-port=9000\n"
                           "listen = 0.0.0.0\ndatabase = /tmp/x.db\n";
    ServerConfig config;
    ASSERT_EQ(LoadConfig({"--port", "5000", "--config", path, "--download=http://d/x"}, config),
              std::nullopt);
    EXPECT_EQ(config.port, 5000);
    EXPECT_EQ(config.httpPort, 9000);
    EXPECT_EQ(config.download, "http://d/x");
    EXPECT_EQ(config.publicHost, "127.0.0.1");  // a wildcard listen address is no host name

    const struct {
        std::vector<std::string> arguments;
        std::string error;
    } cases[] = {
        {{"--colour", "red"}, "unknown setting \"colour\""},
        {{"--port", "70000"}, "bad value \"70000\" for port"},
        {{"--port", "12x"}, "bad value \"12x\" for port"},
        {{"--port"}, "missing value for --port"},
        {{"stray"}, "unexpected argument \"stray\""},
        {{"--config", "/nonexistent/file.ini"}, "cannot read /nonexistent/file.ini"},
    };
    for (const auto& c : cases) {
        ServerConfig other;
        other.database = "/tmp/x.db";
        EXPECT_EQ(LoadConfig(c.arguments, other), c.error);
    }
    std::ofstream(path) << "port = 1\nnonsense\n";
    ServerConfig broken;
    EXPECT_EQ(LoadConfig({"--config", path}, broken), path + ":2: expected name = value");
    std::remove(path.c_str());
}

TEST(AddressLimit, CountsEachAddressAndNeverLoopback) {
    using boost::asio::ip::make_address;
    AddressLimit limit(2);
    const auto remote = make_address("203.0.113.7");
    EXPECT_TRUE(limit.Admit(remote));
    EXPECT_TRUE(limit.Admit(remote));
    EXPECT_FALSE(limit.Admit(remote));
    EXPECT_TRUE(limit.Admit(make_address("203.0.113.8")));
    limit.Release(remote);
    EXPECT_TRUE(limit.Admit(remote));
    AddressLimit unlimited(0);
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(limit.Admit(make_address("127.0.0.1")));
        EXPECT_TRUE(limit.Admit(make_address("::1")));
        EXPECT_TRUE(unlimited.Admit(remote));
    }
}

TEST(MatchQuery, AcceptsTheFiveKeysAndRefusesEverythingElse) {
    const auto good =
        ParseMatchQuery("nickname1=Anna%20B&score1=5120&nickname2=bo%3Cb&score2=-35&gametype=2");
    ASSERT_TRUE(good);
    EXPECT_EQ(
        std::tie(good->nickname1, good->score1, good->nickname2, good->score2, good->gameType),
        std::tuple("Anna B", 5120, "bo<b", -35, 2));

    for (const char* bad : {
             "nickname1=a&score1=1&nickname2=b&score2=1",                        // a key missing
             "nickname1=a&score1=1&nickname2=b&score2=1&gametype=0&gametype=0",  // twice
             "nickname1=a&score1=1&nickname2=b&score2=1&gametype=0&extra=1",     // unknown key
             "nickname1=a&score1=1&nickname2=b&score2=1&gametype=3",             // no such type
             "nickname1=a&score1=1x&nickname2=b&score2=1&gametype=0",            // not a number
             "nickname1=a&score1=2000000&nickname2=b&score2=1&gametype=0",       // out of range
             "nickname1=a%0D&score1=1&nickname2=b&score2=1&gametype=0",          // control byte
             "nickname1=a%2&score1=1&nickname2=b&score2=1&gametype=0",           // cut escape
             "nickname1=a%zz&score1=1&nickname2=b&score2=1&gametype=0",          // bad escape
             "nickname1=&score1=1&nickname2=b&score2=1&gametype=0",              // empty name
             "nickname1=SeventeenLetters1&score1=1&nickname2=b&score2=1&gametype=0",
             "nickname1&score1=1&nickname2=b&score2=1&gametype=0",  // no '='
         }) {
        EXPECT_FALSE(ParseMatchQuery(bad)) << bad;
    }
}

}  // namespace
}  // namespace tavolex::server
